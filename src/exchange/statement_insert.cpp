#include "statement_insert.h"

#include <algorithm>

#include <QHash>

#include "data/engine/engine_error.h"
#include "data/engine/query.h"
#include "data/engine/sql_identifier.h"
#include "data/particulars.h"
#include "data/tdm1.h"
#include "exchange/exchange_error.h"
#include "totals/totals.h"
#include "totals/totals_support.h"

namespace {

std::string insertText(const ExchangeTable &table, bool withClientId)
{
    QStringList columns;
    QStringList marks;
    for (const ExchangeField &field : table.fields) {
        columns << quoteIdentifier(field.name);
        marks << QStringLiteral("?");
    }
    if (withClientId) {
        columns << quoteIdentifier(QStringLiteral("ClientId"));
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quoteIdentifier(table.name), columns.join(u','), marks.join(u','))
        .toStdString();
}

// Returns the new row's rowid.
qint64 insertRow(Database &db, const ExchangeTable &table, const RecordRow &row, const QString *clientId,
                 const std::vector<QString> &skipped = {})
{
    QHash<QString, QVariant> values;
    for (const auto &[name, value] : row)
        values.insert(name, value);
    try {
        Query insert(db, insertText(table, clientId != nullptr));
        int index = 1;
        for (const ExchangeField &field : table.fields) {
            const QVariant value = std::find(skipped.begin(), skipped.end(), field.name) == skipped.end()
                ? values.value(field.name)
                : QVariant();
            switch (field.kind) {
            case FieldKind::Text:
                insert.bind(index, value.toString());
                break;
            case FieldKind::Float:
                insert.bind(index, value.isValid() ? QVariant(value.toDouble()) : QVariant());
                break;
            case FieldKind::Currency:
            case FieldKind::Key:
                insert.bind(index, value.isValid() ? QVariant(value.toLongLong()) : QVariant());
                break;
            }
            ++index;
        }
        if (clientId)
            insert.bind(index, *clientId);
        insert.exec();
        return insert.insertedRowid();
    } catch (const EngineError &e) {
        throw ExchangeError(QStringLiteral("The statements could not be stored: %1").arg(e.message()));
    }
}

// The totals row keeps the record's texts (date, description); its amounts are formed anew.
std::vector<QString> totalsAmountFields()
{
    std::vector<QString> amounts;
    for (const ExchangeField &field : statementTotalsTable().fields)
        if (field.kind != FieldKind::Text)
            amounts.push_back(field.name);
    return amounts;
}

void makeCurrent(Tdm1 &dm, const QString &id)
{
    dm.tblClient.SetFilter(QStringLiteral("Id = ") + id);
    dm.tblClient.SetFiltered(true);
    dm.tblClient.First();
    dm.SelectStatement();
}

// The names, addresses and licences the pages print are formed from the particulars, as
// the particulars windows form them when they store: a file's own texts for them are not
// trusted, or a statement could print a name that is not the one in its fields. The
// spouse's are formed for a joint statement only, as the windows do.
void formDerivedParticulars(Table &client)
{
    using Particulars::Side;
    client.Edit();
    std::vector<Side> sides{Side::Person};
    if (Particulars::isJoint(client.FieldByName(QStringLiteral("SFirstName")).AsString(),
                             client.FieldByName(QStringLiteral("SLastName")).AsString()))
        sides.push_back(Side::Spouse);
    for (const Side side : sides) {
        Particulars::writeDerived(client, side);
        Particulars::writeEmploymentDerived(client, side);
    }
    client.Post();
}

} // namespace

std::vector<QString> insertStatements(Tdm1 &dm, const std::vector<StatementRecord> &records)
{
    const std::vector<QString> amounts = totalsAmountFields();
    std::vector<QString> ids;
    StatementListReset listReset(dm);
    FrozenControls frozen(dm.openOrder());
    {
        Database::Transaction transaction(dm.db1);
        for (const StatementRecord &record : records) {
            const QString id = QString::number(insertRow(dm.db1, statementClientTable(), record.client, nullptr));
            if (!record.totals.empty())
                insertRow(dm.db1, statementTotalsTable(), record.totals, &id, amounts);
            for (const auto &[tableName, rows] : record.details) {
                const ExchangeTable *table = statementTable(tableName);
                if (!table)
                    throw ExchangeError(QStringLiteral("There is no table %1").arg(tableName));
                for (const RecordRow &row : rows)
                    insertRow(dm.db1, *table, row, &id);
            }
            makeCurrent(dm, id);
            formDerivedParticulars(dm.tblClient);
            CreateTotalsRow(dm);
            RecalcAllTotals(dm);
            ids.push_back(id);
        }
        transaction.Commit();
    }
    listReset.reset();
    return ids;
}
