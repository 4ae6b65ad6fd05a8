#pragma once

#include <QString>

class QIODevice;

namespace Report {

class Document;

// Writes a document as PDF: its fonts embedded, its title, and the program as creator.
namespace PdfExport {
// Into a file, whole or not at all: a failed write leaves no partial file behind.
bool write(const Document &document, const QString &path, QString *error = nullptr);
// Into an open device, at the given resolution in dots per inch.
bool write(const Document &document, QIODevice &device, int resolution = 1200, QString *error = nullptr);
} // namespace PdfExport

} // namespace Report
