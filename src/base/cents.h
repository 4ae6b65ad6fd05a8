#pragma once

#include <QString>

// The whole number of cents in `amount` (taken without its sign), rounded half up from the
// amount's 15-significant-digit decimal form, as decimal digits ("0" for nothing). Screens
// and printed pages round money through this one function, so they never disagree.
QString roundedCents(double amount);

// An amount as the grids and the printed pages show it: thousands separators, exactly two
// decimals, a minus sign and no currency sign ("28,801.27", "-50,450.00", "0.00"); every
// digit is written out, however large the amount. Empty for a value that is no number.
QString groupedMoney(double amount);
