#pragma once

#include <array>
#include <vector>

#include "data/statement_window.h"

class QVariant;
class Tdm1;

// A property's share of a whole (its market value, its mortgage balance) held by the
// statement's people, as the real-estate recomputation writes it beside the row: the
// percentage as its REAL column stores it (Field::Value, Query::value). Empty or blank
// counts as none, a text that is not a number as the whole, and a share that cannot be
// formed as none.
double propertyShare(double whole, const QVariant &percent);

// One of the two shares the real-estate recomputation forms of every property: the owned
// value of its market value and the owed balance of its mortgage.
struct PropertyShareRule
{
    const char *whole;      // the row's whole amount
    const char *percent;    // the row's percentage of it
    const char *share;      // the row's field the share is written into
    const char *wholeTotal; // the totals row's sum of the wholes
    const char *shareTotal; // and of the shares
    StatementWindow window; // where the whole and its percentage are entered
    // As the user is told of them: the share, and the whole and percentage when below zero.
    const char *shareText;
    const char *wholeText;
    const char *percentText;
};
const std::array<PropertyShareRule, 2> &propertyShareRules();

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
