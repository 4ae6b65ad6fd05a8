#pragma once

#include <vector>

#include <QString>

#include "exchange/statement_record.h"

class Tdm1;

// Stores each record as a new statement of the data module's file: a new Client row (the
// database gives its Id), its totals row with the record's date and description (or, when
// the record has none, the one a first save creates), its detail rows, and then totals
// formed by the program's own recomputations; the totals the record carries are not used.
// All records go in one transaction: all of them are stored or none. Returns the new Ids.
// Afterwards the tables are unfiltered and the statement list is on its first row.
std::vector<QString> insertStatements(Tdm1 &dm, const std::vector<StatementRecord> &records);
