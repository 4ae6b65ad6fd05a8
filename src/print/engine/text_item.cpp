#include "text_item.h"

#include "document.h"
#include "text_metrics.h"

namespace Report {

TextItem::TextItem(const QRectF &geometry) : ReportItem(geometry) {}

void TextItem::layoutEnabled(const ItemContext &context, DocumentPage &page) const
{
    const QString text = printedText(context);
    if (text.isEmpty())
        return;
    QRectF rect = geometry().translated(context.origin);
    if (rect.height() <= 0)
        rect.setHeight(TextMetrics::lineHeight(m_font));
    const double width = m_wordWrap ? 0 : TextMetrics::width(text, m_font);
    if (m_autoSize && !m_wordWrap) {
        if (m_alignment & Qt::AlignRight)
            rect.setLeft(rect.right() - width);
        else if (m_alignment & Qt::AlignHCenter)
            rect = QRectF(rect.center().x() - width / 2, rect.top(), width, rect.height());
        else
            rect.setWidth(width);
    }
    TextPrimitive primitive;
    primitive.rect = rect;
    primitive.text = text;
    primitive.font = m_font;
    primitive.alignment = m_alignment & Qt::AlignHorizontal_Mask;
    primitive.color = m_color;
    primitive.wordWrap = m_wordWrap;
    // Only a text wider than its fixed box is cut, so the others need no clipping.
    primitive.clip = !m_autoSize && (m_wordWrap || width > rect.width() + 0.25);
    page.primitives.emplace_back(std::move(primitive));
}

} // namespace Report
