#pragma once

#include <QColor>

#include "report_font.h"
#include "report_item.h"

namespace Report {

// What labels and bound texts share: font, alignment, auto-size, word wrap and colour.
// Its geometry's height may be 0 for one line of its font. An auto-sized text takes the
// width of what it prints and keeps the edge its alignment names: a right-justified text
// still ends at left + width. A text of fixed width is cut at its edges.
class TextItem : public ReportItem
{
public:
    explicit TextItem(const QRectF &geometry);

    ReportFont font() const { return m_font; }
    void setFont(const ReportFont &font) { m_font = font; }
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment) { m_alignment = alignment; }
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap) { m_wordWrap = wordWrap; }
    QColor color() const { return m_color; }
    void setColor(const QColor &color) { m_color = color; }

    // The text as it prints in this context; an empty text prints nothing.
    virtual QString printedText(const ItemContext &context) const = 0;

protected:
    void layoutEnabled(const ItemContext &context, DocumentPage &page) const override;

private:
    ReportFont m_font;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    QColor m_color = Qt::black;
};

} // namespace Report
