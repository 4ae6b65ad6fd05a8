#pragma once

#include <QString>
#include <QVariant>

class Table;

enum class FieldKind {
    Text,     // TEXT, never NULL once written; empty text is ''
    Float,    // REAL, NULL while empty
    Currency, // INTEGER holding ten-thousandths, NULL while empty
    Key,      // the auto-increment INTEGER PRIMARY KEY; read only
};

// The kind of a column by the type its table declares for it (pragma table_info's type and
// pk): a type naming INT is an amount in ten-thousandths, or the key when it is the primary
// key; REAL, FLOA or DOUB a float; any other a text.
FieldKind fieldKindOfDeclaredType(const QString &declaredType, bool primaryKey);

// A handle on one field of a table's current row (or of its edit buffer while the table
// is in Edit or Insert state). Cheap to copy; valid as long as its table is open.
class Field
{
public:
    Field(Table *table, int index) : m_table(table), m_index(index) {}

    QString FieldName() const;
    FieldKind Kind() const;
    int Index() const { return m_index; }

    bool IsNull() const;
    // Empty reads as ""; a float as its shortest general form with up to 15 significant
    // digits (12500, 1234.5); currency in the same form from its exact ten-thousandths.
    QString AsString() const;
    // Empty reads as 0; a text that is not a number is an EngineError.
    double AsFloat() const;
    // The text a bound field shows when printed: like AsString, but currency in the
    // system's currency format ($1,234.50).
    QString DisplayText() const;
    QVariant Value() const;

    void SetAsString(const QString &text);
    void SetAsFloat(double value);
    void SetAsCurrency(double value);
    void Clear();

    // Formatting rules shared with anything that shows stored values.
    static QString formatFloat(double value);
    static QString formatCurrencyUnits(qint64 tenThousandths);
    static QString formatCurrencyDisplay(qint64 tenThousandths);
    // Reads a number as typed ("1234.5", " -12 ", "1e3"); false when it is not one, and
    // for NaN and the infinities.
    static bool parseNumber(const QString &text, double *value);

private:
    // NaN and the infinities are never stored.
    void requireFinite(double value) const;

    Table *m_table;
    int m_index;
};
