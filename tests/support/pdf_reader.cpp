#include "support/pdf_reader.h"

#include <cmath>

#include <QProcess>
#include <QXmlStreamReader>

namespace {

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

constexpr double PointsToPixels = 96.0 / 72.0;

} // namespace

std::vector<PdfWord> pdfWords(const QString &path)
{
    std::vector<PdfWord> words;
    QXmlStreamReader xml(run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            ++page;
        } else if (xml.name() == QLatin1String("word")) {
            const auto a = xml.attributes();
            const double x0 = a.value(QLatin1String("xMin")).toDouble(), y0 = a.value(QLatin1String("yMin")).toDouble();
            const double x1 = a.value(QLatin1String("xMax")).toDouble(), y1 = a.value(QLatin1String("yMax")).toDouble();
            words.push_back({page, xml.readElementText(),
                             QRectF(QPointF(x0, y0) * PointsToPixels, QPointF(x1, y1) * PointsToPixels)});
        }
    }
    return words;
}

std::vector<PdfFont> pdfFonts(const QString &path)
{
    std::vector<PdfFont> fonts;
    const QList<QByteArray> lines = run(QStringLiteral("pdffonts"), {path}).split('\n');
    // Two heading lines; then name, type (one or two words), encoding, emb, sub, uni, object, generation.
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList columns = QString::fromUtf8(lines[i]).simplified().split(u' ');
        if (columns.size() < 7)
            continue;
        PdfFont font;
        font.name = columns.first();
        font.type = columns.mid(1, columns.size() - 7).join(u' ');
        font.embedded = columns[columns.size() - 5] == QLatin1String("yes");
        font.subset = columns[columns.size() - 4] == QLatin1String("yes");
        fonts.push_back(font);
    }
    return fonts;
}

QMap<QString, QString> pdfInfo(const QString &path)
{
    QMap<QString, QString> info;
    for (const QByteArray &line : run(QStringLiteral("pdfinfo"), {path}).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            info.insert(QString::fromUtf8(line.left(colon)), QString::fromUtf8(line.mid(colon + 1)).trimmed());
    }
    return info;
}

std::optional<PdfPhrase> findPhrase(const std::vector<PdfWord> &words, int page, const QString &phrase,
                                    QPointF near)
{
    const QStringList parts = phrase.split(u' ', Qt::SkipEmptyParts);
    std::optional<PdfPhrase> best;
    double bestDistance = 0;
    for (size_t i = 0; !parts.isEmpty() && i + size_t(parts.size()) <= words.size(); ++i) {
        PdfPhrase found;
        bool match = true;
        for (qsizetype k = 0; k < parts.size() && match; ++k) {
            const PdfWord &w = words[i + size_t(k)];
            const bool first = k == 0, last = k == parts.size() - 1;
            if (w.page != page) {
                match = false;
            } else if (w.text == parts[k]) {
            } else if (first && w.text.endsWith(parts[k])) {
                found.leftExact = false;
            } else if (last && w.text.startsWith(parts[k])) {
                found.rightExact = false;
            } else {
                match = false;
            }
            found.box = first ? w.box : found.box.united(w.box);
        }
        if (!match)
            continue;
        // A word read exactly is preferred to one joined with a neighbour.
        const bool exact = found.leftExact && found.rightExact;
        const double distance = std::hypot(found.box.left() - near.x(), found.box.top() - near.y()) + (exact ? 0 : 100);
        if (!best || distance < bestDistance) {
            best = found;
            bestDistance = distance;
        }
    }
    return best;
}
