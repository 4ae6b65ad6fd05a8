#include "canvas.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextOption>

namespace Report {

void Canvas::preparePage(const Document &document, QPagedPaintDevice &device)
{
    const double inch = Document::PixelsPerInch;
    const QPageSize paper(document.pageSize / inch, QPageSize::Inch);
    const QMarginsF margins = document.margins / inch * 72.0;
    QPageLayout layout(paper, QPageLayout::Portrait, margins, QPageLayout::Point);
    if (document.pageSize.width() > document.pageSize.height())
        layout = QPageLayout(QPageSize(document.pageSize.transposed() / inch, QPageSize::Inch),
                             QPageLayout::Landscape, margins, QPageLayout::Point);
    // The document's coordinates start at the paper's corner.
    layout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(layout);
}

Canvas::Canvas(QPainter &painter) : m_painter(painter)
{
    const QPaintDevice *device = painter.device();
    m_scaleX = device->logicalDpiX() / Document::PixelsPerInch;
    m_scaleY = device->logicalDpiY() / Document::PixelsPerInch;
    preparePrintFonts();
}

void Canvas::paintPage(const DocumentPage &page)
{
    for (const Primitive &primitive : page.primitives)
        std::visit([this](const auto &p) { paint(p); }, primitive);
}

QRectF Canvas::toDevice(const QRectF &rect) const
{
    return {rect.x() * m_scaleX, rect.y() * m_scaleY, rect.width() * m_scaleX, rect.height() * m_scaleY};
}

void Canvas::paint(const TextPrimitive &text)
{
    if (!m_currentFontValid || !(text.font == m_currentFont)) {
        m_painter.setFont(text.font.toQFont());
        m_currentFont = text.font;
        m_currentFontValid = true;
    }
    m_painter.setPen(text.color);
    // Design metrics: glyph advances are not rounded to device pixels, so a text takes the
    // same width at 96 dpi as on a printer.
    QTextOption option(text.alignment | Qt::AlignTop);
    option.setUseDesignMetrics(true);
    option.setWrapMode(text.wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    const QRectF rect = toDevice(text.rect);
    if (text.clip) {
        m_painter.save();
        m_painter.setClipRect(rect, Qt::IntersectClip);
        m_painter.drawText(rect, text.text, option);
        m_painter.restore();
    } else {
        m_painter.drawText(rect, text.text, option);
    }
}

void Canvas::paint(const BoxPrimitive &box)
{
    const QRectF rect = toDevice(box.rect);
    if (box.fill.isValid())
        m_painter.fillRect(rect, box.fill);
    if (box.strokeWidth > 0) {
        // Outlined inside the edges: four bands of the stroke's width.
        const double wx = box.strokeWidth * m_scaleX;
        const double wy = box.strokeWidth * m_scaleY;
        m_painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), wy), box.stroke);
        m_painter.fillRect(QRectF(rect.left(), rect.bottom() - wy, rect.width(), wy), box.stroke);
        m_painter.fillRect(QRectF(rect.left(), rect.top(), wx, rect.height()), box.stroke);
        m_painter.fillRect(QRectF(rect.right() - wx, rect.top(), wx, rect.height()), box.stroke);
    }
    if (m_hairlines)
        paintHairline(box, rect);
}

void Canvas::paintHairline(const BoxPrimitive &box, const QRectF &rect)
{
    // Rules are at most a few pixels thick; wider fills show at any zoom anyway.
    constexpr double RuleThickness = 4;
    QPen pen;
    pen.setCosmetic(true);
    pen.setWidth(0);
    m_painter.save();
    m_painter.setBrush(Qt::NoBrush);
    if (box.fill.isValid() && std::min(box.rect.width(), box.rect.height()) <= RuleThickness) {
        pen.setColor(box.fill);
        m_painter.setPen(pen);
        if (box.rect.width() >= box.rect.height())
            m_painter.drawLine(QLineF(rect.left(), rect.center().y(), rect.right(), rect.center().y()));
        else
            m_painter.drawLine(QLineF(rect.center().x(), rect.top(), rect.center().x(), rect.bottom()));
    }
    if (box.strokeWidth > 0) {
        pen.setColor(box.stroke);
        m_painter.setPen(pen);
        m_painter.drawRect(rect);
    }
    m_painter.restore();
}

} // namespace Report
