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
    };

    virtual ~PrintDialogs() = default;

    // The printer and number of copies chosen, or nothing when the user cancels.
    virtual std::optional<PrinterChoice> choosePrinter(QWidget *parent) = 0;
    // The printer of that name, or nullptr when it cannot be had.
    virtual std::unique_ptr<QPrinter> printerNamed(const QString &printerName) = 0;
    // Shows the composite's document until the user closes the preview.
    virtual void preview(Report::CompositeReport &report, QWidget *parent) = 0;
};
