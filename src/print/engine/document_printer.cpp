#include "document_printer.h"

#include <algorithm>

#include <QPainter>
#include <QPrinter>

#include "canvas.h"
#include "document.h"

namespace Report {

bool DocumentPrinter::print(const Document &document, QPrinter &printer, int copies, QString *error, SheetRange range)
{
    const int count = document.pageCount();
    const int firstSheet = range.from > 0 ? std::min(range.from, count) : 1;
    const int lastSheet = count == 0 ? 0 : range.to > 0 ? std::clamp(range.to, firstSheet, count) : count;
    copies = std::max(1, copies);
    printer.setDocName(document.title);
    printer.setFromTo(0, 0);
    printer.setPrintRange(QPrinter::AllPages);
    Canvas::preparePage(document, printer);
    printer.setCopyCount(copies);
    const bool printerMakesCopies = printer.supportsMultipleCopies();
    if (!printerMakesCopies)
        printer.setCopyCount(1);
    const int passes = printerMakesCopies ? 1 : copies;

    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("The printer \"%1\" could not be started.").arg(printer.printerName());
        return false;
    }
    Canvas canvas(painter);
    bool first = true;
    for (int pass = 0; pass < passes; ++pass) {
        for (int sheet = firstSheet; sheet <= lastSheet; ++sheet) {
            const DocumentPage &page = document.pages[size_t(sheet - 1)];
            if (!first && !printer.newPage()) {
                painter.end();
                if (error)
                    *error = QStringLiteral("The printer \"%1\" stopped printing.").arg(printer.printerName());
                return false;
            }
            first = false;
            canvas.paintPage(page);
        }
    }
    if (!painter.end()) {
        if (error)
            *error = QStringLiteral("The printer \"%1\" could not finish printing.").arg(printer.printerName());
        return false;
    }
    return true;
}

} // namespace Report
