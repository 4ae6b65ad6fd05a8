#include "format_money.h"

#include <cmath>

#include "base/cents.h"
#include "data/engine/field.h"

QString FormatMoney(double value)
{
    if (!std::isfinite(value))
        return QString();
    // Beyond a quintillion the pattern would run past any label: a short scientific form.
    if (std::fabs(value) >= LargestWrittenOut)
        return (value < 0 ? QStringLiteral("-$") : QStringLiteral("$")) + QString::number(std::fabs(value), 'E', 2);
    // The pattern shows no digit before the point for amounts under a dollar.
    QString text = groupedMoney(std::fabs(value));
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    const bool negative = value < 0 && text != QLatin1String(".00");
    return (negative ? QStringLiteral("-$") : QStringLiteral("$")) + text;
}

QString FormatMoneyField(const Field &field)
{
    return field.IsNull() ? QString() : FormatMoney(field.AsFloat());
}
