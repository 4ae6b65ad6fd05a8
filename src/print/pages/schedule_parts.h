#pragma once

#include <vector>

#include "print/page_spec.h"

// The schedules of the statement's detail pages: a page header on every sheet, the
// section line, and per schedule a group header with its title and column headings, a
// row band per row of its table and a footer with the FSPro totals. A schedule whose
// table is empty prints none of them.

struct ScheduleColumn
{
    const char *heading; // nullptr for a field whose heading the schedule places itself
    const char *field;
    double left;
    double width;
    Qt::Alignment alignment = Qt::AlignLeft;
    double top = 3;
    bool plainNumber = false; // a float that is not an amount (a percentage)
};

struct ScheduleTotal
{
    const char *field;
    double left;
    double width;
};

struct Schedule
{
    const char *title;
    TableRef table;
    double rowHeight;
    std::vector<ScheduleColumn> columns;
    const char *totalCaption;
    double totalLeft;
    std::vector<ScheduleTotal> totals;
    // Two-line rows: their headings on two lines, the second line's items, the separator.
    std::vector<ItemSpec> headings = {};
    std::vector<ItemSpec> rowItems = {};
    double separatorTop = 0; // 0: six pixels above the row's bottom
    // A title part printed beside the black title box, in 9 point bold.
    const char *subtitle = nullptr;
    double subtitleLeft = 0;
    double footerHeight = 25;
};

namespace ScheduleParts {
// "Financial Statement Details" in a 274-wide box at `left`.
BandSpec pageHeader(double left, Qt::Alignment alignment);
// The section line printed once: its title and, when given, its FSPro total.
BandSpec sectionBand(const char *title, double height, const char *totalField = nullptr, double totalLeft = 0,
                     double totalWidth = 0);
// Group header, row band and group footer of one schedule.
std::vector<BandSpec> scheduleBands(const Schedule &schedule);
// A column heading, 8 point bold.
ItemSpec heading(const char *text, double left, double top, double width = 0, Qt::Alignment alignment = Qt::AlignLeft);
// A caption on a two-line row, 8 point bold.
ItemSpec rowCaption(const char *text, double left, double top);

PageSpec page(BandSpec header, BandSpec section, const std::vector<Schedule> &schedules);

// The tops of the two heading lines of a two-line schedule.
inline constexpr double FirstHeadingLine = 26;
inline constexpr double SecondHeadingLine = 39;
} // namespace ScheduleParts
