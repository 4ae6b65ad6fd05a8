#pragma once

#include <optional>
#include <vector>

#include <QMap>
#include <QRectF>
#include <QString>

// Reads a PDF back with poppler's tools, as a reader of the file would see it.

struct PdfWord
{
    int page = 0;  // from 1
    QString text;
    QRectF box;    // 96-dpi pixels from the page's top-left corner
};

struct PdfFont
{
    QString name;
    QString type;
    bool embedded = false;
    bool subset = false;
};

// The words of every page (pdftotext -bbox).
std::vector<PdfWord> pdfWords(const QString &path);
// The fonts used (pdffonts).
std::vector<PdfFont> pdfFonts(const QString &path);
// The document information (pdfinfo): Title, Creator, Pages, Page size ...
QMap<QString, QString> pdfInfo(const QString &path);
// A run of words reading a phrase. A reader joins words set close together, so the run may
// begin inside its first word or end inside its last; only the edges it does not share
// with a neighbour are exact.
struct PdfPhrase
{
    QRectF box;
    bool leftExact = true;
    bool rightExact = true;
};

// The run of words on the page reading `phrase` (words split at blanks) nearest to `near`.
std::optional<PdfPhrase> findPhrase(const std::vector<PdfWord> &words, int page, const QString &phrase,
                                    QPointF near);
