#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The blank form's third liability sheet: schedules M and N.
class TqrBlank_Cont_L_C : public Report::ReportPage
{
public:
    explicit TqrBlank_Cont_L_C(Tdm1 &dm);

    static const PageSpec &layout();
};
