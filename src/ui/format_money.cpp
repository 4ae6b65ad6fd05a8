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
    QString digits = roundedCents(value);
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    const bool negative = value < 0 && digits != QLatin1String("0");
    if (digits.size() < 3)
        digits = QString(3 - digits.size(), u'0') + digits;

    // The pattern shows no digit before the point for amounts under a dollar.
    QString whole = digits.left(digits.size() - 2);
    if (whole == QLatin1String("0"))
        whole.clear();
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u',');
    return (negative ? QStringLiteral("-$") : QStringLiteral("$")) + whole + u'.' + digits.right(2);
}

QString FormatMoneyField(const Field &field)
{
    return field.IsNull() ? QString() : FormatMoney(field.AsFloat());
}
