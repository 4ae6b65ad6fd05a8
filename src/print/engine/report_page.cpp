#include "report_page.h"

#include "document.h"

namespace Report {

ReportPage::ReportPage(const QString &name) : m_name(name) {}

ReportPage::~ReportPage() = default;

QSizeF ReportPage::pageSizePixels() const
{
    const QSizeF inches = m_paperSize.size(QPageSize::Inch);
    const QSizeF pixels = inches * Document::PixelsPerInch;
    return m_orientation == QPageLayout::Portrait ? pixels : pixels.transposed();
}

QMarginsF ReportPage::marginsPixels() const
{
    return m_margins * (Document::PixelsPerInch / 25.4);
}

QSizeF ReportPage::printableSizePixels() const
{
    const QSizeF page = pageSizePixels();
    const QMarginsF m = marginsPixels();
    return {page.width() - m.left() - m.right(), page.height() - m.top() - m.bottom()};
}

Band &ReportPage::addBand(BandKind kind, double height)
{
    m_bands.push_back(std::make_unique<Band>(kind, height));
    return *m_bands.back();
}

Band *ReportPage::band(BandKind kind) const
{
    for (const auto &band : m_bands)
        if (band->kind() == kind)
            return band.get();
    return nullptr;
}

std::vector<Band *> ReportPage::subDetails() const
{
    std::vector<Band *> found;
    for (const auto &band : m_bands)
        if (band->kind() == BandKind::SubDetail)
            found.push_back(band.get());
    return found;
}

ReportItem *ReportPage::item(const QString &name) const
{
    for (const auto &band : m_bands)
        if (ReportItem *found = band->item(name))
            return found;
    return nullptr;
}

} // namespace Report
