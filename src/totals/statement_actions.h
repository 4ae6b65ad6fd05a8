#pragma once

class Table;
class Tdm1;

// What one button of a window commits. Each action is one transaction: it is stored whole
// or not at all, so a crash, a kill or a full disk never leaves totals that disagree with
// their rows, nor a statement without its totals row. When an action fails, the file stays
// as it was, the tables show it again, the row being edited keeps what was typed, and the
// error goes on to the caller, whose guarded handler shows it.

using SectionRecalc = void (*)(Tdm1 &);

// Recomputes a section of the current statement. A statement without a totals row (a file
// written before statements got one at creation) gets it first.
void RecalcSection(Tdm1 &dm, SectionRecalc recalc);

// Stores the row being edited in table, with ClientId := CurrentClientId, and recomputes
// its section. A row that was not changed is not stored; the section is still recomputed.
// Returns whether a row was stored.
bool SaveSectionRow(Tdm1 &dm, Table &table, SectionRecalc recalc);

// Deletes the current row of table and recomputes its section.
void DeleteSectionRow(Tdm1 &dm, Table &table, SectionRecalc recalc);

// Stores the Client row being edited, makes it the current statement (SelectStatement) and
// gives it its totals row when it has none. On a failure the statement context (current
// statement, filters) is put back as it was, as is the typed row.
void StoreStatementRow(Tdm1 &dm);
