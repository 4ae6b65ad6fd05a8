#pragma once

#include <vector>

// Every figure of the totals row that a printed statement shows, with the caption it is
// printed under: the summary page's, group by group in its order, then the totals that
// only the schedules print. The summary page is laid out from this list, and the
// comparison and the readiness check read it, so a figure is named in one place.
struct PrintedFigure
{
    static constexpr int NotOnSummary = -1;

    const char *caption;
    const char *field;
    bool total = false;    // a total line rather than a category
    bool compared = true;  // one of the lines two statements are compared by
    // The row of its group's column on the summary page, counted from the table's first
    // row; the income table's last row is its totals row.
    int summaryRow = NotOnSummary;
    // The summary's own caption where it prints a shorter one beside a schedule reference.
    const char *summaryCaption = nullptr;
};

struct PrintedFigureGroup
{
    const char *caption;
    std::vector<PrintedFigure> figures;
};

const std::vector<PrintedFigureGroup> &printedFigures();

// The group of that caption ("Assets", "Annual Expenditures"); it must exist.
const PrintedFigureGroup &printedFigureGroup(const char *caption);
