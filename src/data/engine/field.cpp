#include "field.h"

#include <cmath>
#include <limits>

#include <QLocale>

#include "engine_error.h"
#include "table.h"

namespace {

// Ten-thousandths of the value, rounded to the nearest, ties to even.
qint64 toTenThousandths(double value, const QString &fieldName)
{
    const double scaled = std::nearbyint(value * 10000.0);
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18)
        throw EngineError(QStringLiteral("%1 is out of range for the currency field '%2'")
                              .arg(Field::formatFloat(value), fieldName));
    return qint64(scaled);
}

} // namespace

FieldKind fieldKindOfDeclaredType(const QString &declaredType, bool primaryKey)
{
    const QString type = declaredType.toUpper();
    if (type.contains(QStringLiteral("INT")))
        return primaryKey ? FieldKind::Key : FieldKind::Currency;
    if (type.contains(QStringLiteral("REAL")) || type.contains(QStringLiteral("FLOA"))
        || type.contains(QStringLiteral("DOUB")))
        return FieldKind::Float;
    return FieldKind::Text;
}

QString Field::FieldName() const
{
    return m_table->column(m_index).name;
}

FieldKind Field::Kind() const
{
    return m_table->column(m_index).kind;
}

QVariant Field::Value() const
{
    return m_table->value(m_index);
}

bool Field::IsNull() const
{
    const QVariant v = Value();
    return !v.isValid() || v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

QString Field::formatFloat(double value)
{
    // %g with 15 significant digits: the shortest general form without noise digits.
    QString text = QString::number(value, 'g', 15);
    return text;
}

QString Field::formatCurrencyUnits(qint64 tenThousandths)
{
    const bool negative = tenThousandths < 0;
    const quint64 magnitude = negative ? quint64(-(tenThousandths + 1)) + 1 : quint64(tenThousandths);
    QString text = QString::number(magnitude / 10000);
    quint64 fraction = magnitude % 10000;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return negative ? u'-' + text : text;
}

QString Field::formatCurrencyDisplay(qint64 tenThousandths)
{
    // Cents rounded half away from zero, thousands grouped, negatives in parentheses.
    const bool negative = tenThousandths < 0;
    const quint64 magnitude = negative ? quint64(-(tenThousandths + 1)) + 1 : quint64(tenThousandths);
    const quint64 cents = (magnitude + 50) / 100;
    QString whole = QString::number(cents / 100);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u',');
    const QString text = QStringLiteral("$%1.%2").arg(whole).arg(cents % 100, 2, 10, QLatin1Char('0'));
    return negative ? u'(' + text + u')' : text;
}

bool Field::parseNumber(const QString &text, double *value)
{
    bool ok = false;
    const double parsed = QLocale::c().toDouble(text.trimmed(), &ok);
    // "nan", "inf" and numbers too large for a double are not amounts.
    ok = ok && std::isfinite(parsed);
    if (ok && value)
        *value = parsed;
    return ok;
}

QString Field::AsString() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::Double:
        return formatFloat(v.toDouble());
    case QMetaType::LongLong:
        if (Kind() == FieldKind::Currency)
            return formatCurrencyUnits(v.toLongLong());
        return QString::number(v.toLongLong());
    default:
        return v.toString();
    }
}

QString Field::DisplayText() const
{
    const QVariant v = Value();
    if (Kind() == FieldKind::Currency && v.typeId() == QMetaType::LongLong)
        return formatCurrencyDisplay(v.toLongLong());
    return AsString();
}

double Field::AsFloat() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull())
        return 0.0;
    switch (v.typeId()) {
    case QMetaType::Double:
        return v.toDouble();
    case QMetaType::LongLong:
        if (Kind() == FieldKind::Currency)
            return double(v.toLongLong()) / 10000.0;
        return double(v.toLongLong());
    default: {
        const QString text = v.toString();
        if (text.trimmed().isEmpty())
            return 0.0;
        double parsed = 0.0;
        if (!parseNumber(text, &parsed))
            throw EngineError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
        return parsed;
    }
    }
}

void Field::SetAsString(const QString &text)
{
    switch (Kind()) {
    case FieldKind::Text:
        m_table->setValue(m_index, text);
        return;
    case FieldKind::Float:
    case FieldKind::Currency:
    case FieldKind::Key: {
        if (text.trimmed().isEmpty()) {
            m_table->setValue(m_index, QVariant());
            return;
        }
        double parsed = 0.0;
        if (!parseNumber(text, &parsed))
            throw EngineError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
        if (Kind() == FieldKind::Currency)
            m_table->setValue(m_index, toTenThousandths(parsed, FieldName()));
        else
            m_table->setValue(m_index, parsed);
        return;
    }
    }
}

void Field::SetAsFloat(double value)
{
    requireFinite(value);
    switch (Kind()) {
    case FieldKind::Text:
        m_table->setValue(m_index, formatFloat(value));
        return;
    case FieldKind::Currency:
        m_table->setValue(m_index, toTenThousandths(value, FieldName()));
        return;
    case FieldKind::Float:
    case FieldKind::Key:
        m_table->setValue(m_index, value);
        return;
    }
}

void Field::SetAsCurrency(double value)
{
    requireFinite(value);
    if (Kind() == FieldKind::Float) {
        // A float field takes the value rounded to the currency's precision.
        m_table->setValue(m_index, double(toTenThousandths(value, FieldName())) / 10000.0);
        return;
    }
    SetAsFloat(value);
}

void Field::requireFinite(double value) const
{
    if (!std::isfinite(value))
        throw EngineError(QStringLiteral("%1 is not a number that the field '%2' can hold")
                              .arg(formatFloat(value), FieldName()));
}

void Field::Clear()
{
    m_table->setValue(m_index, Kind() == FieldKind::Text ? QVariant(QString()) : QVariant());
}
