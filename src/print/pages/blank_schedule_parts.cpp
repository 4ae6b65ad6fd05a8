#include "blank_schedule_parts.h"

#include <algorithm>

#include "print/engine/text_metrics.h"

namespace BlankScheduleParts {

namespace {

constexpr double HeaderHeight = 53;
constexpr double DetailHeight = 907;
constexpr double LinePitch = 20;
constexpr double GreyHeight = 28;

// Where the first and the second schedule of a sheet stand.
struct Slot
{
    double barTop;
    double greyTop;
    double firstLine;
};
constexpr Slot Slots[] = {{27, 46, 86}, {463, 482, 539}};

// A title starts at 8, or as far left as it must to stay whole on its bar.
double titleLeft(const BlankSchedule &s)
{
    Report::ReportFont font;
    font.pointSize = s.titleSize;
    font.bold = true;
    const double width = Report::TextMetrics::width(QString::fromLatin1(s.title), font);
    return std::clamp(BandWidth - 1 - width, 1.0, 8.0);
}

std::vector<ItemSpec> schedule(const BlankSchedule &s, const Slot &slot)
{
    std::vector<ItemSpec> items = {
        bar(0, slot.barTop, BandWidth, slot.greyTop - slot.barTop),
        caption(s.title, titleLeft(s), slot.barTop, 0, Qt::AlignLeft, whiteBold(s.titleSize)),
        bar(0, slot.greyTop, BandWidth, GreyHeight, HeadingGrey),
        hrule(0, slot.greyTop, BandWidth, 2),
    };
    bool twoLines = false;
    for (const BlankHeading &h : s.headings)
        twoLines = twoLines || h.secondLine;
    const double upper = slot.greyTop + 3, lower = slot.greyTop + 15, single = twoLines ? lower : slot.greyTop + 8;
    for (const BlankHeading &h : s.headings) {
        items.push_back(caption(h.text, h.left, h.secondLine ? upper : single, h.width, h.alignment, bold(8)));
        if (h.secondLine)
            items.push_back(caption(h.secondLine, h.left, lower, h.width, h.alignment, bold(8)));
    }
    for (int i = 0; i < WritingLines; ++i)
        items.push_back(hrule(0, slot.firstLine + LinePitch * i, BandWidth));
    const double lastLine = slot.firstLine + LinePitch * (WritingLines - 1);
    items.push_back(hrule(s.totalLeft, lastLine + 6, BandWidth - s.totalLeft));
    items.push_back(caption(s.totalCaption, s.totalLeft, lastLine + 9, 0, Qt::AlignLeft, bold(10)));
    items.push_back(hrule(0, lastLine + 28, BandWidth, 2));
    return items;
}

} // namespace

PageSpec page(const BlankSchedulePage &sheet)
{
    BandSpec header{Report::BandKind::PageHeader,
                    HeaderHeight,
                    0,
                    {caption("Financial Statement Details", 444, 22, 274, Qt::AlignHCenter, bold(16)),
                     hrule(0, 48, BandWidth)}};
    BandSpec detail{Report::BandKind::Detail,
                    DetailHeight,
                    0,
                    {caption(sheet.section, sheet.sectionLeft, 3, 0, Qt::AlignLeft, bold(sheet.sectionSize))}};
    for (size_t i = 0; i < sheet.schedules.size() && i < std::size(Slots); ++i)
        detail.items << schedule(sheet.schedules[i], Slots[i]);
    return PageSpec{{header, detail}};
}

} // namespace BlankScheduleParts
