#include "comparison_texts.h"

#include "comparison/statement_comparison.h"
#include "print/engine/money.h"
#include "print/run_pages.h"
#include "ui/format_money.h"

namespace ComparisonTexts {

namespace {

// A rise carries its plus sign unless it rounds away to nothing.
QString withSign(double value, const QString &money, QLatin1String zero)
{
    return value > 0 && money != zero ? QStringLiteral("+") + money : money;
}

} // namespace

QString change(double value)
{
    return withSign(value, FormatMoney(value), QLatin1String("$.00"));
}

QString printedChange(double value)
{
    return withSign(value, Report::printedMoney(value), QLatin1String("0.00"));
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

QString holders(const ComparedStatement &statement)
{
    const HolderNames names{statement.fullName, statement.spouseFirstName, statement.spouseLastName,
                            statement.spouseFullName};
    return sheetHolder(statementRun(names), names);
}

} // namespace ComparisonTexts
