#pragma once

#include <QString>

class Tdm1;

// How a statement is named wherever it must be told from another of the same person (a
// copy, an import): the holder's name and the date the statement is made as of.
struct StatementName
{
    QString holder;
    QString date; // the totals row's Date, mm/dd/yyyy
};

// The statement under the Client cursor, its date from its totals row.
StatementName currentStatementName(Tdm1 &dm);
// "Ann Q. Avery, as of 12/09/2026"; the part there is when the other is missing.
QString describeStatement(const StatementName &name);
