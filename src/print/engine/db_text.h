#pragma once

#include <functional>

#include "text_item.h"

class Table;

namespace Report {

// A field of a data set. It prints the row its data set is printing, or else the row the
// table stands on (the table's cursor is never moved). An amount prints as money (see
// printedMoney); other values print as stored: a float in general notation with up to 15
// significant digits, a currency in the system's currency format, a text as it is. An
// empty field prints nothing.
class DBText : public TextItem
{
public:
    DBText(Table *dataSet, const QString &dataField, const QRectF &geometry);

    Table *dataSet() const { return m_dataSet; }
    QString dataField() const { return m_dataField; }

    QString printedText(const ItemContext &context) const override;
    bool isAmount() const override { return m_amount; }
    // Whether the field's value prints as money; only float and currency fields do.
    void setAmount(bool amount) { m_amount = amount; }

    // A stored value of the given kind as a bound text prints it.
    static QString printedValue(const QVariant &value, FieldKind kind, bool amount = false);

    // What the value prints as instead, given the text it would print (a copy that hides
    // part of it); unset, it prints as it is.
    using ShownAs = std::function<QString(const QString &printed)>;
    void setShownAs(ShownAs shownAs) { m_shownAs = std::move(shownAs); }

private:
    QString storedText(const ItemContext &context) const;

    ShownAs m_shownAs;
    Table *m_dataSet;
    QString m_dataField;
    bool m_amount = false;
};

} // namespace Report
