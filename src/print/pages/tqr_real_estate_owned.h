#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

struct StatementProperties;

// The schedule of real estate owned: every property of the current statement in the grid's
// order, two lines each, its liens under it, each property kept whole on a sheet, and the
// totals of the statement's real estate. The column headings head every sheet.
class TqrRealEstateOwned : public Report::ReportPage
{
public:
    explicit TqrRealEstateOwned(Tdm1 &dm);

    // The layout table of the statement's properties, with the totals of its FSPro row.
    static PageSpec layout(const StatementProperties &properties, Tdm1 &dm);
    // Whether the current statement has a property to list.
    static bool hasProperties(Tdm1 &dm);
};
