#include "system_print_dialogs.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "base/guarded.h"
#include "base/messages.h"
#include "base/pending_messages.h"
#include "print/engine/composite_report.h"
#include "print/engine/document_printer.h"
#include "print/engine/preview_dialog.h"
#include "run_printing.h"

SystemPrintDialogs::SystemPrintDialogs() = default;

SystemPrintDialogs::~SystemPrintDialogs() = default;

bool SystemPrintDialogs::printerInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::optional<PrintDialogs::PrinterChoice> SystemPrintDialogs::choosePrinter(QWidget *parent, int pageCount)
{
    m_chosen = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(m_chosen.get(), parent);
    // The range the dialog offers is the document's, and the one chosen is printed.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                      | QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, std::max(1, pageCount));
    m_chosen->setPrintRange(QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted) {
        m_chosen.reset();
        return std::nullopt;
    }
    PrinterChoice choice{m_chosen->printerName(), m_chosen->copyCount()};
    if (m_chosen->printRange() == QPrinter::PageRange) {
        choice.fromPage = m_chosen->fromPage();
        choice.toPage = m_chosen->toPage();
    }
    return choice;
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
    dialog.setProposedFileName(report.fileName());
    QObject::connect(&dialog, &Report::PreviewDialog::printRequested, &dialog,
                     guard([this, &dialog](const Report::Document &document) { printFromPreview(document, &dialog); }));
    dialog.exec();
}

void SystemPrintDialogs::printFromPreview(const Report::Document &document, QWidget *parent)
{
    if (!ensurePrinterInstalled(*this))
        return;
    const std::optional<PrinterChoice> choice = choosePrinter(parent, document.pageCount());
    if (!choice)
        return;
    letPendingMessagesRun();
    printOn(*this, choice->printerName, [&](QPrinter &printer, QString *error) {
        return Report::DocumentPrinter::print(document, printer, choice->copies, error,
                                              {choice->fromPage, choice->toPage});
    });
}
