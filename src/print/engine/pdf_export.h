#pragma once

#include <QString>

class QIODevice;

namespace Report {

class Document;

// Writes a document as PDF: its fonts embedded, its title, and the program as creator. With
// a password the PDF opens only with it (see protectedPdf): it is laid out in memory and
// encrypted there, so its plain form never reaches the disk.
namespace PdfExport {
// Into a file, whole or not at all: a failed write leaves no partial file behind.
bool write(const Document &document, const QString &path, QString *error = nullptr, const QString &password = {});
// Into an open device, at the given resolution in dots per inch.
bool write(const Document &document, QIODevice &device, int resolution = 1200, QString *error = nullptr,
           const QString &password = {});
} // namespace PdfExport

} // namespace Report
