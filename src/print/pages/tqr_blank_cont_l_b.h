#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The blank form's second liability sheet: schedules K and L.
class TqrBlank_Cont_L_B : public Report::ReportPage
{
public:
    explicit TqrBlank_Cont_L_B(Tdm1 &dm);

    static const PageSpec &layout();
};
