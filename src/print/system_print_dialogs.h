#pragma once

#include "print_dialogs.h"

namespace Report {
class Document;
}

// The real dialogs: the system print dialog, the printers it offers (a file among them),
// and the preview window, whose Print goes through the same dialog.
class SystemPrintDialogs : public PrintDialogs
{
public:
    SystemPrintDialogs();
    ~SystemPrintDialogs() override;

    bool printerInstalled() override;
    std::optional<PrinterChoice> choosePrinter(QWidget *parent, int pageCount) override;
    std::unique_ptr<QPrinter> printerNamed(const QString &printerName) override;
    void preview(Report::CompositeReport &report, QWidget *parent) override;

private:
    void printFromPreview(const Report::Document &document, QWidget *parent);

    // The printer the dialog set up, kept for printing what was chosen on it (an output
    // file included).
    std::unique_ptr<QPrinter> m_chosen;
};
