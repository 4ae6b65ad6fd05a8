#pragma once

#include <QString>

class QPrinter;

namespace Report {

class Document;

// Prints a document on a printer, every copy exactly once: a printer that makes copies
// itself gets the count before printing begins and the document once; any other gets
// the document drawn once per copy.
namespace DocumentPrinter {
bool print(const Document &document, QPrinter &printer, int copies, QString *error = nullptr);
} // namespace DocumentPrinter

} // namespace Report
