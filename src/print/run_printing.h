#pragma once

#include <functional>

#include <QString>

class PrintDialogs;
class QPrinter;

// True when a printer is installed; otherwise tells the user so (nothing can print).
bool ensurePrinterInstalled(PrintDialogs &dialogs);

// Prints on the printer of that name through `print`. When the printer cannot be had or
// printing fails the user is told so, since nothing came out of the printer. True when
// printed.
bool printOn(PrintDialogs &dialogs, const QString &printerName,
             const std::function<bool(QPrinter &printer, QString *error)> &print);
