#include "report_layout.h"

#include <variant>

#include "data/engine/table.h"

namespace Report {

namespace {

constexpr int RowsPerRead = 256;
// Positions are whole pixels or halves; this absorbs rounding in sums of heights.
constexpr double Slack = 0.01;

} // namespace

ReportLayout::ReportLayout(Document &document) : m_document(document) {}

std::vector<TableRow> ReportLayout::readAllRows(Table &table)
{
    std::vector<TableRow> rows;
    std::optional<RowKey> after;
    for (;;) {
        std::vector<TableRow> chunk = table.readRows(after, RowsPerRead);
        if (chunk.empty())
            break;
        after = table.keyOf(chunk.back());
        const bool more = int(chunk.size()) == RowsPerRead;
        rows.insert(rows.end(), std::make_move_iterator(chunk.begin()), std::make_move_iterator(chunk.end()));
        if (!more)
            break;
    }
    return rows;
}

void ReportLayout::addPage(ReportPage &page)
{
    Table *dataSet = page.dataSet();
    if (dataSet)
        dataSet->First();
    bool print = true;
    if (page.beforePrint())
        page.beforePrint()(page, print);
    if (!print)
        return;
    std::vector<TableRow> rows;
    if (dataSet) {
        rows = readAllRows(*dataSet);
        if (rows.empty() && !page.options().printIfEmpty)
            return;
    }

    m_page = &page;
    m_rows.clear();
    startSheet(true);
    if (const Band *title = page.band(BandKind::Title))
        place(*title);
    const Band *detail = page.band(BandKind::Detail);
    const std::vector<Band *> subDetails = page.subDetails();
    auto printDetail = [&] {
        if (detail)
            place(*detail);
        for (const Band *sub : subDetails)
            placeSubDetail(*sub);
    };
    if (dataSet) {
        for (const TableRow &row : rows) {
            m_rows.assign(1, BoundRow{dataSet, &row});
            printDetail();
        }
        m_rows.clear();
    } else {
        printDetail();
    }
    if (const Band *summary = page.band(BandKind::Summary))
        place(*summary);
    finishSheet(true);
    m_page = nullptr;
    m_sheet = nullptr;
}

void ReportLayout::startSheet(bool firstOfPage)
{
    m_document.pages.push_back(DocumentPage{m_page->name(), {}});
    m_sheet = &m_document.pages.back();
    m_y = 0;
    m_sheetHasBody = false;
    const Band *header = m_page->band(BandKind::PageHeader);
    if (header && (!firstOfPage || m_page->options().firstPageHeader)) {
        const QMarginsF margins = m_page->marginsPixels();
        m_y = header->layout({QPointF(margins.left(), margins.top()), m_rows}, m_page->printableSizePixels().width(),
                             *m_sheet);
    }
}

void ReportLayout::finishSheet(bool lastOfPage)
{
    const Band *footer = m_page->band(BandKind::PageFooter);
    if (!footer || (lastOfPage && !m_page->options().lastPageFooter))
        return;
    const QMarginsF margins = m_page->marginsPixels();
    const QSizeF printable = m_page->printableSizePixels();
    footer->layout({QPointF(margins.left(), margins.top() + printable.height() - footer->height()), m_rows},
                   printable.width(), *m_sheet);
}

double ReportLayout::bodyBottom() const
{
    double bottom = m_page->printableSizePixels().height();
    if (const Band *footer = m_page->band(BandKind::PageFooter))
        bottom -= footer->height();
    return bottom;
}

bool ReportLayout::fits(double height) const
{
    return m_y + height <= bodyBottom() + Slack;
}

void ReportLayout::makeRoom(double height)
{
    if (fits(height) || !m_sheetHasBody)
        return;
    nextSheet();
}

void ReportLayout::nextSheet()
{
    finishSheet(false);
    startSheet(false);
    if (m_openSubDetail && m_openSubDetail->repeatHeaderOnNewSheet())
        if (const Band *header = m_openSubDetail->groupHeader())
            place(*header);
}

void ReportLayout::place(const Band &band)
{
    makeRoom(band.height());
    const QMarginsF margins = m_page->marginsPixels();
    const size_t first = m_sheet->primitives.size();
    double height = band.layout({QPointF(margins.left(), margins.top() + m_y), m_rows},
                                m_page->printableSizePixels().width(), *m_sheet);
    // A band that grew past the sheet goes on: whole on the next sheet when it fits one,
    // else cut between its lines over as many sheets as it needs.
    if (height > band.height() + Slack && !fits(height))
        height = carryOver(first, height);
    m_y += height;
    m_sheetHasBody = true;
}

namespace {

double topOf(const Primitive &primitive)
{
    return std::visit([](const auto &p) { return p.rect.top(); }, primitive);
}

double bottomOf(const Primitive &primitive)
{
    return std::visit([](const auto &p) { return p.rect.bottom(); }, primitive);
}

void translate(std::vector<Primitive> &primitives, double dy)
{
    for (Primitive &primitive : primitives)
        std::visit([dy](auto &p) { p.rect.translate(0, dy); }, primitive);
}

// The lowest place at or above `limit` that cuts through no text.
double cutAbove(const std::vector<Primitive> &primitives, double limit)
{
    double cut = limit;
    for (bool moved = true; moved;) {
        moved = false;
        for (const Primitive &primitive : primitives)
            if (std::holds_alternative<TextPrimitive>(primitive) && topOf(primitive) < cut - Slack
                && bottomOf(primitive) > cut + Slack) {
                cut = topOf(primitive);
                moved = true;
            }
    }
    return cut;
}

// A band whose foot below its last text is blank but for rules gives up to `overflow` of
// that foot, rather than send an empty strip of frame to a sheet of its own. Answers how
// much it gave.
double squeezeBlankFoot(std::vector<Primitive> &band, double overflow, double bandBottom)
{
    double lastText = -1;
    for (const Primitive &primitive : band)
        if (std::holds_alternative<TextPrimitive>(primitive))
            lastText = std::max(lastText, bottomOf(primitive));
    if (lastText < 0)
        return 0;
    const double squeeze = std::min(overflow, std::max(0.0, bandBottom - lastText - 2));
    if (squeeze <= Slack)
        return 0;
    for (Primitive &primitive : band)
        if (auto *box = std::get_if<BoxPrimitive>(&primitive)) {
            const double boxTop = box->rect.top();
            const double boxBottom = box->rect.bottom();
            if (boxTop > lastText)
                box->rect.moveTop(std::max(lastText, boxTop - squeeze));
            else if (boxBottom > lastText)
                box->rect.setBottom(std::max(lastText, boxBottom - squeeze));
        }
    return squeeze;
}

} // namespace

double ReportLayout::carryOver(size_t first, double height)
{
    const QMarginsF margins = m_page->marginsPixels();
    std::vector<Primitive> band(std::make_move_iterator(m_sheet->primitives.begin() + qsizetype(first)),
                                std::make_move_iterator(m_sheet->primitives.end()));
    m_sheet->primitives.erase(m_sheet->primitives.begin() + qsizetype(first), m_sheet->primitives.end());
    double top = margins.top() + m_y;

    auto moveToNextSheet = [&](std::vector<Primitive> &primitives, double from) {
        nextSheet();
        const double newTop = margins.top() + m_y;
        translate(primitives, newTop - from);
        top = newTop;
    };

    const double freshSheetRoom = bodyBottom() - (m_page->band(BandKind::PageHeader) ? m_page->band(BandKind::PageHeader)->height() : 0);
    if (m_sheetHasBody && height <= freshSheetRoom + Slack) {
        moveToNextSheet(band, top);
        m_sheet->primitives.insert(m_sheet->primitives.end(), band.begin(), band.end());
        return height;
    }

    for (;;) {
        const double bottom = margins.top() + bodyBottom();
        if (top + height > bottom + Slack)
            height -= squeezeBlankFoot(band, top + height - bottom, top + height);
        // A sheet with no room below its header cannot take any of it: place it and go on.
        if (top + height <= bottom + Slack || bottom <= top + Slack) {
            m_sheet->primitives.insert(m_sheet->primitives.end(), band.begin(), band.end());
            return height;
        }
        double cut = cutAbove(band, bottom);
        if (cut <= top + Slack)
            cut = bottom; // a single line taller than the sheet's room: nothing better to do
        std::vector<Primitive> rest;
        for (Primitive &primitive : band) {
            if (topOf(primitive) >= cut - Slack) {
                rest.push_back(std::move(primitive));
                continue;
            }
            if (bottomOf(primitive) > cut + Slack) {
                // A rule or box across the cut goes on below it.
                auto *box = std::get_if<BoxPrimitive>(&primitive);
                if (box) {
                    BoxPrimitive below = *box;
                    below.rect.setTop(cut);
                    box->rect.setBottom(cut);
                    rest.emplace_back(below);
                }
            }
            m_sheet->primitives.push_back(std::move(primitive));
        }
        height -= cut - top;
        band = std::move(rest);
        moveToNextSheet(band, cut);
    }
}

void ReportLayout::placeSubDetail(const Band &subDetail)
{
    const Band *header = subDetail.groupHeader();
    const Band *footer = subDetail.groupFooter();
    const double headerHeight = header ? header->height() : 0;
    const double footerHeight = footer ? footer->height() : 0;

    std::vector<TableRow> rows;
    if (Table *table = subDetail.dataSet())
        rows = readAllRows(*table);
    if (rows.empty()) {
        if (!subDetail.printIfEmpty())
            return;
        makeRoom(headerHeight + footerHeight);
        if (header)
            place(*header);
        if (footer)
            place(*footer);
        return;
    }

    for (size_t i = 0; i < rows.size(); ++i) {
        const bool first = i == 0;
        const bool last = i + 1 == rows.size();
        // The heading stays with the first row and the footer with the last.
        makeRoom((first ? headerHeight : 0) + subDetail.height() + (last ? footerHeight : 0));
        if (first && header)
            place(*header);
        m_openSubDetail = &subDetail;
        m_rows.push_back(BoundRow{subDetail.dataSet(), &rows[i]});
        place(subDetail);
        m_rows.pop_back();
        if (last && footer) {
            m_openSubDetail = nullptr;
            place(*footer);
        }
    }
    m_openSubDetail = nullptr;
}

} // namespace Report
