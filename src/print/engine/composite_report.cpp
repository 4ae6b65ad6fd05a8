#include "composite_report.h"

#include <QPrinter>

#include "document_printer.h"
#include "label.h"
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
    if (m_sheetFooter)
        addSheetFooters(document, m_sheetFooter());
    return document;
}

void CompositeReport::addSheetFooters(Document &document, const SheetFooter &footer)
{
    // In the bottom margin, clear of the frame above and of the paper's unprintable edge.
    const double top = document.pageSize.height() - document.margins.bottom() + 10;
    const double left = document.margins.left();
    const double width = document.pageSize.width() - left - document.margins.right();
    ReportFont font;
    font.pointSize = 7;
    auto label = [&](const QString &text, double x, double w, Qt::Alignment alignment) {
        auto item = std::make_unique<Label>(text, QRectF(x, 0, w, 0));
        item->setFont(font);
        item->setAlignment(alignment);
        return item;
    };
    std::vector<std::unique_ptr<Label>> onEverySheet;
    if (!footer.holder.isEmpty())
        onEverySheet.push_back(label(footer.holder, 0, 330, Qt::AlignLeft));
    if (!footer.statementDate.isEmpty())
        onEverySheet.push_back(
            label(QStringLiteral("Statement date: ") + footer.statementDate, 340, 230, Qt::AlignHCenter));
    const int count = document.pageCount();
    for (int i = 0; i < count; ++i) {
        DocumentPage &sheet = document.pages[size_t(i)];
        const ItemContext context{QPointF(left, top), {}, left, left + width};
        for (const auto &item : onEverySheet)
            item->layout(context, sheet);
        label(QStringLiteral("Page %1 of %2").arg(i + 1).arg(count), width - 140, 140, Qt::AlignRight)->layout(context, sheet);
    }
}

bool CompositeReport::writePdf(const QString &path, QString *error)
{
    return PdfExport::write(layout(), path, error);
}

bool CompositeReport::print(QPrinter &printer, QString *error)
{
    return print(layout(), printer, error);
}

bool CompositeReport::print(const Document &document, QPrinter &printer, QString *error) const
{
    return DocumentPrinter::print(document, printer, m_printerSettings.copies, error,
                                  {m_printerSettings.fromPage, m_printerSettings.toPage});
}

} // namespace Report
