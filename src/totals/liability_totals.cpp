#include "liability_totals.h"

#include <cmath>

#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/tdm1.h"
#include "totals/category_sum.h"
#include "totals/totals_support.h"

void RecalcAutoLoanTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::AutoLoans));
}

void RecalcBankNoteTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::BankNotes));
}

void RecalcCreditCardTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::CreditCards));
}

void RecalcTaxTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::Taxes));
}

void RecalcOtherLiabilityTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::OtherLiabilities));
}

void RecalcContingentTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::Contingent));
}

const std::vector<const char *> &totalLiabilitiesParts()
{
    static const std::vector<const char *> parts = {"AutoLiability",             "BankLiability", "CreditCardLiability",
                                                    "MortgageLiabilitiesTotals", "TaxLiability",  "OtherLiability"};
    return parts;
}

void RecalcTotalLiabilities(Tdm1 &dm)
{
    Database::Transaction transaction(dm.db1);
    const double liabilities = sumStoredTotals(dm.tblFSPro, totalLiabilitiesParts());
    Table &totals = editTotalsRow(dm);
    totals.FieldByName(QStringLiteral("TotalLiabilities")).SetAsFloat(liabilities);
    totals.Post();
    transaction.Commit();
}

void RecalcNetWorth(Tdm1 &dm)
{
    Database::Transaction transaction(dm.db1);
    Table &totals = editTotalsRow(dm);
    // No guard here: a stored total that is not a number is an error the user must see.
    const double assets = totals.FieldByName(QStringLiteral("TotalAssets")).AsFloat();
    const double liabilities = totals.FieldByName(QStringLiteral("TotalLiabilities")).AsFloat();
    const double netWorth = assets - liabilities;
    const double balance = liabilities + netWorth;
    if (!std::isfinite(netWorth) || !std::isfinite(balance))
        throw EngineError(QStringLiteral("Floating point overflow while forming the net worth"));
    totals.FieldByName(QStringLiteral("NetWorth")).SetAsFloat(netWorth);
    totals.FieldByName(QStringLiteral("TotalLiabilitiesandNetWorth")).SetAsFloat(balance);
    totals.Post();
    transaction.Commit();
}
