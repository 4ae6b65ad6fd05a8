#include "money.h"

#include "base/cents.h"

namespace Report {

QString printedMoney(double amount)
{
    return groupedMoney(amount);
}

} // namespace Report
