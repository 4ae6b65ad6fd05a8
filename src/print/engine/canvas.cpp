#include "canvas.h"

#include <QPagedPaintDevice>
#include <QPainter>
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
}

} // namespace Report
