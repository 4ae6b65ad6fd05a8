#include "report_item.h"

namespace Report {

const TableRow *ItemContext::rowOf(const Table *table) const
{
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        if (it->table == table)
            return it->row;
    return nullptr;
}

ReportItem::ReportItem(const QRectF &geometry) : m_geometry(geometry) {}

ReportItem::~ReportItem() = default;

double ReportItem::layout(const ItemContext &context, DocumentPage &page) const
{
    return m_enabled ? layoutEnabled(context, page) : 0;
}

} // namespace Report
