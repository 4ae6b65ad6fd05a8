#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The blank form's first asset sheet: schedules A and B.
class TqrBlank_Cont_Assets_A : public Report::ReportPage
{
public:
    explicit TqrBlank_Cont_Assets_A(Tdm1 &dm);

    static const PageSpec &layout();
};
