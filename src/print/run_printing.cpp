#include "run_printing.h"

#include <QPrinter>

#include "base/messages.h"
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
