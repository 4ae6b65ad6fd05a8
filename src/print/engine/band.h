#pragma once

#include <memory>
#include <vector>

#include <QColor>

#include "report_item.h"

class Table;

namespace Report {

enum class BandKind { PageHeader, Title, Detail, SubDetail, GroupHeader, GroupFooter, Summary, PageFooter };

// Lines drawn inside the band's edges.
struct FrameLines
{
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
    double width = 1;
    QColor color = Qt::black;

    static FrameLines all(double width);
    bool any() const { return top || bottom || left || right; }
};

// A horizontal strip of a report page, as wide as the page's printable area, holding
// items placed from its top-left corner. A sub-detail band prints once per row of its own
// data set, between its optional group header and footer.
class Band
{
public:
    Band(BandKind kind, double height);
    ~Band();
    Band(const Band &) = delete;
    Band &operator=(const Band &) = delete;

    BandKind kind() const { return m_kind; }
    double height() const { return m_height; }
    void setHeight(double height) { m_height = height; }
    FrameLines &frame() { return m_frame; }
    const FrameLines &frame() const { return m_frame; }

    template <class Item, class... Args>
    Item &add(Args &&...args)
    {
        return static_cast<Item &>(addItem(std::make_unique<Item>(std::forward<Args>(args)...)));
    }
    ReportItem &addItem(std::unique_ptr<ReportItem> item);
    const std::vector<std::unique_ptr<ReportItem>> &items() const { return m_items; }
    ReportItem *item(const QString &name) const;

    // Sub-detail bands only.
    Table *dataSet() const { return m_dataSet; }
    void setDataSet(Table *table) { m_dataSet = table; }
    Band &addGroupHeader(double height);
    Band &addGroupFooter(double height);
    Band *groupHeader() const { return m_groupHeader.get(); }
    Band *groupFooter() const { return m_groupFooter.get(); }
    // With no rows, the group header and footer print only when this is set.
    bool printIfEmpty() const { return m_printIfEmpty; }
    void setPrintIfEmpty(bool print) { m_printIfEmpty = print; }
    // A sheet that continues the rows starts with the group header again.
    bool repeatHeaderOnNewSheet() const { return m_repeatHeader; }
    void setRepeatHeaderOnNewSheet(bool repeat) { m_repeatHeader = repeat; }

    // Adds the band's frame and items to the sheet, its top-left corner at origin. Answers
    // the height it took: its own, or more where a text wrapped onto further lines (what
    // lies below that text moves down, rules across it stretch).
    double layout(const ItemContext &context, double width, DocumentPage &page) const;

private:
    BandKind m_kind;
    double m_height;
    FrameLines m_frame;
    std::vector<std::unique_ptr<ReportItem>> m_items;
    Table *m_dataSet = nullptr;
    std::unique_ptr<Band> m_groupHeader;
    std::unique_ptr<Band> m_groupFooter;
    bool m_printIfEmpty = false;
    bool m_repeatHeader = false;
};

} // namespace Report
