#pragma once

#include <QString>

namespace Report {

// An amount as printed pages show it: thousands separators, exactly two decimals, a minus
// sign and no currency sign ("28,801.27", "-50,450.00", "0.00"). Cents are rounded as the
// windows round their totals; every digit is written out, however large the amount.
QString printedMoney(double amount);

} // namespace Report
