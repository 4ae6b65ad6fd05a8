#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The asset schedules A to H of the printed statement, after the Section 4 sheet of both the
// personal and the joint run; every row of each detail table, totals from FSPro.
class TqrCont_Joint_Details : public Report::ReportPage
{
public:
    explicit TqrCont_Joint_Details(Tdm1 &dm);

    static const PageSpec &layout();
};
