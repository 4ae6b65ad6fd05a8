#pragma once

#include <QString>

class QPrinter;

namespace Report {

class Document;

// Prints a document on a printer, every copy exactly once: a printer that makes copies
// itself gets the count before printing begins and the document once; any other gets
// the document drawn once per copy. A range prints only its sheets (from 1, both ends
// included); the empty range prints them all.
namespace DocumentPrinter {
struct SheetRange
{
    int from = 0;
    int to = 0;
};
bool print(const Document &document, QPrinter &printer, int copies, QString *error = nullptr, SheetRange range = {});
} // namespace DocumentPrinter

} // namespace Report
