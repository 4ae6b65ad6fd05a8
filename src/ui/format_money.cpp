#include "format_money.h"

#include <cmath>

#include "data/engine/field.h"

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

// The whole number of cents in `amount` (not negative), rounded half up from the amount's
// 15-significant-digit decimal form, as decimal digits.
QString roundedCents(double amount)
{
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

} // namespace

QString FormatMoney(double value)
{
    if (!std::isfinite(value))
        return QString();
    // Beyond a quintillion the pattern would run past any label: a short scientific form.
    if (std::fabs(value) >= LargestWrittenOut)
        return (value < 0 ? QStringLiteral("-$") : QStringLiteral("$")) + QString::number(std::fabs(value), 'E', 2);
    QString digits = roundedCents(std::fabs(value));
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
