#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The detailed annual income and expenditures of the printed statement; every row of
// each table, totals from FSPro.
class TqrCont_Joint_Details_Inc : public Report::ReportPage
{
public:
    explicit TqrCont_Joint_Details_Inc(Tdm1 &dm);

    static const PageSpec &layout();
};
