#pragma once

#include <vector>

#include "data/statement_window.h"

class Table;
class Tdm1;

// The yearly and monthly fields of the totals row that one type of item adds up to.
struct TypeTotal
{
    const char *type; // the Type text, compared exactly
    const char *yearly;
    const char *monthly;
    bool mayBeNegative = false; // its items may be below zero on a sound statement (a loss)
    // Its monthly figure is debt service: installments, mortgage payments, lease obligations
    // and other debt service, as the debt-to-income ratio counts them.
    bool debtService = false;
};

// An item recomputation as data: its table, the all-rows pair and the pairs of each type.
struct ItemTotals
{
    Table Tdm1::*table;
    TypeTotal all; // type unused: every row of the statement
    std::vector<TypeTotal> types;
    void (*then)(Tdm1 &);
    StatementWindow window; // where the items are entered
    // An item's amount as the user is told of it when it is below zero where that is not sound.
    const char *positive;
};

const ItemTotals &incomeTotals();
const ItemTotals &expenseTotals();

// Yearly totals of the statement's income (expense) items, all rows and per type, each
// with its monthly figure (yearly / 12, unrounded), in one posting of the totals row and
// one transaction. The item table is left filtered on the current statement and on its
// first row, also when the operation fails.
void RecalcIncomeTotals(Tdm1 &dm); // then re-forms TotalAssets
void RecalcExpenseTotals(Tdm1 &dm);
