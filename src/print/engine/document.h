#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QMarginsF>
#include <QSizeF>
#include <QString>

#include "primitive.h"

namespace Report {

// One sheet: its primitives in painting order, and the report page it came from.
struct DocumentPage
{
    QString report;
    std::vector<Primitive> primitives;

    std::vector<const TextPrimitive *> texts() const;
    // The first text that reads exactly so (after `skip` earlier ones), or nullptr.
    const TextPrimitive *findText(const QString &text, int skip = 0) const;
    bool operator==(const DocumentPage &other) const = default;
};

// A laid-out report: sheets of positioned primitives in 96-dpi pixels, ready to be
// painted on any device. Its JSON form is the engine's own report file.
class Document
{
public:
    static constexpr double PixelsPerInch = 96;

    QString title;
    // Letter portrait with half-inch margins unless a report says otherwise.
    QSizeF pageSize{8.5 * PixelsPerInch, 11 * PixelsPerInch};
    QMarginsF margins{48, 48, 48, 48};
    std::vector<DocumentPage> pages;

    int pageCount() const { return int(pages.size()); }
    bool operator==(const Document &other) const = default;

    QByteArray toJson() const;
    // Empty, with the reason in *error, when the text is not a report file of ours.
    static std::optional<Document> fromJson(const QByteArray &json, QString *error = nullptr);

    // Whole or not at all: a failed write leaves any earlier file as it was.
    bool save(const QString &path, QString *error = nullptr) const;
    static std::optional<Document> load(const QString &path, QString *error = nullptr);

    // The extension and file-dialog filter of the report file.
    static QString fileFilter();
    static QString fileSuffix();
};

} // namespace Report
