#include "statement_lifecycle.h"

#include <vector>

#include <QString>

#include "base/dates.h"
#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/statement_name.h"
#include "data/tdm1.h"
#include "totals/totals_support.h"
#include "base/messages.h"

namespace {

const QString DeleteQuestion = QStringLiteral("Do you want to \"Delete\" this \"Financial Statement\"?");
const QString DeletedMessage = QStringLiteral("The \"Financial Statement\" was successfully deleted.");
const QString NothingSelectedMessage =
    QStringLiteral("A \"Financial Statement\" has not been selected to \"Delete\".");

std::vector<Table *> detailTablesInDeletionOrder(Tdm1 &dm)
{
    return {&dm.tblFSPro,          &dm.tblCash,          &dm.tblInvestments, &dm.tblLegal,
            &dm.tblRealEstate,     &dm.tblAuto,          &dm.tblLifeInsurance,
            &dm.tblPersonalAssets, &dm.tblBusinessAssets, &dm.tblOtherAssets, &dm.tblBank,
            &dm.tblCreditCards,    &dm.tblTaxes,         &dm.tblOther,       &dm.tblContingent,
            &dm.tblIncomes,        &dm.tblExpenditure,   &dm.tblAuto2};
}

void deleteVisibleRows(Tdm1 &dm, const std::vector<Table *> &tables)
{
    // A table without a filter would lose every statement's rows, so refuse before the
    // first deletion.
    for (Table *table : tables) {
        if (!table->Filtered() || table->Filter().trimmed().isEmpty())
            throw EngineError(QStringLiteral("Table %1 is not narrowed to one statement; nothing was deleted")
                                  .arg(table->TableName()));
    }
    FrozenControls frozen(tables);
    Database::Transaction transaction(dm.db1);
    // The rows the walk from First to the end would delete one by one, in one statement each.
    for (Table *table : tables)
        table->DeleteVisibleRows();
    transaction.Commit();
}

} // namespace

void CreateTotalsRow(Tdm1 &dm)
{
    // Without a statement the row would belong to none and be purged at the next start.
    if (dm.CurrentClientId.isEmpty())
        return;
    Table &totals = dm.tblFSPro;
    if (!totals.FieldByName(QStringLiteral("ClientId")).AsString().isEmpty())
        return;

    Table &client = dm.tblClient;
    const QString middle = client.FieldByName(QStringLiteral("MiddleInitial")).AsString();
    const QString description = client.FieldByName(QStringLiteral("FirstName")).AsString() + u' '
        + (middle.isEmpty() ? QString() : middle + QStringLiteral(". "))
        + client.FieldByName(QStringLiteral("LastName")).AsString();

    Database::Transaction transaction(dm.db1);
    totals.Append();
    totals.FieldByName(QStringLiteral("ClientId")).SetAsString(dm.CurrentClientId);
    totals.FieldByName(QStringLiteral("Date")).SetAsString(Dates::format(Dates::today()));
    totals.FieldByName(QStringLiteral("Description")).SetAsString(description);
    totals.Post();
    transaction.Commit();
}

void DeleteStatement(Tdm1 &dm, Messages &messages)
{
    StatementListReset listReset(dm);
    // The question names the statement that goes, so a copy is not taken for its original.
    const QString which = describeStatement(currentStatementName(dm));
    const QString question = which.isEmpty() ? DeleteQuestion : DeleteQuestion + QStringLiteral("\n\r") + which;
    if (messages.show(Messages::Kind::Warning, question, Messages::Buttons::YesNo) == Messages::Answer::Yes) {
        dm.SelectStatement();
        if (!dm.tblClient.FieldByName(QStringLiteral("Id")).AsString().isEmpty()) {
            DeleteStatementRows(dm);
            messages.show(Messages::Kind::Confirmation, DeletedMessage);
        } else {
            messages.show(Messages::Kind::Confirmation, NothingSelectedMessage);
        }
    }
    listReset.reset();
}

void DeleteStatementRows(Tdm1 &dm)
{
    std::vector<Table *> tables = detailTablesInDeletionOrder(dm);
    tables.insert(tables.begin(), &dm.tblClient);
    deleteVisibleRows(dm, tables);
}

void DeleteDetailRows(Tdm1 &dm)
{
    deleteVisibleRows(dm, detailTablesInDeletionOrder(dm));
}

void PurgeOrphanRows(Tdm1 &dm)
{
    StatementListReset listReset(dm);
    Database::Transaction transaction(dm.db1);
    dm.SelectNoStatement();
    DeleteDetailRows(dm);
    transaction.Commit();
    listReset.reset();
}
