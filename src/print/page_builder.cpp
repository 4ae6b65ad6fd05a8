#include "page_builder.h"

#include "data/tdm1.h"
#include "print/engine/db_text.h"
#include "print/engine/label.h"
#include "print/engine/report_page.h"
#include "print/engine/shape.h"

namespace {

using namespace Report;

std::unique_ptr<ReportItem> makeItem(const ItemSpec &spec, Tdm1 &dm)
{
    const QRectF geometry(spec.left, spec.top, spec.width, spec.height);
    std::unique_ptr<ReportItem> item;
    switch (spec.kind) {
    case ItemSpec::Kind::Caption:
    case ItemSpec::Kind::Field: {
        std::unique_ptr<TextItem> text;
        if (spec.kind == ItemSpec::Kind::Caption)
            text = std::make_unique<Label>(spec.text, geometry);
        else
            text = std::make_unique<DBText>(&(dm.*spec.table), spec.text, geometry);
        ReportFont font;
        font.pointSize = spec.style.size;
        font.bold = spec.style.bold;
        text->setFont(font);
        text->setColor(spec.style.color);
        text->setAlignment(spec.alignment);
        text->setAutoSize(spec.width <= 0);
        item = std::move(text);
        break;
    }
    case ItemSpec::Kind::HorizontalRule:
        item = std::make_unique<Shape>(Shape::Kind::HorizontalLine, geometry, spec.pen);
        break;
    case ItemSpec::Kind::VerticalRule:
        item = std::make_unique<Shape>(Shape::Kind::VerticalLine, geometry, spec.pen);
        break;
    case ItemSpec::Kind::Box:
        item = std::make_unique<Shape>(Shape::Kind::Rectangle, geometry, spec.pen);
        break;
    case ItemSpec::Kind::Bar: {
        auto shape = std::make_unique<Shape>(Shape::Kind::FilledRectangle, geometry, 0);
        shape->setBrushColor(spec.fill);
        item = std::move(shape);
        break;
    }
    }
    item->setName(spec.name);
    return item;
}

void fill(Band &band, const BandSpec &spec, Tdm1 &dm)
{
    if (spec.frame > 0)
        band.frame() = FrameLines::all(spec.frame);
    for (const ItemSpec &item : spec.items)
        band.addItem(makeItem(item, dm));
}

} // namespace

void buildPage(const PageSpec &spec, Tdm1 &dm, Report::ReportPage &page)
{
    if (spec.dataSet)
        page.setDataSet(&(dm.*spec.dataSet));
    const BandSpec *pendingHeader = nullptr;
    Band *lastSubDetail = nullptr;
    for (const BandSpec &bandSpec : spec.bands) {
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
            band.setDataSet(&(dm.*bandSpec.dataSet));
            band.setRepeatHeaderOnNewSheet(bandSpec.repeatHeaderOnNewSheet);
            if (pendingHeader)
                fill(band.addGroupHeader(pendingHeader->height), *pendingHeader, dm);
            pendingHeader = nullptr;
            lastSubDetail = &band;
        }
    }
}
