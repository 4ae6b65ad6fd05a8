#include "run_printing.h"

#include <QPrinter>

#include "base/messages.h"
#include "base/pending_messages.h"
#include "print/engine/composite_report.h"
#include "print_dialogs.h"

bool ensurePrinterInstalled(PrintDialogs &dialogs)
{
    if (dialogs.printerInstalled())
        return true;
    Messages::current().show(Messages::Kind::Warning,
                             QStringLiteral("No printer is installed, so nothing was printed.\n\r"
                                            "Install a printer, or use Preview and save the statement as a PDF file."));
    return false;
}

bool printOn(PrintDialogs &dialogs, const QString &printerName,
             const std::function<bool(QPrinter &printer, QString *error)> &print)
{
    const std::unique_ptr<QPrinter> printer = dialogs.printerNamed(printerName);
    QString error;
    if (!printer)
        error = QStringLiteral("The printer \"%1\" is not available.").arg(printerName);
    else if (print(*printer, &error))
        return true;
    Messages::current().show(Messages::Kind::Error, error.isEmpty() ? QStringLiteral("Printing failed.") : error);
    return false;
}

void printThroughDialog(PrintDialogs &dialogs, QWidget *parent, Report::CompositeReport &composite)
{
    if (!ensurePrinterInstalled(dialogs))
        return;
    const Report::Document document = composite.layout();
    const std::optional<PrintDialogs::PrinterChoice> choice = dialogs.choosePrinter(parent, document.pageCount());
    if (!choice)
        return;
    letPendingMessagesRun();
    Report::PrinterSettings &settings = composite.printerSettings();
    settings.printerName = choice->printerName;
    settings.copies = choice->copies;
    settings.fromPage = choice->fromPage;
    settings.toPage = choice->toPage;
    printOn(dialogs, settings.printerName,
            [&](QPrinter &printer, QString *error) { return composite.print(document, printer, error); });
}
