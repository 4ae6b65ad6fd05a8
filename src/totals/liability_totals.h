#pragma once

#include <vector>

class Tdm1;

// Each recomputation works on the current statement, writes its category into the totals
// row and re-forms total liabilities and net worth, as one transaction; its table is left
// on its first row. Mortgages are summed by RecalcRealEstateTotals.
void RecalcAutoLoanTotals(Tdm1 &dm);
void RecalcBankNoteTotals(Tdm1 &dm);
void RecalcCreditCardTotals(Tdm1 &dm);
void RecalcTaxTotals(Tdm1 &dm);
void RecalcOtherLiabilityTotals(Tdm1 &dm);
// Writes only its own two fields: contingent items never change total liabilities.
void RecalcContingentTotals(Tdm1 &dm);

// TotalLiabilities from the six stored liability totals (mortgages at the owed share,
// contingent liabilities excluded); one that cannot be read counts as 0.
void RecalcTotalLiabilities(Tdm1 &dm);
// Those six fields of the totals row.
const std::vector<const char *> &totalLiabilitiesParts();
// NetWorth and TotalLiabilitiesandNetWorth from the stored TotalAssets and TotalLiabilities.
void RecalcNetWorth(Tdm1 &dm);
