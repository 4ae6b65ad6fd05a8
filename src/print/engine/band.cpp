#include "band.h"

#include "document.h"

namespace Report {

FrameLines FrameLines::all(double width)
{
    FrameLines frame;
    frame.top = frame.bottom = frame.left = frame.right = true;
    frame.width = width;
    return frame;
}

Band::Band(BandKind kind, double height) : m_kind(kind), m_height(height) {}

Band::~Band() = default;

ReportItem &Band::addItem(std::unique_ptr<ReportItem> item)
{
    m_items.push_back(std::move(item));
    return *m_items.back();
}

ReportItem *Band::item(const QString &name) const
{
    for (const auto &item : m_items)
        if (item->name() == name)
            return item.get();
    for (const Band *group : {m_groupHeader.get(), m_groupFooter.get()})
        if (group)
            if (ReportItem *found = group->item(name))
                return found;
    return nullptr;
}

Band &Band::addGroupHeader(double height)
{
    m_groupHeader = std::make_unique<Band>(BandKind::GroupHeader, height);
    return *m_groupHeader;
}

Band &Band::addGroupFooter(double height)
{
    m_groupFooter = std::make_unique<Band>(BandKind::GroupFooter, height);
    return *m_groupFooter;
}

void Band::layout(const ItemContext &context, double width, DocumentPage &page) const
{
    for (const auto &item : m_items)
        item->layout(context, page);
    if (!m_frame.any())
        return;
    const QPointF o = context.origin;
    const double w = m_frame.width;
    auto rule = [&](double x, double y, double rw, double rh) {
        BoxPrimitive box;
        box.rect = QRectF(x, y, rw, rh);
        box.fill = m_frame.color;
        page.primitives.emplace_back(box);
    };
    // Drawn over the items, as a frame is.
    if (m_frame.top)
        rule(o.x(), o.y(), width, w);
    if (m_frame.bottom)
        rule(o.x(), o.y() + m_height - w, width, w);
    if (m_frame.left)
        rule(o.x(), o.y(), w, m_height);
    if (m_frame.right)
        rule(o.x() + width - w, o.y(), w, m_height);
}

} // namespace Report
