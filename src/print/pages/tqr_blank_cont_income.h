#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The blank form's income sheet: the detailed annual income and expenditures.
class TqrBlank_Cont_Income : public Report::ReportPage
{
public:
    explicit TqrBlank_Cont_Income(Tdm1 &dm);

    static const PageSpec &layout();
};
