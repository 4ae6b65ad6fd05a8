#pragma once

#include <QString>

// The screen pattern of money totals, "$#,###.00": $.00, $1,234.50, -$150,000.00.
// Cents are rounded half away from zero from the value's 15-digit decimal form. Amounts of
// LargestWrittenOut and more are written short ($1.00E+20), so no label overflows.
inline constexpr double LargestWrittenOut = 1e18;
QString FormatMoney(double value);

class Field;
// A stored money total as the screen shows it: empty while the field is empty.
QString FormatMoneyField(const Field &field);
