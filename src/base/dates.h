#pragma once

#include <optional>

#include <QDate>
#include <QString>

// Dates as the program stores, shows and reads them, and the day it takes for today.
namespace Dates {

// The form every date is stored and shown in: "01/05/2027".
inline constexpr char Form[] = "MM/dd/yyyy";

QString format(const QDate &date);
// A real calendar date in month/day/year order with a four-digit year, month and day with
// or without their leading zeros ("1/5/2027", "01/05/2027"); blanks around it are ignored.
std::optional<QDate> parse(const QString &text);
// The date of a text that is exactly in the stored form ("01/05/2027", not "1/5/2027").
std::optional<QDate> parseExact(const QString &text);

// Today's date: the system's, unless a FixedToday is in place.
QDate today();

// Makes today() answer the given date while it lives, so that what depends on the day
// does not change with it (nor at midnight).
class FixedToday
{
public:
    explicit FixedToday(const QDate &date);
    ~FixedToday();
    FixedToday(const FixedToday &) = delete;
    FixedToday &operator=(const FixedToday &) = delete;

private:
    QDate m_previous;
};

} // namespace Dates
