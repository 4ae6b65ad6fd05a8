#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The blank form's second asset sheet: schedules C and D.
class TqrBlank_Cont_Assets_B : public Report::ReportPage
{
public:
    explicit TqrBlank_Cont_Assets_B(Tdm1 &dm);

    static const PageSpec &layout();
};
