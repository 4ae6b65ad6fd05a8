#include "comparison_texts.h"

#include "totals/statement_comparison.h"
#include "ui/format_money.h"

namespace ComparisonTexts {

QString change(double value)
{
    const QString money = FormatMoney(value);
    return value > 0 && money != QLatin1String("$.00") ? QStringLiteral("+") + money : money;
}

QString percent(const std::optional<double> &value)
{
    if (!value)
        return NotAvailable;
    const QString text = QString::number(*value, 'f', 1);
    if (text == QLatin1String("0.0") || text == QLatin1String("-0.0"))
        return QStringLiteral("0.0%");
    return (*value > 0 ? QStringLiteral("+") : QString()) + text + u'%';
}

QString ratio(const ComparedRatio &ratio, const std::optional<double> &value)
{
    if (!value)
        return NotAvailable;
    return ratio.asPercent ? QString::number(*value * 100, 'f', 1) + u'%' : QString::number(*value, 'f', 2);
}

} // namespace ComparisonTexts
