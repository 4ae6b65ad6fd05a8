#include "page_builder.h"

#include "data/engine/field.h"
#include "data/tdm1.h"
#include "print/engine/db_text.h"
#include "print/engine/label.h"
#include "print/engine/report_page.h"
#include "print/engine/shape.h"

namespace {

using namespace Report;

// Amounts are the float and currency fields, apart from those holding plain numbers.
std::unique_ptr<TextItem> boundText(const ItemSpec &entry, Table &table, const QRectF &geometry)
{
    auto text = std::make_unique<DBText>(&table, entry.text, geometry);
    const FieldKind kind = table.FieldByName(entry.text).Kind();
    text->setAmount(!entry.plainNumber && (kind == FieldKind::Float || kind == FieldKind::Currency));
    return text;
}

std::unique_ptr<ReportItem> makeItem(const ItemSpec &entry, Tdm1 &dm)
{
    const QRectF geometry(entry.left, entry.top, entry.width, entry.height);
    std::unique_ptr<ReportItem> item;
    switch (entry.kind) {
    case ItemSpec::Kind::Caption:
    case ItemSpec::Kind::Field: {
        std::unique_ptr<TextItem> text;
        if (entry.kind == ItemSpec::Kind::Caption) {
            auto label = std::make_unique<Label>(entry.text, geometry);
            label->setAmount(entry.amount);
            text = std::move(label);
        } else
            text = boundText(entry, dm.*entry.table, geometry);
        ReportFont font;
        font.pointSize = entry.style.size;
        font.bold = entry.style.bold;
        text->setFont(font);
        text->setColor(entry.style.color);
        text->setAlignment(entry.alignment);
        text->setAutoSize(entry.width <= 0);
        if (entry.rowHeight > 0)
            text->setRow(entry.rowTop, entry.rowHeight);
        item = std::move(text);
        break;
    }
    case ItemSpec::Kind::HorizontalRule:
        item = std::make_unique<Shape>(Shape::Kind::HorizontalLine, geometry, entry.pen);
        break;
    case ItemSpec::Kind::VerticalRule:
        item = std::make_unique<Shape>(Shape::Kind::VerticalLine, geometry, entry.pen);
        break;
    case ItemSpec::Kind::Box:
        item = std::make_unique<Shape>(Shape::Kind::Rectangle, geometry, entry.pen);
        break;
    case ItemSpec::Kind::Bar: {
        auto shape = std::make_unique<Shape>(Shape::Kind::FilledRectangle, geometry, 0);
        shape->setBrushColor(entry.fill);
        item = std::move(shape);
        break;
    }
    }
    item->setName(entry.name);
    return item;
}

void fill(Band &band, const BandSpec &entry, Tdm1 &dm)
{
    if (entry.frame > 0)
        band.frame() = FrameLines::all(entry.frame);
    for (const ItemSpec &item : entry.items)
        band.addItem(makeItem(item, dm));
}

} // namespace

void buildPage(const PageSpec &table, Tdm1 &dm, Report::ReportPage &page)
{
    if (table.dataSet)
        page.setDataSet(&(dm.*table.dataSet));
    const BandSpec *pendingHeader = nullptr;
    Band *lastSubDetail = nullptr;
    for (const BandSpec &bandSpec : table.bands) {
        switch (bandSpec.kind) {
        case BandKind::GroupHeader:
            pendingHeader = &bandSpec;
            continue;
        case BandKind::GroupFooter:
            Q_ASSERT(lastSubDetail);
            if (lastSubDetail)
                fill(lastSubDetail->addGroupFooter(bandSpec.height), bandSpec, dm);
            continue;
        default:
            break;
        }
        Band &band = page.addBand(bandSpec.kind, bandSpec.height);
        fill(band, bandSpec, dm);
        if (bandSpec.kind == BandKind::SubDetail) {
            // Without a data set the group header is a block printed once, kept whole on a sheet.
            if (bandSpec.dataSet)
                band.setDataSet(&(dm.*bandSpec.dataSet));
            else
                band.setPrintIfEmpty(true);
            band.setRepeatHeaderOnNewSheet(bandSpec.repeatHeaderOnNewSheet);
            if (pendingHeader)
                fill(band.addGroupHeader(pendingHeader->height), *pendingHeader, dm);
            pendingHeader = nullptr;
            lastSubDetail = &band;
        }
    }
}
