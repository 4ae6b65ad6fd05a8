#pragma once

// Everything callers of the totals engine need: the recomputations and the creation and
// deletion of statements.
#include "totals/asset_totals.h"
#include "totals/income_expense_totals.h"
#include "totals/liability_totals.h"
#include "totals/statement_lifecycle.h"
