#pragma once

#include <vector>

class Tdm1;

// Each recomputation works on the current statement (every table filtered on
// CurrentClientId), writes its category into the statement's totals row and re-forms total
// assets and net worth, as one transaction; its table is left on its first row.
void RecalcCashTotals(Tdm1 &dm);
void RecalcInvestmentTotals(Tdm1 &dm);
// Also writes each property's owned and owed shares and the two mortgage totals, then
// re-forms total liabilities as well. Income and expense totals are left alone.
void RecalcRealEstateTotals(Tdm1 &dm);
void RecalcAutoTotals(Tdm1 &dm);
void RecalcLifeInsuranceTotals(Tdm1 &dm);
void RecalcPersonalAssetTotals(Tdm1 &dm);
void RecalcBusinessAssetTotals(Tdm1 &dm);
void RecalcOtherAssetTotals(Tdm1 &dm);

// TotalAssets from the eight stored category totals; one that cannot be read counts as 0.
void RecalcTotalAssets(Tdm1 &dm);
// Those eight fields of the totals row.
const std::vector<const char *> &totalAssetsParts();
