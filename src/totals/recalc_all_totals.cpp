#include "totals/totals.h"

#include "data/engine/database.h"
#include "data/tdm1.h"

void RecalcAllTotals(Tdm1 &dm)
{
    Database::Transaction transaction(dm.db1);
    for (SectionRecalc recalc :
         {RecalcCashTotals, RecalcInvestmentTotals, RecalcRealEstateTotals, RecalcAutoTotals, RecalcLifeInsuranceTotals,
          RecalcPersonalAssetTotals, RecalcBusinessAssetTotals, RecalcOtherAssetTotals, RecalcAutoLoanTotals,
          RecalcBankNoteTotals, RecalcCreditCardTotals, RecalcTaxTotals, RecalcOtherLiabilityTotals,
          RecalcContingentTotals, RecalcIncomeTotals, RecalcExpenseTotals})
        recalc(dm);
    transaction.Commit();
}
