#pragma once

#include <optional>

#include <QString>

// What people type for an amount or a percent, read the one way every field of that kind
// reads it (a date is read by Dates::parse). Nothing here guesses: a text that is not
// plainly an amount is no value.
namespace TypedValues {

// An amount as people write it: "1234.5", "1,234.50", "$100,000", "-250", "-$250", "(250.00)"
// for a negative amount. Thousands separators must group by three; one decimal point at
// most. Letters, a decimal comma ("1.234,50") or stray signs are no amount.
std::optional<double> parseAmount(const QString &text);

// A percent: a number as above, a "%" after it allowed.
std::optional<double> parsePercent(const QString &text);

} // namespace TypedValues
