#pragma once

#include <QFont>

#include "document.h"

class QPagedPaintDevice;
class QPainter;

namespace Report {

// Paints a document's sheets on a paged device (PDF writer, printer, preview). The
// document's 96-dpi pixels become device units once the painter is active; fonts stay in
// points and are resolved by the device, so they are never scaled twice.
class Canvas
{
public:
    // Sets the document's paper on the device; call before painting begins.
    static void preparePage(const Document &document, QPagedPaintDevice &device);

    explicit Canvas(QPainter &painter);

    void paintPage(const DocumentPage &page);
    // A preview shrinks the page: rules then also get a line of one device pixel, so they
    // show at any zoom.
    void setHairlineRules(bool hairlines) { m_hairlines = hairlines; }

private:
    void paint(const TextPrimitive &text);
    void paint(const BoxPrimitive &box);
    void paintHairline(const BoxPrimitive &box, const QRectF &rect);
    QRectF toDevice(const QRectF &rect) const;

    QPainter &m_painter;
    double m_scaleX = 1;
    double m_scaleY = 1;
    ReportFont m_currentFont;
    bool m_currentFontValid = false;
    bool m_hairlines = false;
};

} // namespace Report
