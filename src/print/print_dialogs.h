#pragma once

#include <memory>
#include <optional>

#include <QString>

class QPrinter;
class QWidget;

namespace Report {
class CompositeReport;
}

// What the print window asks of the user and the platform: the print dialog, the printer
// it names, and the preview. The program shows the real dialogs; tests, which cannot drive
// a modal dialog or a real printer, put in their own.
class PrintDialogs
{
public:
    struct PrinterChoice
    {
        QString printerName;
        int copies = 1;
        // The sheets chosen, from 1; 0 and 0 for the whole document.
        int fromPage = 0;
        int toPage = 0;
    };

    virtual ~PrintDialogs() = default;

    // Whether any printer is installed at all.
    virtual bool printerInstalled() = 0;
    // The printer, copies and sheets chosen for a document of `pageCount` sheets, or nothing
    // when the user cancels.
    virtual std::optional<PrinterChoice> choosePrinter(QWidget *parent, int pageCount) = 0;
    // The printer of that name, or nullptr when it cannot be had.
    virtual std::unique_ptr<QPrinter> printerNamed(const QString &printerName) = 0;
    // Shows the composite's document until the user closes the preview.
    virtual void preview(Report::CompositeReport &report, QWidget *parent) = 0;
};
