#include "artwork.h"

#include <cmath>
#include <functional>
#include <map>

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QtMath>

namespace {

// The palette: navy and blue at rest, orange where the mouse is, white for the active page.
const QColor Navy(0x1d, 0x35, 0x63);
const QColor Blue(0x2f, 0x5d, 0xa8);
const QColor LightBlue(0x5b, 0x8b, 0xd6);
const QColor Orange(0xe9, 0x82, 0x1c);
const QColor LightOrange(0xf7, 0xa9, 0x55);
const QColor DarkOrange(0xc8, 0x64, 0x0c);
const QColor Paper(0xf3, 0xf6, 0xfb);
const QColor Mist(0xe9, 0xef, 0xf8);
const QColor Rule(0xd3, 0xdc, 0xea);
const QColor Muted(0x6b, 0x77, 0x8c);

enum class Look { Blue, Orange, White };

QFont font(int pixels, bool bold = true)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QPixmap canvas(QSize size, const std::function<void(QPainter &, QRectF)> &paint)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QColor inkOf(Look look)
{
    return look == Look::White ? Navy : QColor(Qt::white);
}

// A rounded button face in one of the three looks: a soft vertical gradient, a darker
// border and a thin highlight along the top edge.
void buttonFace(QPainter &p, QRectF r, Look look, qreal radius)
{
    const QRectF body = r.adjusted(0.75, 0.75, -0.75, -0.75);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    QColor border;
    switch (look) {
    case Look::Blue:
        fill.setColorAt(0, LightBlue);
        fill.setColorAt(1, Blue);
        border = Navy;
        break;
    case Look::Orange:
        fill.setColorAt(0, LightOrange);
        fill.setColorAt(1, Orange);
        border = DarkOrange;
        break;
    case Look::White:
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, Mist);
        border = Blue;
        break;
    }
    p.save();
    p.setPen(QPen(border, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(body, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, look == Look::White ? 0 : 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(body.left() + radius, body.top() + 1.5), QPointF(body.right() - radius, body.top() + 1.5));
    p.restore();
}

// The colour a glyph's cut-outs take so that they read as holes in the face.
QColor faceOf(Look look)
{
    switch (look) {
    case Look::Blue:
        return Blue;
    case Look::Orange:
        return Orange;
    case Look::White:
        break;
    }
    return Mist;
}

// White captions get a faint shadow so that they stay crisp on the orange face too.
void caption(QPainter &p, QRectF r, Look look, const QString &text, int pixels, Qt::Alignment alignment = Qt::AlignCenter)
{
    p.setFont(font(pixels));
    if (look != Look::White) {
        p.setPen(QColor(0, 0, 0, 55));
        p.drawText(r.translated(0, 1), alignment, text);
    }
    p.setPen(inkOf(look));
    p.drawText(r, alignment, text);
}

// Small line glyphs drawn in the caption's ink; each fits a square of side `size` at `at`.
using Glyph = std::function<void(QPainter &, QPointF at, qreal size, QColor ink)>;

void plusGlyph(QPainter &p, QPointF at, qreal s, QColor ink)
{
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(at.x() + s / 2, at.y() + 1), QPointF(at.x() + s / 2, at.y() + s - 1));
    p.drawLine(QPointF(at.x() + 1, at.y() + s / 2), QPointF(at.x() + s - 1, at.y() + s / 2));
}

void pencilGlyph(QPainter &p, QPointF at, qreal s, QColor ink)
{
    p.save();
    p.translate(at.x() + s / 2, at.y() + s / 2);
    p.rotate(-45);
    const qreal length = s * 1.15, width = s * 0.3;
    QPainterPath pencil;
    pencil.moveTo(-length / 2, 0);
    pencil.lineTo(-length / 2 + width, -width / 2);
    pencil.lineTo(length / 2, -width / 2);
    pencil.lineTo(length / 2, width / 2);
    pencil.lineTo(-length / 2 + width, width / 2);
    pencil.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(pencil);
    p.restore();
}

void trashGlyph(QPainter &p, QPointF at, qreal s, QColor ink)
{
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(at.x(), at.y() + 2.5), QPointF(at.x() + s, at.y() + 2.5));
    p.drawLine(QPointF(at.x() + s * 0.38, at.y() + 0.5), QPointF(at.x() + s * 0.62, at.y() + 0.5));
    QPainterPath can;
    can.moveTo(at.x() + s * 0.12, at.y() + 4.5);
    can.lineTo(at.x() + s * 0.2, at.y() + s);
    can.lineTo(at.x() + s * 0.8, at.y() + s);
    can.lineTo(at.x() + s * 0.88, at.y() + 4.5);
    p.drawPath(can);
    p.drawLine(QPointF(at.x() + s * 0.5, at.y() + 6.5), QPointF(at.x() + s * 0.5, at.y() + s - 2));
}

void arrowHead(QPainter &p, QPointF tip, qreal angleDegrees, qreal size, QColor ink)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDegrees);
    QPainterPath head;
    head.moveTo(0, 0);
    head.lineTo(-size, -size * 0.6);
    head.lineTo(-size, size * 0.6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(head);
    p.restore();
}

void refreshGlyph(QPainter &p, QPointF at, qreal s, QColor ink)
{
    const QRectF ring(at.x() + 2, at.y() + 2, s - 4, s - 4);
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    // Two arcs turning counter-clockwise, each ending in an arrowhead along the turn.
    for (const qreal start : {100.0, 280.0}) {
        const qreal span = 140;
        p.drawArc(ring, int(start * 16), int(span * 16));
        const qreal end = qDegreesToRadians(start + span);
        const QPointF tip = ring.center() + QPointF(std::cos(end), -std::sin(end)) * (ring.width() / 2);
        arrowHead(p, tip + QPointF(-std::sin(end), -std::cos(end)) * 2.5,
                  qRadiansToDegrees(std::atan2(-std::cos(end), -std::sin(end))), 5, ink);
    }
}

void keyGlyph(QPainter &p, QPointF at, qreal s, QColor ink)
{
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal ringSize = s * 0.42;
    p.drawEllipse(QRectF(at.x() + 1, at.y() + s / 2 - ringSize / 2, ringSize, ringSize));
    const qreal shaftY = at.y() + s / 2;
    p.drawLine(QPointF(at.x() + 1 + ringSize, shaftY), QPointF(at.x() + s - 1, shaftY));
    p.drawLine(QPointF(at.x() + s - 1, shaftY), QPointF(at.x() + s - 1, shaftY + s * 0.22));
    p.drawLine(QPointF(at.x() + s * 0.75, shaftY), QPointF(at.x() + s * 0.75, shaftY + s * 0.17));
}

// A tray with an arrow going into it (backup) or coming out of it (restore).
void trayGlyph(QPainter &p, QPointF at, qreal s, QColor ink, bool into)
{
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tray;
    tray.moveTo(at.x() + 1, at.y() + s * 0.6);
    tray.lineTo(at.x() + 1, at.y() + s - 1);
    tray.lineTo(at.x() + s - 1, at.y() + s - 1);
    tray.lineTo(at.x() + s - 1, at.y() + s * 0.6);
    p.drawPath(tray);
    const qreal x = at.x() + s / 2;
    const qreal top = at.y() + 1, bottom = at.y() + s * 0.68;
    if (into) {
        p.drawLine(QPointF(x, top), QPointF(x, bottom - 3));
        arrowHead(p, QPointF(x, bottom + 1), 90, 5.5, ink);
    } else {
        p.drawLine(QPointF(x, bottom), QPointF(x, top + 4));
        arrowHead(p, QPointF(x, top - 1), -90, 5.5, ink);
    }
}

QPixmap tab(const QString &text, Look look)
{
    return canvas({161, 48}, [&](QPainter &p, QRectF r) {
        const QRectF face = r.adjusted(0, 2, 0, -2);
        buttonFace(p, face, look, 7);
        if (look == Look::White) {
            // The active page's tab carries an orange mark on its left edge.
            p.setPen(Qt::NoPen);
            p.setBrush(Orange);
            p.drawRoundedRect(QRectF(face.left() + 4, face.top() + 10, 3, face.height() - 20), 1.5, 1.5);
        }
        caption(p, face.adjusted(4, 0, -2, 0), look, text, 14);
    });
}

// A caption with a glyph before it, the pair centred in the face.
void glyphCaption(QPainter &p, QRectF face, Look look, const QString &text, int pixels, const Glyph &glyph, qreal glyphSize)
{
    const QFont f = font(pixels);
    const qreal gap = 7;
    const qreal width = glyphSize + gap + QFontMetricsF(f).horizontalAdvance(text);
    const qreal left = face.center().x() - width / 2;
    glyph(p, QPointF(left, face.center().y() - glyphSize / 2), glyphSize, inkOf(look));
    caption(p, QRectF(left + glyphSize + gap, face.top(), width, face.height()), look, text, pixels,
            Qt::AlignLeft | Qt::AlignVCenter);
}

QPixmap action(const QString &text, const Glyph &glyph, bool hover)
{
    return canvas({94, 29}, [&](QPainter &p, QRectF r) {
        const Look look = hover ? Look::Orange : Look::Blue;
        buttonFace(p, r, look, 5);
        glyphCaption(p, r.adjusted(0, 0, 0, -1), look, text, 14, glyph, 11);
    });
}

QPixmap settingsButton(const QString &text, const Glyph &glyph, bool hover)
{
    return canvas({282, 47}, [&](QPainter &p, QRectF r) {
        const Look look = hover ? Look::Orange : Look::Blue;
        buttonFace(p, r, look, 8);
        // The glyph sits in a soft round badge at the left; the captions of the four
        // stacked buttons line up after it.
        const QRectF badge(10, (r.height() - 33) / 2, 33, 33);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 45));
        p.drawEllipse(badge);
        glyph(p, badge.center() - QPointF(10, 10), 20, Qt::white);
        caption(p, QRectF(58, 0, r.width() - 68, r.height() - 1), look, text, 17, Qt::AlignLeft | Qt::AlignVCenter);
    });
}

// A square picture button with a glyph above its caption (print, preview).
QPixmap glyphButton(QSize size, const QString &text, bool hover,
                    const std::function<void(QPainter &, QColor, QColor)> &glyph)
{
    return canvas(size, [&](QPainter &p, QRectF r) {
        const Look look = hover ? Look::Orange : Look::Blue;
        buttonFace(p, r, look, 8);
        glyph(p, inkOf(look), faceOf(look).darker(110));
        caption(p, QRectF(0, r.height() - 23, r.width(), 16), look, text, 12);
    });
}

void printerGlyph(QPainter &p, QColor ink, QColor face)
{
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    // Paper waiting at the back.
    p.setBrush(ink);
    p.drawRect(QRectF(22.5, 8.5, 20, 8));
    // The body, with a status light.
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(13.5, 16.5, 38, 15), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(46, 21), 1.6, 1.6);
    // The printed sheet with a few lines on it.
    p.setPen(QPen(ink, 1.6));
    p.setBrush(ink);
    p.drawRect(QRectF(20.5, 26.5, 24, 12));
    p.setPen(QPen(face, 1.2));
    p.drawLine(QPointF(24, 31), QPointF(41, 31));
    p.drawLine(QPointF(24, 34.5), QPointF(36, 34.5));
}

void previewGlyph(QPainter &p, QColor ink, QColor face)
{
    // A page with a folded corner.
    QPainterPath page;
    page.moveTo(19.5, 7.5);
    page.lineTo(36.5, 7.5);
    page.lineTo(42.5, 13.5);
    page.lineTo(42.5, 36.5);
    page.lineTo(19.5, 36.5);
    page.closeSubpath();
    p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(ink);
    p.drawPath(page);
    p.setPen(QPen(face, 1.2));
    for (qreal y : {16.0, 20.0, 24.0})
        p.drawLine(QPointF(23, y), QPointF(36, y));
    // The magnifier over its lower right corner.
    p.setPen(QPen(face, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(41, 33), QPointF(47, 39));
    p.setPen(QPen(ink, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(41, 33), QPointF(47, 39));
    p.setPen(QPen(face, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(36, 28), 6.5, 6.5);
    p.setPen(QPen(ink, 2));
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QPointF(36, 28), 6.5, 6.5);
}

QPixmap exitButton(bool hover)
{
    return canvas({89, 65}, [&](QPainter &p, QRectF r) {
        const Look look = hover ? Look::Orange : Look::Blue;
        const QRectF face = r.adjusted(4, 4, -4, -4);
        buttonFace(p, face, look, 10);
        // The power symbol: a broken ring with a bar through its gap.
        p.setPen(QPen(inkOf(look), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QRectF ring(face.center().x() - 10, 14, 20, 20);
        p.drawArc(ring, 125 * 16, 290 * 16);
        p.drawLine(QPointF(ring.center().x(), 11.5), QPointF(ring.center().x(), 23));
        caption(p, QRectF(face.left(), 37, face.width(), 18), look, QStringLiteral("Exit"), 14);
    });
}

// A padlock whose body's top edge is at `at`, shackle closed or lifted open.
void padlock(QPainter &p, QPointF at, bool closed, QColor colour)
{
    const qreal width = 36, height = 28, x = at.x(), y = at.y();
    const qreal left = x + 8, right = x + width - 8, lift = closed ? 0 : 9;
    QPainterPath shackle;
    shackle.moveTo(left, y + 2);
    shackle.lineTo(left, y - 9 - lift);
    shackle.arcTo(QRectF(left, y - 19 - lift, right - left, right - left), 180, -180);
    shackle.lineTo(right, closed ? y + 2 : y - 9 - lift + 6);
    p.setPen(QPen(colour.darker(125), 4.5, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shackle);

    QLinearGradient fill(x, y, x, y + height);
    fill.setColorAt(0, colour.lighter(120));
    fill.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(140), 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(x, y, width, height), 4, 4);
    QPainterPath keyhole;
    keyhole.addEllipse(QPointF(x + width / 2, y + 11), 3.5, 3.5);
    keyhole.addRect(QRectF(x + width / 2 - 1.5, y + 12, 3, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(170));
    p.drawPath(keyhole.simplified());
}

QPixmap banner(bool isProtected)
{
    return canvas({452, 80}, [&](QPainter &p, QRectF r) {
        const QColor accent = isProtected ? QColor(0x2e, 0x8b, 0x57) : QColor(0xd9, 0x4f, 0x2b);
        p.setPen(QPen(accent, 1.5));
        p.setBrush(isProtected ? QColor(0xed, 0xf7, 0xf0) : QColor(0xfd, 0xf0, 0xea));
        p.drawRoundedRect(r.adjusted(0.75, 0.75, -0.75, -0.75), 9, 9);
        // A band of the accent colour at the left, behind the padlock.
        QPainterPath stripe;
        stripe.addRoundedRect(r.adjusted(0.75, 0.75, -0.75, -0.75), 9, 9);
        QPainterPath left;
        left.addRect(QRectF(0, 0, 70, r.height()));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(accent.red(), accent.green(), accent.blue(), 28));
        p.drawPath(stripe.intersected(left));
        padlock(p, {17, 38}, isProtected, accent);

        p.setPen(accent.darker(125));
        p.setFont(font(16));
        p.drawText(QRectF(84, 12, 362, 30), Qt::AlignLeft | Qt::AlignVCenter,
                   isProtected ? QStringLiteral("This application is password protected")
                               : QStringLiteral("This application is NOT password protected"));
        p.setFont(font(12, false));
        p.setPen(QColor(0x4a, 0x4f, 0x5a));
        p.drawText(QRectF(84, 42, 362, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   isProtected ? QStringLiteral("Your statements are guarded by a username and password.")
                               : QStringLiteral("Anyone who opens the program can read your statements."));
    });
}

QPixmap loginHeader()
{
    return canvas({521, 40}, [](QPainter &p, QRectF r) {
        QPainterPath band;
        band.addRoundedRect(r.adjusted(0, 0, 0, -3), 6, 6);
        QLinearGradient fill(r.topLeft(), r.topRight());
        fill.setColorAt(0, Navy);
        fill.setColorAt(1, LightBlue);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPath(band);
        p.fillRect(QRectF(0, r.height() - 3, r.width(), 3), Orange);
        // A small person beside the title.
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(25, 13), 5, 5);
        QPainterPath shoulders;
        shoulders.moveTo(15, 29);
        shoulders.cubicTo(15, 18, 35, 18, 35, 29);
        shoulders.closeSubpath();
        p.drawPath(shoulders);
        p.setPen(Qt::white);
        p.setFont(font(20));
        p.drawText(QRectF(46, 0, 300, r.height() - 3), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Login"));
    });
}

// The navy band across the top of a window, underlined in orange.
void headerBand(QPainter &p, qreal width, qreal height)
{
    QLinearGradient band(0, 0, width, 0);
    band.setColorAt(0, Navy);
    band.setColorAt(1, Blue);
    p.fillRect(QRectF(0, 0, width, height), band);
    p.fillRect(QRectF(0, height, width, 3), Orange);
}

// The product mark: three rising bars in a rounded square.
void productMark(QPainter &p, QRectF square)
{
    QLinearGradient fill(square.topLeft(), square.bottomLeft());
    fill.setColorAt(0, LightOrange);
    fill.setColorAt(1, Orange);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(square, 7, 7);
    p.setBrush(Qt::white);
    const qreal bar = square.width() / 6, base = square.bottom() - square.height() * 0.2;
    const qreal heights[] = {0.28, 0.44, 0.6};
    for (int i = 0; i < 3; ++i) {
        const qreal x = square.left() + bar * (1 + 1.5 * i);
        const qreal h = square.height() * heights[i];
        p.drawRoundedRect(QRectF(x, base - h, bar, h), 1.5, 1.5);
    }
}

QPixmap mainBackground(QSize size)
{
    return canvas(size, [](QPainter &p, QRectF r) {
        p.fillRect(r, Qt::white);
        headerBand(p, r.width(), 60);
        productMark(p, QRectF(16, 13, 34, 34));
        // The product name and, on its baseline, what the program makes.
        const QFont title = font(28);
        const QFontMetricsF titleMetrics(title);
        const QString name = QStringLiteral("Worthsheet");
        const qreal baseline = 30 + (titleMetrics.capHeight()) / 2;
        p.setPen(Qt::white);
        p.setFont(title);
        p.drawText(QPointF(60, baseline), name);
        p.setFont(font(13, false));
        p.setPen(QColor(0xc9, 0xd8, 0xf0));
        p.drawText(QPointF(60 + titleMetrics.horizontalAdvance(name) + 14, baseline),
                   QStringLiteral("Personal Financial Statement"));

        // The about and help click areas lie over these two icons.
        const auto roundIcon = [&p](QRectF area, const QString &glyph) {
            const QRectF circle(area.center().x() - 12, area.center().y() - 12, 24, 24);
            p.setPen(QPen(Qt::white, 1.8));
            p.setBrush(QColor(255, 255, 255, 38));
            p.drawEllipse(circle);
            p.setFont(font(15));
            p.drawText(circle.adjusted(0, 0, 0, -1), Qt::AlignCenter, glyph);
        };
        roundIcon(QRectF(629, 21, 32, 28), QStringLiteral("i"));
        roundIcon(QRectF(669, 19, 32, 30), QStringLiteral("?"));

        // The column behind the tab buttons and the exit button.
        QLinearGradient column(0, 63, 0, r.height());
        column.setColorAt(0, Paper);
        column.setColorAt(1, QColor(0xe6, 0xed, 0xf7));
        p.fillRect(QRectF(0, 63, 176, r.height() - 63), column);
        p.setPen(QPen(Rule, 1));
        p.drawLine(QPointF(175.5, 63), QPointF(175.5, r.height()));
        p.setPen(QPen(Rule, 1));
        p.drawLine(QPointF(20, 240.5), QPointF(156, 240.5));

        // A hairline frame around the page area, which takes the room beyond 714 x 513.
        p.setPen(QPen(QColor(0xe0, 0xe6, 0xf0), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(176.5, 64.5, r.width() - 187, r.height() - 72));
    });
}

QPixmap statementBackground()
{
    return canvas({519, 430}, [](QPainter &p, QRectF) {
        p.setPen(Muted);
        QFont hint = font(12, false);
        hint.setItalic(true);
        p.setFont(hint);
        p.drawText(QRectF(14, 4, 240, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Choose a section to open it."));

        // Each group is a light panel with its heading about 24 pixels above its row of
        // links (rows at y 62, 139, 216, 292 and 366).
        const struct
        {
            const char *title;
            qreal x, rowY, width;
        } groups[] = {{"Personal", 12, 62, 240},          {"Spouse", 262, 62, 245},
                      {"Assets", 12, 139, 495},           {"Liabilities", 12, 216, 495},
                      {"Income and Expenses", 12, 292, 495}, {"Legal", 12, 366, 220}};
        const QFont heading = font(13);
        for (const auto &g : groups) {
            const QRectF panel(g.x + 0.5, g.rowY - 27.5, g.width, 50);
            p.setPen(QPen(Rule, 1));
            p.setBrush(Paper);
            p.drawRoundedRect(panel, 6, 6);
            const QString title = QString::fromLatin1(g.title);
            p.setPen(Navy);
            p.setFont(heading);
            p.drawText(QRectF(g.x + 10, panel.top() + 2, g.width - 20, 20), Qt::AlignLeft | Qt::AlignVCenter, title);
            p.setPen(QPen(Orange, 2, Qt::SolidLine, Qt::FlatCap));
            const qreal underline = std::min<qreal>(QFontMetricsF(heading).horizontalAdvance(title), 60);
            p.drawLine(QPointF(g.x + 10, panel.top() + 22), QPointF(g.x + 10 + underline, panel.top() + 22));
        }
    });
}

QPixmap sectionBackground(QSize size)
{
    return canvas(size, [](QPainter &p, QRectF r) {
        p.fillRect(r, Qt::white);
        headerBand(p, r.width(), 40);
        // A light strip along the bottom where the windows keep their buttons (from y 384
        // of 447), as high whatever the window's height.
        const qreal strip = r.height() - 63;
        p.fillRect(QRectF(0, strip, r.width(), r.height() - strip), Paper);
        p.setPen(QPen(Rule, 1));
        p.drawLine(QPointF(0, strip - 0.5), QPointF(r.width(), strip - 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 43.5, r.width() - 1, r.height() - 44));
    });
}

// Paints the picture at the size asked; most pictures have one size and ignore it.
using Painter = std::function<QPixmap(QSize)>;
struct Entry
{
    QSize size;
    Painter paint;
    bool stretches = false;
};

const std::map<QString, Entry> &catalogue()
{
    static const std::map<QString, Entry> pictures = [] {
        std::map<QString, Entry> all;
        const auto add = [&all](const QString &name, QSize size, std::function<QPixmap()> painter) {
            all[name] = {size, [painter](QSize) { return painter(); }};
        };
        // The backgrounds of windows that can be resized are painted at the window's size.
        const auto stretching = [&all](const QString &name, QSize size, Painter painter) {
            all[name] = {size, std::move(painter), true};
        };
        const auto pair = [&add](const QString &name, const QString &hoverSuffix, QSize size,
                                 const std::function<QPixmap(bool)> &painter) {
            add(name, size, [painter] { return painter(false); });
            add(name + hoverSuffix, size, [painter] { return painter(true); });
        };

        stretching(QStringLiteral("imBackground"), {714, 513}, mainBackground);
        const struct
        {
            const char *prefix;
            const char *caption;
        } tabs[] = {{"imover", "Overview"}, {"imfs", "Financial Statement"}, {"imset", "Settings"}};
        for (const auto &t : tabs) {
            const QString text = QString::fromLatin1(t.caption);
            const QString prefix = QString::fromLatin1(t.prefix);
            add(prefix + QStringLiteral("_blue"), {161, 48}, [text] { return tab(text, Look::Blue); });
            add(prefix + QStringLiteral("_orange"), {161, 48}, [text] { return tab(text, Look::Orange); });
            add(prefix + QStringLiteral("_white"), {161, 48}, [text] { return tab(text, Look::White); });
        }
        pair(QStringLiteral("imExit"), QStringLiteral("_Up"), {89, 65}, exitButton);

        const struct
        {
            const char *caption;
            void (*glyph)(QPainter &, QPointF, qreal, QColor);
        } actions[] = {{"Delete", trashGlyph}, {"Add", plusGlyph}, {"Edit", pencilGlyph}};
        for (const auto &a : actions) {
            const QString text = QString::fromLatin1(a.caption);
            const Glyph glyph = a.glyph;
            pair(QStringLiteral("im") + text, QStringLiteral("_Up"), {94, 29},
                 [text, glyph](bool hover) { return action(text, glyph, hover); });
        }
        pair(QStringLiteral("imPrint"), QStringLiteral("_Up"), {65, 63},
             [](bool hover) { return glyphButton({65, 63}, QStringLiteral("Print"), hover, printerGlyph); });
        pair(QStringLiteral("imPreview"), QStringLiteral("_Up"), {65, 63},
             [](bool hover) { return glyphButton({65, 63}, QStringLiteral("Preview"), hover, previewGlyph); });

        const Glyph backup = [](QPainter &p, QPointF at, qreal s, QColor ink) { trayGlyph(p, at, s, ink, true); };
        const Glyph restore = [](QPainter &p, QPointF at, qreal s, QColor ink) { trayGlyph(p, at, s, ink, false); };
        const struct
        {
            const char *name;
            const char *caption;
            Glyph glyph;
        } settings[] = {{"imCheckUpdate", "Check for Updates", refreshGlyph},
                        {"imUpdateLogin", "Update Login", keyGlyph},
                        {"imBackup", "Backup", backup},
                        {"imRestore", "Restore", restore}};
        for (const auto &s : settings) {
            const QString text = QString::fromLatin1(s.caption);
            const Glyph glyph = s.glyph;
            pair(QString::fromLatin1(s.name), QStringLiteral("_up"), {282, 47},
                 [text, glyph](bool hover) { return settingsButton(text, glyph, hover); });
        }

        add(QStringLiteral("imFSBackground"), {519, 430}, statementBackground);
        add(QStringLiteral("imLogin"), {521, 40}, loginHeader);
        add(QStringLiteral("imNotProtected"), {452, 80}, [] { return banner(false); });
        add(QStringLiteral("imProtected"), {452, 80}, [] { return banner(true); });
        stretching(QStringLiteral("imSectionBackground"), {553, 447}, sectionBackground);
        return all;
    }();
    return pictures;
}

} // namespace

namespace Artwork {

QPixmap picture(const QString &name)
{
    return picture(name, pictureSize(name));
}

QPixmap picture(const QString &name, QSize size)
{
    const auto it = catalogue().find(name);
    if (it == catalogue().end())
        return QPixmap();
    if (!it->second.stretches || size.isEmpty())
        size = it->second.size;
    // The cache may drop a picture under memory pressure; it is then simply painted again.
    const QString key = QStringLiteral("Artwork/%1/%2x%3").arg(name).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = it->second.paint(size);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

bool stretches(const QString &name)
{
    const auto it = catalogue().find(name);
    return it != catalogue().end() && it->second.stretches;
}

QSize pictureSize(const QString &name)
{
    const auto it = catalogue().find(name);
    return it == catalogue().end() ? QSize() : it->second.size;
}

QStringList pictureNames()
{
    QStringList names;
    for (const auto &[name, entry] : catalogue())
        names << name;
    return names;
}

} // namespace Artwork
