#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include "band.h"

class Table;

namespace Report {

// One report page object: paper, margins and options, an optional data set, the
// before-print event and its bands. Positions are 96-dpi pixels.
class ReportPage
{
public:
    struct Options
    {
        bool firstPageHeader = true; // the first sheet prints the page header
        bool lastPageFooter = true;  // the last sheet prints the page footer
        bool printIfEmpty = true;    // the page prints when its data set has no rows
    };
    // Runs once before the page is laid out; clearing printReport leaves the page out.
    using BeforePrint = std::function<void(ReportPage &page, bool &printReport)>;

    explicit ReportPage(const QString &name);
    virtual ~ReportPage();
    ReportPage(const ReportPage &) = delete;
    ReportPage &operator=(const ReportPage &) = delete;

    QString name() const { return m_name; }

    QPageSize paperSize() const { return m_paperSize; }
    void setPaperSize(const QPageSize &size) { m_paperSize = size; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    // In millimetres.
    QMarginsF margins() const { return m_margins; }
    void setMargins(const QMarginsF &millimetres) { m_margins = millimetres; }
    Options &options() { return m_options; }
    const Options &options() const { return m_options; }

    // The paper, its margins and the printable area in 96-dpi pixels.
    QSizeF pageSizePixels() const;
    QMarginsF marginsPixels() const;
    QSizeF printableSizePixels() const;

    Table *dataSet() const { return m_dataSet; }
    void setDataSet(Table *table) { m_dataSet = table; }
    void setBeforePrint(BeforePrint handler) { m_beforePrint = std::move(handler); }
    const BeforePrint &beforePrint() const { return m_beforePrint; }

    Band &addBand(BandKind kind, double height);
    const std::vector<std::unique_ptr<Band>> &bands() const { return m_bands; }
    // The first band of that kind.
    Band *band(BandKind kind) const;
    // The sub-detail bands in their order.
    std::vector<Band *> subDetails() const;

    ReportItem *item(const QString &name) const;
    template <class Item>
    Item *findItem(const QString &name) const
    {
        return dynamic_cast<Item *>(item(name));
    }

private:
    QString m_name;
    QPageSize m_paperSize{QPageSize::Letter};
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QMarginsF m_margins{12.7, 12.7, 12.7, 12.7};
    Options m_options;
    Table *m_dataSet = nullptr;
    BeforePrint m_beforePrint;
    std::vector<std::unique_ptr<Band>> m_bands;
};

} // namespace Report
