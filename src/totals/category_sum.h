#pragma once

#include <vector>

#include "data/statement_window.h"

class Table;
class Tdm1;

// One running sum of a category walk: a field of every row (or only of the rows whose
// typeField holds typeText exactly) added into a field of the totals row.
struct SummedField
{
    const char *rowField;
    const char *totalsField;
    double factor = 1.0;             // per-row multiplier: monthly payments to yearly ones
    const char *typeField = nullptr; // null: every row counts
    const char *typeText = nullptr;
    bool guarded = true;             // false: a result that is not finite ends the operation
    // The row's amount as the user is told of it when it is below zero, where that is never
    // sound (an overdrawn account may be); set on one sum of each such field.
    const char *positive = nullptr;
};

// A category recomputation as data: the table walked, its sums and what is re-formed after.
struct CategorySum
{
    Table Tdm1::*table;
    std::vector<SummedField> fields;
    std::vector<void (*)(Tdm1 &)> then;
    StatementWindow window; // where the rows are entered
};

enum class Category {
    Cash,
    Investments,
    Auto,
    LifeInsurance,
    PersonalAssets,
    BusinessAssets,
    OtherAssets,
    AutoLoans,
    BankNotes,
    CreditCards,
    Taxes,
    OtherLiabilities,
    Contingent,
};

const CategorySum &categorySum(Category category);
// Every category, in the order of the enumeration.
std::vector<const CategorySum *> everyCategorySum();

// Walks the category's table of the current statement once, writes every sum into the
// totals row in one posting and runs the follow-ups, all as one transaction. The table is
// left on its first row.
void RecalcCategory(Tdm1 &dm, const CategorySum &category);
