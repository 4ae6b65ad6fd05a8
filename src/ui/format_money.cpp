#include "format_money.h"

#include <cmath>

#include <QLocale>

#include "data/engine/field.h"

QString FormatMoney(double value)
{
    if (!std::isfinite(value))
        return QString();
    // The amount in cents is rounded from its 15-digit decimal form rather than from the
    // binary value, so 2.675 shows as $2.68, as the user typed it.
    const double binaryCents = std::fabs(value) * 100.0;
    bool ok = false;
    const double decimalCents = QLocale::c().toDouble(QString::number(binaryCents, 'g', 15), &ok);
    const double cents = std::round(ok ? decimalCents : binaryCents);
    QString digits = QString::number(cents, 'f', 0);
    while (digits.size() < 3)
        digits.prepend(u'0');
    QString whole = digits.left(digits.size() - 2);
    const QString fraction = digits.right(2);
    if (whole == QLatin1String("0"))
        whole.clear();
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u',');
    const bool negative = value < 0 && cents != 0;
    return (negative ? QStringLiteral("-$") : QStringLiteral("$")) + whole + u'.' + fraction;
}

QString FormatMoneyField(const Field &field)
{
    return field.IsNull() ? QString() : FormatMoney(field.AsFloat());
}
