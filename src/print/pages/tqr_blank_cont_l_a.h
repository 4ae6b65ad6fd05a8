#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The blank form's first liability sheet: schedules I and J.
class TqrBlank_Cont_L_A : public Report::ReportPage
{
public:
    explicit TqrBlank_Cont_L_A(Tdm1 &dm);

    static const PageSpec &layout();
};
