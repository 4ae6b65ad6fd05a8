#include "tqr_compare.h"

#include "comparison_texts.h"
#include "print/engine/money.h"
#include "print/page_builder.h"

namespace {

constexpr double RowHeight = 16;
constexpr double HeadingHeight = 20;
constexpr double CaptionLeft = 6;
constexpr double AmountWidth = 104;
// Right edges of the four figure columns: earlier, later, change, percent.
constexpr double ColumnLefts[] = {300, 410, 520, 630};
constexpr double PercentWidth = 84;

double columnWidth(int column)
{
    return column == 3 ? PercentWidth : AmountWidth;
}

void heading(std::vector<ItemSpec> &items, double &top, const QString &title, const QStringList &columns)
{
    items.push_back(bar(0, top, BandWidth, HeadingHeight - 2, HeadingGrey));
    items.push_back(caption(title, CaptionLeft, top + 3, 0, Qt::AlignLeft, bold(9)));
    for (int c = 0; c < columns.size(); ++c)
        items.push_back(caption(columns[c], ColumnLefts[c], top + 4, columnWidth(c), Qt::AlignRight, bold(8)));
    top += HeadingHeight;
}

void figures(std::vector<ItemSpec> &items, double &top, const ComparedGroup &group, const QStringList &columns)
{
    heading(items, top, group.caption, columns);
    for (const ComparedFigure &f : group.figures) {
        const TextStyle style = f.total ? bold(8) : regular(8);
        if (f.total)
            items.push_back(hrule(0, top, BandWidth));
        items.push_back(caption(f.caption, CaptionLeft, top + 2, 0, Qt::AlignLeft, style));
        const QString texts[] = {Report::printedMoney(f.earlier), Report::printedMoney(f.later),
                                 ComparisonTexts::printedChange(f.change),
                                 ComparisonTexts::percent(f.percent)};
        for (int c = 0; c < 4; ++c)
            items.push_back(caption(texts[c], ColumnLefts[c], top + 2, columnWidth(c), Qt::AlignRight, style));
        top += RowHeight;
    }
    top += 8;
}

QStringList columnTitles(const StatementComparison &comparison)
{
    return {comparison.earlier.label, comparison.later.label, QStringLiteral("Change"), QStringLiteral("Change %")};
}

} // namespace

TqrCompare::TqrCompare(Tdm1 &dm, const StatementComparison &comparison)
    : Report::ReportPage(QStringLiteral("TqrCompare"))
{
    buildPage(layout(comparison), dm, *this);
}

PageSpec TqrCompare::layout(const StatementComparison &comparison)
{
    const QStringList columns = columnTitles(comparison);

    std::vector<ItemSpec> header = {
        caption(QStringLiteral("Comparison of Financial Statements"), 0, 0, BandWidth, Qt::AlignHCenter, bold(14)),
        caption(ComparisonTexts::holders(comparison.later), 0, 26, BandWidth, Qt::AlignHCenter, bold(10)),
        caption(QStringLiteral("Statement of %1 compared with the statement of %2")
                    .arg(comparison.later.label, comparison.earlier.label),
                0, 44, BandWidth, Qt::AlignHCenter, regular(8)),
        hrule(0, 62, BandWidth, 2)};

    std::vector<ItemSpec> balance;
    double top = 4;
    for (size_t g = 0; g < 2 && g < comparison.groups.size(); ++g)
        figures(balance, top, comparison.groups[g], columns);
    const double balanceHeight = top;

    std::vector<ItemSpec> income;
    top = 4;
    for (size_t g = 2; g < comparison.groups.size(); ++g)
        figures(income, top, comparison.groups[g], columns);
    heading(income, top, QStringLiteral("Ratios"), {columns[0], columns[1]});
    for (const ComparedRatio &r : comparison.ratios) {
        income.push_back(caption(r.caption, CaptionLeft, top + 2, 0, Qt::AlignLeft, bold(8)));
        income.push_back(caption(r.formula, CaptionLeft + 10, top + 16, 0, Qt::AlignLeft, regular(7)));
        income.push_back(caption(ComparisonTexts::ratio(r, r.earlier), ColumnLefts[0], top + 2, AmountWidth,
                                 Qt::AlignRight, regular(8)));
        income.push_back(caption(ComparisonTexts::ratio(r, r.later), ColumnLefts[1], top + 2, AmountWidth,
                                 Qt::AlignRight, regular(8)));
        top += 2 * RowHeight + 6;
    }
    income.push_back(caption(QStringLiteral("n/a: the divisor is zero or negative, or the earlier figure is zero."),
                             CaptionLeft, top + 4, 0, Qt::AlignLeft, regular(7)));
    top += RowHeight + 8;

    return PageSpec{{{Report::BandKind::PageHeader, 70, 0, header},
                     {Report::BandKind::Title, balanceHeight, 0, balance},
                     {Report::BandKind::Summary, top, 0, income}}};
}
