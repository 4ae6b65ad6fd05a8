#include "system_print_dialogs.h"

#include <QPrintDialog>
#include <QPrinter>

#include "base/guarded.h"
#include "base/messages.h"
#include "base/pending_messages.h"
#include "print/engine/composite_report.h"
#include "print/engine/document_printer.h"
#include "print/engine/preview_dialog.h"
#include "run_printing.h"

SystemPrintDialogs::SystemPrintDialogs() = default;

SystemPrintDialogs::~SystemPrintDialogs() = default;

std::optional<PrintDialogs::PrinterChoice> SystemPrintDialogs::choosePrinter(QWidget *parent)
{
    m_chosen = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(m_chosen.get(), parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) {
        m_chosen.reset();
        return std::nullopt;
    }
    return PrinterChoice{m_chosen->printerName(), m_chosen->copyCount()};
}

std::unique_ptr<QPrinter> SystemPrintDialogs::printerNamed(const QString &printerName)
{
    if (m_chosen && m_chosen->printerName() == printerName)
        return std::move(m_chosen);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(printerName);
    if (printer->printerName() != printerName)
        return nullptr;
    return printer;
}

void SystemPrintDialogs::preview(Report::CompositeReport &report, QWidget *parent)
{
    Report::PreviewDialog dialog(report.layout(), parent);
    QObject::connect(&dialog, &Report::PreviewDialog::printRequested, &dialog,
                     guard([this, &dialog](const Report::Document &document) { printFromPreview(document, &dialog); }));
    dialog.exec();
}

void SystemPrintDialogs::printFromPreview(const Report::Document &document, QWidget *parent)
{
    const std::optional<PrinterChoice> choice = choosePrinter(parent);
    if (!choice)
        return;
    letPendingMessagesRun();
    printOn(*this, choice->printerName, [&](QPrinter &printer, QString *error) {
        return Report::DocumentPrinter::print(document, printer, choice->copies, error);
    });
}
