#include "schedule_parts.h"

#include "data/tdm1.h"
#include "print/engine/text_metrics.h"

namespace ScheduleParts {

namespace {

constexpr double HeaderHeight = 45;
constexpr double TwoLineHeaderHeight = 59;
constexpr double TitleTop = 3;
constexpr double GreyTop = 20;

// The black box fits its title.
double titleBoxWidth(const char *title)
{
    Report::ReportFont font;
    font.pointSize = 12;
    font.bold = true;
    return std::ceil(Report::TextMetrics::width(QString::fromLatin1(title), font)) + 6;
}

} // namespace

BandSpec pageHeader(double left, Qt::Alignment alignment)
{
    return {Report::BandKind::PageHeader, 40, 0, {caption("Financial Statement Details", left, 8, 274, alignment, bold(16))}};
}

BandSpec sectionBand(const char *title, double height, const char *totalField, double totalLeft, double totalWidth)
{
    BandSpec band{Report::BandKind::Detail, height, 0, {caption(title, 8, 3, 0, Qt::AlignLeft, bold(12))}};
    if (totalField)
        band.items.push_back(field(&Tdm1::tblFSPro, totalField, totalLeft, 3, totalWidth, Qt::AlignRight, bold(12)));
    return band;
}

ItemSpec heading(const char *text, double left, double top, double width, Qt::Alignment alignment)
{
    return caption(text, left, top, width, alignment, bold(8));
}

ItemSpec rowCaption(const char *text, double left, double top)
{
    return caption(text, left, top, 0, Qt::AlignLeft, bold(8));
}

std::vector<BandSpec> scheduleBands(const Schedule &schedule)
{
    const bool twoLines = !schedule.headings.empty();
    const double headerHeight = twoLines ? TwoLineHeaderHeight : HeaderHeight;

    BandSpec header{Report::BandKind::GroupHeader, headerHeight, 0, {}};
    header.items = {bar(0, GreyTop, BandWidth, headerHeight - GreyTop, HeadingGrey),
                    bar(8, TitleTop, titleBoxWidth(schedule.title), 18),
                    caption(schedule.title, 11, TitleTop, 0, Qt::AlignLeft, whiteBold(12))};
    if (schedule.subtitle)
        header.items.push_back(caption(schedule.subtitle, schedule.subtitleLeft, TitleTop + 3, 0, Qt::AlignLeft, bold(9)));
    if (twoLines)
        header.items << schedule.headings;
    for (const ScheduleColumn &column : schedule.columns)
        if (column.heading)
            // A left-justified heading may be wider than its column; the others keep its edge.
            header.items.push_back(heading(column.heading, column.left, FirstHeadingLine,
                                           column.alignment == Qt::AlignLeft ? 0 : column.width, column.alignment));
    header.items.push_back(hrule(0, headerHeight - 1, BandWidth));

    BandSpec rows{Report::BandKind::SubDetail, schedule.rowHeight, 0, {}};
    rows.dataSet = schedule.table;
    rows.repeatHeaderOnNewSheet = true;
    for (const ScheduleColumn &column : schedule.columns) {
        const ItemSpec item = field(schedule.table, column.field, column.left, column.top, column.width, column.alignment);
        rows.items.push_back(column.plainNumber ? item.asPlainNumber() : item);
    }
    rows.items << schedule.rowItems;
    const double separator = schedule.separatorTop > 0 ? schedule.separatorTop : schedule.rowHeight - 6;
    rows.items.push_back(hrule(8, separator, 705));

    BandSpec footer{Report::BandKind::GroupFooter, schedule.footerHeight, 0,
                    {caption(schedule.totalCaption, schedule.totalLeft, 3, 0, Qt::AlignLeft, bold(10))}};
    for (const ScheduleTotal &total : schedule.totals)
        footer.items.push_back(field(&Tdm1::tblFSPro, total.field, total.left, 3, total.width, Qt::AlignRight, bold(10)));
    return {header, rows, footer};
}

PageSpec page(BandSpec header, BandSpec section, const std::vector<Schedule> &schedules)
{
    PageSpec table{{std::move(header), std::move(section)}};
    for (const Schedule &schedule : schedules)
        for (BandSpec &band : scheduleBands(schedule))
            table.bands.push_back(std::move(band));
    return table;
}

} // namespace ScheduleParts
