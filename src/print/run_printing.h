#pragma once

#include <functional>

#include <QString>

class PrintDialogs;
class QPrinter;
class QWidget;

namespace Report {
class CompositeReport;
}

// True when a printer is installed; otherwise tells the user so (nothing can print).
bool ensurePrinterInstalled(PrintDialogs &dialogs);

// Prints on the printer of that name through `print`. When the printer cannot be had or
// printing fails the user is told so, since nothing came out of the printer. True when
// printed.
bool printOn(PrintDialogs &dialogs, const QString &printerName,
             const std::function<bool(QPrinter &printer, QString *error)> &print);

// Print as the print button does: tells the user when no printer is installed, lays the
// composite out so the dialog offers its own sheets, and prints the printer, copies and
// sheets chosen. A cancelled dialog prints nothing and says nothing.
void printThroughDialog(PrintDialogs &dialogs, QWidget *parent, Report::CompositeReport &composite);
