#pragma once

#include <vector>

#include "print/page_spec.h"

// The blank form's schedule sheets: one sheet each, a page header, the section title and
// one or two schedules, each a title bar, a grey heading bar, fifteen writing lines, a
// short rule with the total caption and a closing rule.

struct BlankHeading
{
    const char *text;
    const char *secondLine; // the lower line of a two-line heading, or nullptr
    double left;
    double width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct BlankSchedule
{
    const char *title;
    std::vector<BlankHeading> headings;
    const char *totalCaption;
    double totalLeft;
    double titleSize = 12;
};

struct BlankSchedulePage
{
    const char *section;
    std::vector<BlankSchedule> schedules;
    double sectionLeft = 7;
    double sectionSize = 12;
};

namespace BlankScheduleParts {
PageSpec page(const BlankSchedulePage &sheet);
inline constexpr int WritingLines = 15;
} // namespace BlankScheduleParts
