#include "composite_report.h"

#include <QPrinter>

#include "document_printer.h"
#include "pdf_export.h"
#include "report_layout.h"
#include "report_page.h"

namespace Report {

Document CompositeReport::layout()
{
    m_reports.clear();
    if (m_addReports)
        m_addReports(*this);
    Document document;
    document.title = m_title;
    if (!m_reports.empty()) {
        document.pageSize = m_reports.front()->pageSizePixels();
        document.margins = m_reports.front()->marginsPixels();
    }
    ReportLayout layout(document);
    for (ReportPage *page : m_reports)
        layout.addPage(*page);
    return document;
}

bool CompositeReport::writePdf(const QString &path, QString *error)
{
    return PdfExport::write(layout(), path, error);
}

bool CompositeReport::print(QPrinter &printer, QString *error)
{
    return DocumentPrinter::print(layout(), printer, m_printerSettings.copies, error);
}

} // namespace Report
