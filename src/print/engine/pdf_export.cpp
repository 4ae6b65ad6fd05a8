#include "pdf_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include "canvas.h"
#include "document.h"
#include "pdf_protection.h"
#include "private_file.h"
#include "version.h"

namespace Report {

namespace {

bool writePlain(const Document &document, QIODevice &device, int resolution, QString *error)
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

} // namespace

bool PdfExport::write(const Document &document, QIODevice &device, int resolution, QString *error,
                      const QString &password)
{
    if (password.isEmpty())
        return writePlain(document, device, resolution, error);
    QByteArray plain;
    QBuffer memory(&plain);
    memory.open(QIODevice::WriteOnly);
    bool written = writePlain(document, memory, resolution, error);
    memory.close();
    QByteArray sealed;
    if (written) {
        sealed = protectedPdf(plain, password, error);
        written = !sealed.isEmpty();
    }
    plain.fill('\0'); // the plain copy is wiped once sealed
    if (written && device.write(sealed) != sealed.size()) {
        if (error)
            *error = device.errorString();
        written = false;
    }
    return written;
}

bool PdfExport::write(const Document &document, const QString &path, QString *error, const QString &password)
{
    return writePrivately(
        path, [&](QIODevice &device, QString *why) { return write(document, device, 1200, why, password); }, error);
}

} // namespace Report
