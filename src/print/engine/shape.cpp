#include "shape.h"

#include "document.h"

namespace Report {

Shape::Shape(Kind kind, const QRectF &geometry, double penWidth, const QColor &penColor)
    : ReportItem(geometry), m_kind(kind), m_penWidth(penWidth), m_penColor(penColor)
{
}

double Shape::layoutEnabled(const ItemContext &context, DocumentPage &page) const
{
    const QRectF rect = geometry().translated(context.origin);
    BoxPrimitive box;
    switch (m_kind) {
    case Kind::HorizontalLine:
        box.rect = QRectF(rect.left(), rect.top(), rect.width(), m_penWidth);
        box.fill = m_penColor;
        break;
    case Kind::VerticalLine:
        box.rect = QRectF(rect.left(), rect.top(), m_penWidth, rect.height());
        box.fill = m_penColor;
        break;
    case Kind::Rectangle:
        box.rect = rect;
        box.stroke = m_penColor;
        box.strokeWidth = m_penWidth;
        break;
    case Kind::FilledRectangle:
        box.rect = rect;
        box.fill = m_brushColor;
        if (m_penWidth > 0) {
            box.stroke = m_penColor;
            box.strokeWidth = m_penWidth;
        }
        break;
    }
    page.primitives.emplace_back(box);
    return 0;
}

} // namespace Report
