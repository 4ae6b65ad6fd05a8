#include "statement_actions.h"

#include "data/engine/database.h"
#include "data/tdm1.h"
#include "totals/statement_lifecycle.h"

namespace {

bool hasTotalsRow(Tdm1 &dm)
{
    return !dm.CurrentClientId.isEmpty()
        && dm.tblFSPro.FieldByName(QStringLiteral("ClientId")).AsString() == dm.CurrentClientId;
}

// Runs an action in one transaction; when it fails, the row being edited in table gets
// back what was typed once the rollback has re-read the tables.
template <class Action>
void keepingTypedRow(Tdm1 &dm, Table &table, Action &&action)
{
    const Table::EditState typed = table.editState();
    try {
        Database::Transaction transaction(dm.db1);
        action();
        transaction.Commit();
    } catch (...) {
        table.restoreEditState(typed);
        throw;
    }
}

} // namespace

void RecalcSection(Tdm1 &dm, SectionRecalc recalc)
{
    // A file that takes no writes keeps the totals it has, so a window with nothing typed
    // can still be left.
    if (dm.db1.refusesWrites())
        return;
    Database::Transaction transaction(dm.db1);
    if (!hasTotalsRow(dm))
        CreateTotalsRow(dm);
    recalc(dm);
    transaction.Commit();
}

bool SaveSectionRow(Tdm1 &dm, Table &table, SectionRecalc recalc)
{
    const bool editing = table.state() == Table::State::Insert
        || (table.state() == Table::State::Edit && table.Modified());
    if (!editing) {
        table.Cancel();
        RecalcSection(dm, recalc);
        return false;
    }
    keepingTypedRow(dm, table, [&] {
        table.FieldByName(QStringLiteral("ClientId")).SetAsString(dm.CurrentClientId);
        table.Post();
        RecalcSection(dm, recalc);
    });
    return true;
}

void DeleteSectionRow(Tdm1 &dm, Table &table, SectionRecalc recalc)
{
    Database::Transaction transaction(dm.db1);
    table.Delete();
    RecalcSection(dm, recalc);
    transaction.Commit();
}

void StoreStatementRow(Tdm1 &dm)
{
    Table &client = dm.tblClient;
    const QString previousId = dm.CurrentClientId;
    const QString previousFilter = client.Filter();
    const bool previousFiltered = client.Filtered();
    try {
        keepingTypedRow(dm, client, [&] {
            client.Post();
            dm.SelectStatement();
            CreateTotalsRow(dm);
        });
    } catch (...) {
        // The statement stored a moment ago no longer exists: back to the one before.
        const Table::EditState typed = client.editState();
        dm.CurrentClientId = previousId;
        client.Cancel();
        client.SetFilter(previousFilter);
        client.SetFiltered(previousFiltered);
        dm.filterDetailTables();
        client.restoreEditState(typed);
        throw;
    }
}
