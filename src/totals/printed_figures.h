#pragma once

#include <vector>

// Every figure of the totals row that a printed statement shows, with the caption it is
// printed under: the summary page's, group by group in its order, then the totals that
// only the schedules print.
struct PrintedFigure
{
    const char *caption;
    const char *field;
    bool total = false;    // a total line rather than a category
    bool compared = true;  // one of the lines two statements are compared by
};

struct PrintedFigureGroup
{
    const char *caption;
    std::vector<PrintedFigure> figures;
};

const std::vector<PrintedFigureGroup> &printedFigures();
