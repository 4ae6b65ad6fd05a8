#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The blank form's third asset sheet: schedules E and F.
class TqrBlank_Cont_Assets_C : public Report::ReportPage
{
public:
    explicit TqrBlank_Cont_Assets_C(Tdm1 &dm);

    static const PageSpec &layout();
};
