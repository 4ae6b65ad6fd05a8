#include "money.h"

#include <cmath>

#include "base/cents.h"

namespace Report {

QString printedMoney(double amount)
{
    if (!std::isfinite(amount))
        return QString();
    QString digits = roundedCents(amount);
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    const bool negative = amount < 0 && digits != QLatin1String("0");
    if (digits.size() < 3)
        digits = QString(3 - digits.size(), u'0') + digits;
    QString whole = digits.left(digits.size() - 2);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u',');
    return (negative ? QStringLiteral("-") : QString()) + whole + u'.' + digits.right(2);
}

} // namespace Report
