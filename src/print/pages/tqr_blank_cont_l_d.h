#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The blank form's last liability sheet: schedule O alone.
class TqrBlank_Cont_L_D : public Report::ReportPage
{
public:
    explicit TqrBlank_Cont_L_D(Tdm1 &dm);

    static const PageSpec &layout();
};
