#pragma once

#include <span>

#include <QPointF>
#include <QRectF>
#include <QString>

#include "data/engine/table.h"

namespace Report {

struct DocumentPage;

// The row a data set is printing while its band is laid out.
struct BoundRow
{
    const Table *table = nullptr;
    const TableRow *row = nullptr;
};

// Where an item is laid out: the top-left corner of its band on the sheet, and the rows
// the enclosing data sets are printing (innermost last).
struct ItemContext
{
    QPointF origin;
    std::span<const BoundRow> rows;
    // Where the band's frame leaves room for text on the sheet, left and right; a text
    // that would run past them wraps or grows inside instead. Empty: no limit.
    double innerLeft = 0;
    double innerRight = 0;

    const TableRow *rowOf(const Table *table) const;
};

// Something placed on a band in 96-dpi pixels from the band's top-left corner. A
// disabled item leaves its place blank; the before-print event may switch it.
class ReportItem
{
public:
    explicit ReportItem(const QRectF &geometry);
    virtual ~ReportItem();
    ReportItem(const ReportItem &) = delete;
    ReportItem &operator=(const ReportItem &) = delete;

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    QRectF geometry() const { return m_geometry; }
    void setGeometry(const QRectF &geometry) { m_geometry = geometry; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    // Adds the item's primitives to the sheet, when it is enabled. Answers how much taller
    // than its place the item printed (a text wrapped onto further lines), 0 when it kept it.
    double layout(const ItemContext &context, DocumentPage &page) const;

protected:
    virtual double layoutEnabled(const ItemContext &context, DocumentPage &page) const = 0;

private:
    QString m_name;
    QRectF m_geometry;
    bool m_enabled = true;
};

} // namespace Report
