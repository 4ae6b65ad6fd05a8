#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "document.h"

class QPrinter;

namespace Report {

class ReportPage;

// What a composite prints on: the name of the printer chosen for it, by which its owner
// finds the printer, and how many copies.
struct PrinterSettings
{
    QString printerName;
    int copies = 1;
    // The sheets to print, from 1; 0 and 0 for all.
    int fromPage = 0;
    int toPage = 0;
};

// What identifies every sheet of a run, printed in its bottom margin: the holder's name(s)
// and the statement date when given, and always "Page n of N" for the whole run.
struct SheetFooter
{
    QString holder;
    QString statementDate;
};

// Chains report pages into one document, in the order of its list, each page starting on
// a new sheet. The list is filled by the add-reports event each time the composite is
// built; the composite does not own the pages.
class CompositeReport
{
public:
    using AddReports = std::function<void(CompositeReport &composite)>;

    CompositeReport() = default;
    CompositeReport(const CompositeReport &) = delete;
    CompositeReport &operator=(const CompositeReport &) = delete;

    void setAddReports(AddReports handler) { m_addReports = std::move(handler); }
    void addReport(ReportPage *page) { m_reports.push_back(page); }
    const std::vector<ReportPage *> &reports() const { return m_reports; }
    // Forgets the pages, which are about to go.
    void clearReports() { m_reports.clear(); }

    QString title() const { return m_title; }
    // The name a saved copy of the document is proposed under.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    void setTitle(const QString &title) { m_title = title; }
    // Read each time the composite is built; without it the sheets carry no footer.
    void setSheetFooter(std::function<SheetFooter()> footer) { m_sheetFooter = std::move(footer); }
    PrinterSettings &printerSettings() { return m_printerSettings; }
    const PrinterSettings &printerSettings() const { return m_printerSettings; }

    // Refills the list through the add-reports event and lays every page out.
    Document layout();
    // The laid-out document as a PDF file; whole or not at all.
    bool writePdf(const QString &path, QString *error = nullptr);
    // The laid-out document on the printer (the one its settings name), with the copies and
    // the sheets of the printer settings.
    bool print(QPrinter &printer, QString *error = nullptr);
    bool print(const Document &document, QPrinter &printer, QString *error = nullptr) const;

private:
    static void addSheetFooters(Document &document, const SheetFooter &footer);

    AddReports m_addReports;
    std::function<SheetFooter()> m_sheetFooter;
    std::vector<ReportPage *> m_reports;
    QString m_title;
    QString m_fileName;
    PrinterSettings m_printerSettings;
};

} // namespace Report
