#pragma once

#include <variant>

#include <QColor>
#include <QRectF>
#include <QString>

#include "report_font.h"

namespace Report {

// What a laid-out page is made of, in 96-dpi pixels from the paper's top-left corner.

// A text in its rectangle: aligned left, right or centred horizontally, at the top.
struct TextPrimitive
{
    QRectF rect;
    QString text;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor color = Qt::black;
    bool wordWrap = false;
    // A text wider than its fixed rectangle is cut there rather than overprint its neighbours.
    bool clip = false;

    bool operator==(const TextPrimitive &other) const = default;
};

// A rectangle: filled when fill is valid, outlined inside its edges when strokeWidth > 0.
// Rules are thin filled rectangles.
struct BoxPrimitive
{
    QRectF rect;
    QColor fill;
    QColor stroke;
    double strokeWidth = 0;

    bool operator==(const BoxPrimitive &other) const = default;
};

using Primitive = std::variant<TextPrimitive, BoxPrimitive>;

} // namespace Report
