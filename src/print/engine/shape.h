#pragma once

#include <QColor>

#include "report_item.h"

namespace Report {

// A rule or a box. A horizontal line is pen-width high from its top, a vertical line
// pen-width wide from its left; a rectangle is outlined inside its edges; a filled
// rectangle is painted in its brush colour (and outlined when its pen width is above 0).
class Shape : public ReportItem
{
public:
    enum class Kind { HorizontalLine, VerticalLine, Rectangle, FilledRectangle };

    Shape(Kind kind, const QRectF &geometry, double penWidth = 1, const QColor &penColor = Qt::black);

    Kind kind() const { return m_kind; }
    double penWidth() const { return m_penWidth; }
    QColor penColor() const { return m_penColor; }
    QColor brushColor() const { return m_brushColor; }
    void setBrushColor(const QColor &color) { m_brushColor = color; }

protected:
    double layoutEnabled(const ItemContext &context, DocumentPage &page) const override;

private:
    Kind m_kind;
    double m_penWidth;
    QColor m_penColor;
    QColor m_brushColor = Qt::black;
};

} // namespace Report
