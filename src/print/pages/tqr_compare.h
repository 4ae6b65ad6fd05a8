#pragma once

#include "comparison/statement_comparison.h"
#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The comparison of two statements on one or two sheets: a header with the person and both
// dates, the balance sheet's categories and totals, then income, expenditures and the
// ratios with their formulas. Each figure is the earlier one, the later one, the change and
// the change in percent.
class TqrCompare : public Report::ReportPage
{
public:
    TqrCompare(Tdm1 &dm, const StatementComparison &comparison);

    static PageSpec layout(const StatementComparison &comparison);
};
