#include "cents.h"

#include <cmath>

namespace {

// Adds one to a string of decimal digits.
void increment(QString &digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
        digits[i] = u'0';
    }
    digits.prepend(u'1');
}

} // namespace

QString roundedCents(double amount)
{
    amount = std::fabs(amount);
    // "d.dddddddddddddde±x": the fifteen digits and the power of ten of the first.
    const QString scientific = QString::number(amount, 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    const QString mantissa = scientific.left(1) + scientific.mid(2, e - 2);
    // How many of the mantissa's digits lie before the point once the amount is in cents.
    const qsizetype wholeDigits = scientific.mid(e + 1).toInt() + 1 + 2;
    if (wholeDigits < 0)
        return QStringLiteral("0");
    if (wholeDigits >= mantissa.size())
        return mantissa + QString(wholeDigits - mantissa.size(), u'0');
    QString cents = mantissa.left(wholeDigits);
    if (mantissa[wholeDigits] >= u'5')
        increment(cents);
    return cents.isEmpty() ? QStringLiteral("0") : cents;
}

QString groupedMoney(double amount)
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
