#include "composite_report.h"

#include <QPrinter>

#include "document_printer.h"
#include "label.h"
#include "pdf_export.h"
#include "report_layout.h"
#include "report_page.h"

namespace Report {

namespace {

// The sheet footer's line, in 96-dpi pixels: how far below the frame it stands (clear of the
// frame above and of the paper's unprintable edge), its size, and its three places from the
// left margin: the holder, the statement date (centred) and "Page n of N" (to the right).
constexpr double FooterBelowFrame = 10;
constexpr double FooterPointSize = 7;
constexpr double HolderLeft = 0;
constexpr double HolderWidth = 330;
constexpr double DateLeft = 340;
constexpr double DateWidth = 230;
constexpr double PageNumberWidth = 140;

} // namespace

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
    const double top = document.pageSize.height() - document.margins.bottom() + FooterBelowFrame;
    const double left = document.margins.left();
    const double width = document.pageSize.width() - left - document.margins.right();
    ReportFont font;
    font.pointSize = FooterPointSize;
    auto label = [&](const QString &text, double x, double w, Qt::Alignment alignment) {
        auto item = std::make_unique<Label>(text, QRectF(x, 0, w, 0));
        item->setFont(font);
        item->setAlignment(alignment);
        return item;
    };
    std::vector<std::unique_ptr<Label>> onEverySheet;
    if (!footer.holder.isEmpty())
        onEverySheet.push_back(label(footer.holder, HolderLeft, HolderWidth, Qt::AlignLeft));
    if (!footer.statementDate.isEmpty())
        onEverySheet.push_back(
            label(QStringLiteral("Statement date: ") + footer.statementDate, DateLeft, DateWidth, Qt::AlignHCenter));
    const int count = document.pageCount();
    for (int i = 0; i < count; ++i) {
        DocumentPage &sheet = document.pages[size_t(i)];
        const ItemContext context{QPointF(left, top), {}, left, left + width};
        for (const auto &item : onEverySheet)
            item->layout(context, sheet);
        label(QStringLiteral("Page %1 of %2").arg(i + 1).arg(count), width - PageNumberWidth, PageNumberWidth,
              Qt::AlignRight)
            ->layout(context, sheet);
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
