#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The liability schedules I to O of the printed statement; every row of each detail
// table, totals from FSPro.
class TqrCont_Joint_Details_L : public Report::ReportPage
{
public:
    explicit TqrCont_Joint_Details_L(Tdm1 &dm);

    static const PageSpec &layout();
};
