#include "artwork.h"

#include <functional>
#include <map>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Navy(0x1d, 0x35, 0x63);
const QColor Blue(0x2f, 0x5d, 0xa8);
const QColor LightBlue(0x5b, 0x8b, 0xd6);
const QColor Orange(0xf0, 0x8a, 0x24);
const QColor DarkOrange(0xc8, 0x64, 0x0c);
const QColor Paper(0xf4, 0xf7, 0xfc);

enum class Look { Blue, Orange, White };

QFont font(int pixels, bool bold = true)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
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

// A rounded button face in one of the three looks, with its caption.
void buttonFace(QPainter &p, QRectF r, Look look, const QString &caption, int pixels, qreal radius = 7)
{
    const QRectF body = r.adjusted(1, 1, -1, -1);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    QColor text = Qt::white;
    QColor border;
    switch (look) {
    case Look::Blue:
        fill.setColorAt(0, LightBlue);
        fill.setColorAt(1, Blue);
        border = Navy;
        break;
    case Look::Orange:
        fill.setColorAt(0, QColor(0xf7, 0xb0, 0x5c));
        fill.setColorAt(1, Orange);
        border = DarkOrange;
        break;
    case Look::White:
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, QColor(0xe6, 0xec, 0xf6));
        border = Blue;
        text = Navy;
        break;
    }
    p.setPen(QPen(border, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(body, radius, radius);
    p.setPen(text);
    p.setFont(font(pixels));
    p.drawText(body, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

QPixmap tab(const QString &caption, Look look)
{
    return canvas({161, 48}, [&](QPainter &p, QRectF r) { buttonFace(p, r.adjusted(0, 2, 0, -2), look, caption, 15); });
}

QPixmap action(QSize size, const QString &caption, bool hover)
{
    return canvas(size, [&](QPainter &p, QRectF r) { buttonFace(p, r, hover ? Look::Orange : Look::Blue, caption, 14, 5); });
}

QPixmap printButton(bool hover)
{
    return canvas({65, 63}, [&](QPainter &p, QRectF r) {
        buttonFace(p, r, hover ? Look::Orange : Look::Blue, QString(), 12, 8);
        // A small printer: body, paper in, paper out.
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(22, 9, 21, 9));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(14, 17, 37, 15), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(21, 28, 23, 10));
        p.setFont(font(12));
        p.drawText(QRectF(0, 40, r.width(), 18), Qt::AlignCenter, QStringLiteral("Print"));
    });
}

QPixmap exitButton(bool hover)
{
    return canvas({89, 65}, [&](QPainter &p, QRectF r) {
        buttonFace(p, r.adjusted(4, 4, -4, -4), hover ? Look::Orange : Look::Blue, QString(), 12, 10);
        // A power symbol above the caption.
        p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QRectF ring(33, 11, 22, 22);
        p.drawArc(ring, 120 * 16, 300 * 16);
        p.drawLine(QPointF(44, 9), QPointF(44, 22));
        p.setFont(font(14));
        p.drawText(QRectF(0, 36, r.width(), 20), Qt::AlignCenter, QStringLiteral("Exit"));
    });
}

QPixmap settingsButton(const QString &caption, bool hover)
{
    return canvas({282, 47}, [&](QPainter &p, QRectF r) { buttonFace(p, r, hover ? Look::Orange : Look::Blue, caption, 16, 8); });
}

void padlock(QPainter &p, QPointF at, bool closed, QColor colour)
{
    p.setPen(QPen(colour.darker(130), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    const qreal left = at.x() + 8, right = at.x() + 30, top = at.y();
    shackle.moveTo(left, top + 24);
    shackle.lineTo(left, top + 12);
    shackle.arcTo(QRectF(left, top, right - left, 24), 180, -180);
    shackle.lineTo(right, closed ? top + 24 : top + 14);
    if (!closed)
        shackle.translate(8, -6);
    p.drawPath(shackle);
    p.setPen(QPen(colour.darker(140), 1.5));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(at.x(), at.y() + 22, 38, 30), 4, 4);
    p.setBrush(colour.darker(160));
    p.drawEllipse(QPointF(at.x() + 19, at.y() + 35), 3.5, 3.5);
}

QPixmap banner(bool isProtected)
{
    return canvas({452, 80}, [&](QPainter &p, QRectF r) {
        const QColor accent = isProtected ? QColor(0x2e, 0x8b, 0x57) : QColor(0xd9, 0x4f, 0x2b);
        p.setPen(QPen(accent, 2));
        p.setBrush(isProtected ? QColor(0xea, 0xf6, 0xee) : QColor(0xfd, 0xee, 0xe8));
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 10, 10);
        padlock(p, {22, 12}, isProtected, accent);
        p.setPen(accent.darker(130));
        p.setFont(font(17));
        p.drawText(QRectF(80, 10, 360, 34), Qt::AlignLeft | Qt::AlignVCenter,
                   isProtected ? QStringLiteral("This application is password protected")
                               : QStringLiteral("This application is NOT password protected"));
        p.setFont(font(12, false));
        p.setPen(QColor(0x44, 0x44, 0x44));
        p.drawText(QRectF(80, 42, 360, 26), Qt::AlignLeft | Qt::AlignVCenter,
                   isProtected ? QStringLiteral("Enter your username and password to open your statements.")
                               : QStringLiteral("Choose a username and password to guard your statements."));
    });
}

QPixmap loginHeader()
{
    return canvas({521, 40}, [](QPainter &p, QRectF r) {
        QLinearGradient fill(r.topLeft(), r.topRight());
        fill.setColorAt(0, Navy);
        fill.setColorAt(1, LightBlue);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(r, 6, 6);
        p.setPen(Qt::white);
        p.setFont(font(20));
        p.drawText(r.adjusted(16, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Login"));
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

QPixmap mainBackground()
{
    return canvas({714, 513}, [](QPainter &p, QRectF r) {
        p.fillRect(r, Qt::white);
        headerBand(p, r.width(), 60);
        p.setPen(Qt::white);
        p.setFont(font(28));
        p.drawText(QRectF(18, 0, 400, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Worthsheet"));
        p.setFont(font(13, false));
        p.setPen(QColor(0xd6, 0xe2, 0xf5));
        p.drawText(QRectF(200, 0, 300, 60), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Personal Financial Statement"));
        // The about and help click areas.
        const auto roundIcon = [&p](QRectF area, const QString &glyph) {
            const QRectF circle(area.center().x() - 12, area.center().y() - 12, 24, 24);
            p.setPen(QPen(Qt::white, 2));
            p.setBrush(QColor(255, 255, 255, 40));
            p.drawEllipse(circle);
            p.setFont(font(15));
            p.drawText(circle, Qt::AlignCenter, glyph);
        };
        roundIcon(QRectF(629, 21, 32, 28), QStringLiteral("i"));
        roundIcon(QRectF(669, 19, 32, 30), QStringLiteral("?"));
        // The column behind the tab buttons and the exit button.
        p.setPen(Qt::NoPen);
        p.setBrush(Paper);
        p.drawRect(QRectF(0, 63, 176, r.height() - 63));
        p.setPen(QPen(QColor(0xc9, 0xd4, 0xe6), 1));
        p.drawLine(QPointF(175.5, 63), QPointF(175.5, r.height()));
        // A thin frame around the page area.
        p.setPen(QPen(QColor(0xdd, 0xe4, 0xef), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(176.5, 64.5, 527, 441));
    });
}

QPixmap statementBackground()
{
    return canvas({519, 430}, [](QPainter &p, QRectF) {
        const struct
        {
            const char *title;
            qreal x, y, width;
        } headings[] = {{"Personal", 12, 36, 238},  {"Spouse", 262, 36, 245},      {"Assets", 12, 113, 495},
                        {"Liabilities", 12, 190, 495}, {"Income and Expenses", 12, 266, 495}, {"Legal", 12, 340, 200}};
        for (const auto &h : headings) {
            const QRectF area(h.x, h.y, h.width, 50);
            p.setPen(QPen(QColor(0xd3, 0xdc, 0xea), 1));
            p.setBrush(Paper);
            p.drawRoundedRect(area, 6, 6);
            p.setPen(Navy);
            p.setFont(font(13));
            p.drawText(QRectF(h.x + 10, h.y + 2, h.width - 20, 20), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromLatin1(h.title));
            p.setPen(QPen(Orange, 2));
            p.drawLine(QPointF(h.x + 10, h.y + 22), QPointF(h.x + 60, h.y + 22));
        }
    });
}

QPixmap sectionBackground()
{
    return canvas({553, 447}, [](QPainter &p, QRectF r) {
        p.fillRect(r, Qt::white);
        headerBand(p, r.width(), 40);
    });
}

using Painter = std::function<QPixmap()>;

const std::map<QString, std::pair<QSize, Painter>> &catalogue()
{
    static const std::map<QString, std::pair<QSize, Painter>> pictures = [] {
        std::map<QString, std::pair<QSize, Painter>> all;
        const auto add = [&all](const QString &name, QSize size, Painter painter) { all[name] = {size, std::move(painter)}; };
        add(QStringLiteral("imBackground"), {714, 513}, mainBackground);
        const struct
        {
            const char *prefix;
            const char *caption;
        } tabs[] = {{"imover", "Overview"}, {"imfs", "Financial Statement"}, {"imset", "Settings"}};
        for (const auto &t : tabs) {
            const QString caption = QString::fromLatin1(t.caption);
            const QString prefix = QString::fromLatin1(t.prefix);
            add(prefix + QStringLiteral("_blue"), {161, 48}, [caption] { return tab(caption, Look::Blue); });
            add(prefix + QStringLiteral("_orange"), {161, 48}, [caption] { return tab(caption, Look::Orange); });
            add(prefix + QStringLiteral("_white"), {161, 48}, [caption] { return tab(caption, Look::White); });
        }
        add(QStringLiteral("imExit"), {89, 65}, [] { return exitButton(false); });
        add(QStringLiteral("imExit_Up"), {89, 65}, [] { return exitButton(true); });
        for (const char *name : {"Delete", "Add", "Edit"}) {
            const QString caption = QString::fromLatin1(name);
            add(QStringLiteral("im") + caption, {94, 29}, [caption] { return action({94, 29}, caption, false); });
            add(QStringLiteral("im") + caption + QStringLiteral("_Up"), {94, 29},
                [caption] { return action({94, 29}, caption, true); });
        }
        add(QStringLiteral("imPrint"), {65, 63}, [] { return printButton(false); });
        add(QStringLiteral("imPrint_Up"), {65, 63}, [] { return printButton(true); });
        const struct
        {
            const char *name;
            const char *caption;
        } settings[] = {{"imCheckUpdate", "Check for Updates"},
                        {"imUpdateLogin", "Update Login"},
                        {"imBackup", "Backup"},
                        {"imRestore", "Restore"}};
        for (const auto &s : settings) {
            const QString caption = QString::fromLatin1(s.caption);
            add(QString::fromLatin1(s.name), {282, 47}, [caption] { return settingsButton(caption, false); });
            add(QString::fromLatin1(s.name) + QStringLiteral("_up"), {282, 47},
                [caption] { return settingsButton(caption, true); });
        }
        add(QStringLiteral("imFSBackground"), {519, 430}, statementBackground);
        add(QStringLiteral("imLogin"), {521, 40}, loginHeader);
        add(QStringLiteral("imNotProtected"), {452, 80}, [] { return banner(false); });
        add(QStringLiteral("imProtected"), {452, 80}, [] { return banner(true); });
        add(QStringLiteral("imSectionBackground"), {553, 447}, sectionBackground);
        return all;
    }();
    return pictures;
}

} // namespace

namespace Artwork {

QPixmap picture(const QString &name)
{
    static std::map<QString, QPixmap> painted;
    const auto cached = painted.find(name);
    if (cached != painted.end())
        return cached->second;
    const auto it = catalogue().find(name);
    if (it == catalogue().end())
        return QPixmap();
    return painted[name] = it->second.second();
}

QSize pictureSize(const QString &name)
{
    const auto it = catalogue().find(name);
    return it == catalogue().end() ? QSize() : it->second.first;
}

QStringList pictureNames()
{
    QStringList names;
    for (const auto &[name, entry] : catalogue())
        names << name;
    return names;
}

} // namespace Artwork
