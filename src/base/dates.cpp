#include "dates.h"

#include <QRegularExpression>

namespace Dates {

namespace {

QDate g_fixedToday;

} // namespace

QString format(const QDate &date)
{
    return date.toString(QLatin1String(Form));
}

std::optional<QDate> parse(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(R"(^(\d{1,2})/(\d{1,2})/(\d{4})$)"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(3).toInt(), match.captured(1).toInt(), match.captured(2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> parseExact(const QString &text)
{
    const std::optional<QDate> date = parse(text);
    if (!date || format(*date) != text)
        return std::nullopt;
    return date;
}

QDate today()
{
    return g_fixedToday.isValid() ? g_fixedToday : QDate::currentDate();
}

FixedToday::FixedToday(const QDate &date) : m_previous(g_fixedToday)
{
    g_fixedToday = date;
}

FixedToday::~FixedToday()
{
    g_fixedToday = m_previous;
}

} // namespace Dates
