#pragma once

#include <QString>

class Tdm1;

// Writes a joint statement with every field of Client filled and rowsPerTable rows in every
// detail table (Legal: one), each field filled with a value of its kind, types taken from
// the drop-down lists so the per-type totals are not all zero, and texts that hold quotes,
// commas, line breaks and non-ASCII letters. The totals row is created empty: the caller
// forms the totals (RecalcAllTotals after selecting the statement). Returns the Id.
QString writeFullStatement(Tdm1 &dm, int rowsPerTable = 4, const QString &lastName = QStringLiteral("Okafor"));

// A text that a careless CSV or JSON writer breaks.
inline const QString TrickyText = QStringLiteral("Smith, \"Jr.\"\r\nsecond line; Zoë € 50%");

// Makes the statement current as opening one of its windows does (SelectStatement).
void selectStatement(Tdm1 &dm, const QString &id);

// Every row of the statement in every table of the file, keys and ClientId left out, as
// text read through a connection of its own: two statements with equal dumps are equal
// field for field.
QString statementDump(const QString &databasePath, const QString &id);
