#include "pdf_export.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include "canvas.h"
#include "document.h"
#include "private_file.h"
#include "version.h"

namespace Report {

bool PdfExport::write(const Document &document, QIODevice &device, int resolution, QString *error)
{
    QPdfWriter writer(&device);
    writer.setResolution(resolution);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Worthsheet %1").arg(QStringLiteral(WORTHSHEET_VERSION)));
    Canvas::preparePage(document, writer);
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = QStringLiteral("The PDF could not be started.");
        return false;
    }
    Canvas canvas(painter);
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        canvas.paintPage(document.pages[size_t(i)]);
    }
    if (!painter.end()) {
        if (error)
            *error = QStringLiteral("The PDF could not be completed.");
        return false;
    }
    return true;
}

bool PdfExport::write(const Document &document, const QString &path, QString *error)
{
    return writePrivately(
        path, [&](QIODevice &device, QString *why) { return write(document, device, 1200, why); }, error);
}

} // namespace Report
