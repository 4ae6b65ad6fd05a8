#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The blank form's fourth asset sheet: schedules G and H.
class TqrBlank_Cont_Assets_D : public Report::ReportPage
{
public:
    explicit TqrBlank_Cont_Assets_D(Tdm1 &dm);

    static const PageSpec &layout();
};
