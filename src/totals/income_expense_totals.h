#pragma once

class Tdm1;

// Yearly totals of the statement's income (expense) items, all rows and per type, each
// with its monthly figure (yearly / 12, unrounded), in one posting of the totals row and
// one transaction. The item table is left filtered on the current statement and on its
// first row, also when the operation fails.
void RecalcIncomeTotals(Tdm1 &dm); // then re-forms TotalAssets
void RecalcExpenseTotals(Tdm1 &dm);
