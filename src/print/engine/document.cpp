#include "document.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "private_file.h"

namespace Report {

namespace {

const QString Format = QStringLiteral("Worthsheet report");
constexpr int Version = 1;

// Thrown inside the reader only; fromJson turns it into its error text.
struct BadReport
{
    QString what;
};

QJsonArray rectToJson(const QRectF &rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QString colorToJson(const QColor &color)
{
    return color.name(color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

QString alignmentName(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    return QStringLiteral("left");
}

QJsonObject toJson(const TextPrimitive &text)
{
    return {
        {QStringLiteral("kind"), QStringLiteral("text")},
        {QStringLiteral("rect"), rectToJson(text.rect)},
        {QStringLiteral("text"), text.text},
        {QStringLiteral("font"),
         QJsonObject{{QStringLiteral("family"), text.font.family},
                     {QStringLiteral("size"), text.font.pointSize},
                     {QStringLiteral("bold"), text.font.bold},
                     {QStringLiteral("italic"), text.font.italic}}},
        {QStringLiteral("align"), alignmentName(text.alignment)},
        {QStringLiteral("color"), colorToJson(text.color)},
        {QStringLiteral("wrap"), text.wordWrap},
        {QStringLiteral("clip"), text.clip},
    };
}

QJsonObject toJson(const BoxPrimitive &box)
{
    QJsonObject object{{QStringLiteral("kind"), QStringLiteral("box")}, {QStringLiteral("rect"), rectToJson(box.rect)}};
    if (box.fill.isValid())
        object.insert(QStringLiteral("fill"), colorToJson(box.fill));
    if (box.strokeWidth > 0) {
        object.insert(QStringLiteral("stroke"), colorToJson(box.stroke));
        object.insert(QStringLiteral("strokeWidth"), box.strokeWidth);
    }
    return object;
}

QJsonValue member(const QJsonObject &object, const char *name, QJsonValue::Type type)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.type() != type)
        throw BadReport{QStringLiteral("'%1' is missing or of the wrong kind").arg(QLatin1String(name))};
    return value;
}

double number(const QJsonObject &object, const char *name)
{
    return member(object, name, QJsonValue::Double).toDouble();
}

QString text(const QJsonObject &object, const char *name)
{
    return member(object, name, QJsonValue::String).toString();
}

bool flag(const QJsonObject &object, const char *name)
{
    return member(object, name, QJsonValue::Bool).toBool();
}

QRectF rectFrom(const QJsonObject &object)
{
    const QJsonArray values = member(object, "rect", QJsonValue::Array).toArray();
    if (values.size() != 4)
        throw BadReport{QStringLiteral("a rectangle needs four numbers")};
    for (const QJsonValue &v : values)
        if (!v.isDouble())
            throw BadReport{QStringLiteral("a rectangle needs four numbers")};
    return {values[0].toDouble(), values[1].toDouble(), values[2].toDouble(), values[3].toDouble()};
}

QColor colorFrom(const QJsonObject &object, const char *name)
{
    const QColor color(text(object, name));
    if (!color.isValid())
        throw BadReport{QStringLiteral("'%1' is not a colour").arg(QLatin1String(name))};
    return color;
}

Qt::Alignment alignmentFrom(const QString &name)
{
    if (name == QLatin1String("left"))
        return Qt::AlignLeft;
    if (name == QLatin1String("right"))
        return Qt::AlignRight;
    if (name == QLatin1String("center"))
        return Qt::AlignHCenter;
    throw BadReport{QStringLiteral("unknown alignment '%1'").arg(name)};
}

Primitive primitiveFrom(const QJsonObject &object)
{
    const QString kind = text(object, "kind");
    if (kind == QLatin1String("text")) {
        TextPrimitive t;
        t.rect = rectFrom(object);
        t.text = text(object, "text");
        const QJsonObject font = member(object, "font", QJsonValue::Object).toObject();
        t.font.family = text(font, "family");
        t.font.pointSize = number(font, "size");
        if (!(t.font.pointSize > 0 && t.font.pointSize < 1000))
            throw BadReport{QStringLiteral("a font size is out of range")};
        t.font.bold = flag(font, "bold");
        t.font.italic = flag(font, "italic");
        t.alignment = alignmentFrom(text(object, "align"));
        t.color = colorFrom(object, "color");
        t.wordWrap = flag(object, "wrap");
        t.clip = flag(object, "clip");
        return t;
    }
    if (kind == QLatin1String("box")) {
        BoxPrimitive b;
        b.rect = rectFrom(object);
        if (object.contains(QLatin1String("fill")))
            b.fill = colorFrom(object, "fill");
        if (object.contains(QLatin1String("strokeWidth"))) {
            b.strokeWidth = number(object, "strokeWidth");
            b.stroke = colorFrom(object, "stroke");
        }
        return b;
    }
    throw BadReport{QStringLiteral("unknown item kind '%1'").arg(kind)};
}

} // namespace

std::vector<const TextPrimitive *> DocumentPage::texts() const
{
    std::vector<const TextPrimitive *> found;
    for (const Primitive &p : primitives)
        if (const auto *t = std::get_if<TextPrimitive>(&p))
            found.push_back(t);
    return found;
}

const TextPrimitive *DocumentPage::findText(const QString &text, int skip) const
{
    for (const Primitive &p : primitives)
        if (const auto *t = std::get_if<TextPrimitive>(&p); t && t->text == text && skip-- == 0)
            return t;
    return nullptr;
}

QByteArray Document::toJson() const
{
    QJsonArray pageArray;
    for (const DocumentPage &page : pages) {
        QJsonArray items;
        for (const Primitive &p : page.primitives)
            items.append(std::visit([](const auto &primitive) { return Report::toJson(primitive); }, p));
        pageArray.append(QJsonObject{{QStringLiteral("report"), page.report}, {QStringLiteral("items"), items}});
    }
    const QJsonObject root{
        {QStringLiteral("format"), Format},
        {QStringLiteral("version"), Version},
        {QStringLiteral("title"), title},
        {QStringLiteral("pageWidth"), pageSize.width()},
        {QStringLiteral("pageHeight"), pageSize.height()},
        {QStringLiteral("margins"), QJsonArray{margins.left(), margins.top(), margins.right(), margins.bottom()}},
        {QStringLiteral("pages"), pageArray},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<Document> Document::fromJson(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &parseError);
    const QJsonObject root = parsed.object();
    if (parseError.error != QJsonParseError::NoError || !parsed.isObject()
        || root.value(QLatin1String("format")).toString() != Format) {
        if (error)
            *error = QStringLiteral("The file is not a Worthsheet report.");
        return std::nullopt;
    }
    try {
        if (number(root, "version") != Version)
            throw BadReport{QStringLiteral("it was written by another version of the program")};
        Document document;
        document.title = text(root, "title");
        document.pageSize = QSizeF(number(root, "pageWidth"), number(root, "pageHeight"));
        if (!(document.pageSize.width() > 0 && document.pageSize.height() > 0))
            throw BadReport{QStringLiteral("the page size is not positive")};
        const QJsonArray m = member(root, "margins", QJsonValue::Array).toArray();
        if (m.size() != 4)
            throw BadReport{QStringLiteral("the margins need four numbers")};
        document.margins = QMarginsF(m[0].toDouble(), m[1].toDouble(), m[2].toDouble(), m[3].toDouble());
        for (const QJsonValue &pageValue : member(root, "pages", QJsonValue::Array).toArray()) {
            if (!pageValue.isObject())
                throw BadReport{QStringLiteral("a page is not an object")};
            const QJsonObject pageObject = pageValue.toObject();
            DocumentPage page;
            page.report = text(pageObject, "report");
            for (const QJsonValue &item : member(pageObject, "items", QJsonValue::Array).toArray()) {
                if (!item.isObject())
                    throw BadReport{QStringLiteral("an item is not an object")};
                page.primitives.push_back(primitiveFrom(item.toObject()));
            }
            document.pages.push_back(std::move(page));
        }
        return document;
    } catch (const BadReport &bad) {
        if (error)
            *error = QStringLiteral("The report file is damaged: %1.").arg(bad.what);
        return std::nullopt;
    }
}

bool Document::save(const QString &path, QString *error) const
{
    const QByteArray json = toJson();
    return writePrivately(
        path, [&json](QIODevice &device, QString *) { return device.write(json) == json.size(); }, error);
}

std::optional<Document> Document::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return fromJson(file.readAll(), error);
}

QString Document::fileSuffix()
{
    return QStringLiteral("wsr");
}

QString Document::fileFilter()
{
    return QStringLiteral("Worthsheet report (*.wsr)");
}

} // namespace Report
