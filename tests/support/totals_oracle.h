#pragma once

#include <map>
#include <utility>

#include <QList>
#include <QString>

class TempDatabase;

// The totals a statement must hold, summed by SQLite straight from the rows in the file:
// an oracle that shares nothing with the recomputations.
namespace TotalsOracle {

using TypeFields = QList<std::pair<QString, QString>>; // type text, totals field
extern const TypeFields InvestmentTypes;
extern const TypeFields OtherAssetTypes;
extern const TypeFields IncomeTypes;
extern const TypeFields ExpenseTypes;

// Every numeric field of the statement's totals row.
std::map<QString, double> expectedTotals(const TempDatabase &db, const QString &clientId);

} // namespace TotalsOracle
