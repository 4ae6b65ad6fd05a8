#include "db_text.h"

#include <QLocale>

#include "data/engine/field.h"
#include "data/engine/table.h"
#include "money.h"

namespace Report {

DBText::DBText(Table *dataSet, const QString &dataField, const QRectF &geometry)
    : TextItem(geometry), m_dataSet(dataSet), m_dataField(dataField)
{
}

QString DBText::printedText(const ItemContext &context) const
{
    return m_shownAs ? m_shownAs(storedText(context)) : storedText(context);
}

QString DBText::storedText(const ItemContext &context) const
{
    const Field field = m_dataSet->FieldByName(m_dataField);
    if (const TableRow *row = context.rowOf(m_dataSet))
        return printedValue(row->values[field.Index()], field.Kind(), m_amount);
    return printedValue(field.Value(), field.Kind(), m_amount);
}

QString DBText::printedValue(const QVariant &value, FieldKind kind, bool amount)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Double:
        return amount ? printedMoney(value.toDouble()) : Field::formatFloat(value.toDouble());
    case QMetaType::LongLong:
        if (kind == FieldKind::Currency) {
            const double dollars = double(value.toLongLong()) / 10000.0;
            return amount ? printedMoney(dollars) : QLocale().toCurrencyString(dollars);
        }
        return amount ? printedMoney(double(value.toLongLong())) : QString::number(value.toLongLong());
    default:
        return value.toString();
    }
}

} // namespace Report
