#pragma once

#include <optional>

#include <QDate>
#include <QString>

// What people type for an amount or a date, read the one way every field of that kind reads
// it. Nothing here guesses: a text that is not plainly an amount or a date is no value.
namespace TypedValues {

// An amount as people write it: "1234.5", "1,234.50", "$100,000", "-250", "-$250", "(250.00)"
// for a negative amount. Thousands separators must group by three; one decimal point at
// most. Letters, a decimal comma ("1.234,50") or stray signs are no amount.
std::optional<double> parseAmount(const QString &text);

// A percent: a number as above, a "%" after it allowed.
std::optional<double> parsePercent(const QString &text);

// A real calendar date in month/day/year order with a four-digit year ("1/2/1970",
// "01/02/1970").
std::optional<QDate> parseDate(const QString &text);
// The form dates are stored in: "mm/dd/yyyy".
QString formatDate(const QDate &date);

} // namespace TypedValues
