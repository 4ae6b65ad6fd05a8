#pragma once

#include <vector>

class Table;
class Tdm1;

// The yearly and monthly fields of the totals row that one type of item adds up to.
struct TypeTotal
{
    const char *type; // the Type text, compared exactly
    const char *yearly;
    const char *monthly;
};

// An item recomputation as data: its table, the all-rows pair and the pairs of each type.
struct ItemTotals
{
    Table Tdm1::*table;
    TypeTotal all; // type unused: every row of the statement
    std::vector<TypeTotal> types;
    void (*then)(Tdm1 &);
};

const ItemTotals &incomeTotals();
const ItemTotals &expenseTotals();

// Yearly totals of the statement's income (expense) items, all rows and per type, each
// with its monthly figure (yearly / 12, unrounded), in one posting of the totals row and
// one transaction. The item table is left filtered on the current statement and on its
// first row, also when the operation fails.
void RecalcIncomeTotals(Tdm1 &dm); // then re-forms TotalAssets
void RecalcExpenseTotals(Tdm1 &dm);
