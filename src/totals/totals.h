#pragma once

// Everything callers of the totals engine need: the recomputations and the creation and
// deletion of statements.
#include "totals/asset_totals.h"
#include "totals/income_expense_totals.h"
#include "totals/liability_totals.h"
#include "totals/statement_actions.h"
#include "totals/statement_lifecycle.h"

class Tdm1;

// Every recomputation of the current statement, one after the other, as one transaction.
void RecalcAllTotals(Tdm1 &dm);
