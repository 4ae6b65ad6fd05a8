#include "statement_copy.h"

#include "base/dates.h"
#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/query.h"
#include "data/engine/sql_identifier.h"
#include "data/tdm1.h"
#include "totals/statement_lifecycle.h"
#include "totals/totals.h"

namespace {

// INSERT INTO t (columns) SELECT columns FROM t WHERE <key> = ?2, where ClientId reads ?1
// and, for the totals row, Date reads ?3. Column names come from the file's own tables.
std::string copySql(const Table &table, const QString &key, bool newDate)
{
    QStringList targets;
    QStringList sources;
    for (int c = 0; c < table.FieldCount(); ++c) {
        const QString &name = table.column(c).name;
        if (name.compare(QLatin1String("Id"), Qt::CaseInsensitive) == 0 && table.TableName() == QLatin1String("Client"))
            continue; // the new key comes from AUTOINCREMENT
        targets << quoteIdentifier(name);
        if (name.compare(QLatin1String("ClientId"), Qt::CaseInsensitive) == 0)
            sources << QStringLiteral("?1");
        else if (newDate && name.compare(QLatin1String("Date"), Qt::CaseInsensitive) == 0)
            sources << QStringLiteral("?3");
        else
            sources << quoteIdentifier(name);
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1 WHERE %4 = ?2 ORDER BY rowid%5")
                            .arg(quoteIdentifier(table.TableName()), targets.join(u','), sources.join(u','),
                                 quoteIdentifier(key),
                                 newDate ? QStringLiteral(" LIMIT 1") : QString());
    return sql.toStdString();
}

// Returns the rowid of the last row copied and how many were.
std::pair<qint64, qint64> runCopy(Tdm1 &dm, const Table &table, const QString &key, const QString &newId,
                                  const QString &sourceId, const QString &date = {})
{
    Query copy(dm.db1, copySql(table, key, !date.isNull()));
    if (table.TableName() != QLatin1String("Client"))
        copy.bind(1, newId);
    copy.bind(2, sourceId);
    if (!date.isNull())
        copy.bind(3, date);
    try {
        copy.exec();
    } catch (const EngineError &error) {
        throw EngineError(QStringLiteral("The statement could not be copied: %1").arg(error.message()));
    }
    return {copy.insertedRowid(), copy.changes()};
}

// A statement of thousands of rows would spill SQLite's page cache while it is copied,
// and each spill syncs the journal; the copy holds its pages in memory until the commit.
class RoomyPageCache
{
public:
    explicit RoomyPageCache(Database &db) : m_db(db)
    {
        Query size(db, "PRAGMA cache_size");
        if (size.next())
            m_previous = size.integer(0);
        Query(db, "PRAGMA cache_size = -32768").exec();
    }
    ~RoomyPageCache()
    {
        try {
            Query(m_db, "PRAGMA cache_size = " + std::to_string(m_previous)).exec();
        } catch (...) {
        }
    }
    RoomyPageCache(const RoomyPageCache &) = delete;
    RoomyPageCache &operator=(const RoomyPageCache &) = delete;

private:
    Database &m_db;
    long long m_previous = 0;
};

} // namespace

void ShowStatementInList(Tdm1 &dm, const QString &id)
{
    dm.ClearStatementFilters();
    Table &client = dm.tblClient;
    client.SetFilter(QStringLiteral("Id = ") + id);
    client.SetFiltered(true);
    client.First();
    const bool found = !client.Eof();
    const RowKey key = found ? client.currentKey() : RowKey{};
    client.SetFiltered(false);
    client.First();
    if (found)
        client.GotoKey(key);
    dm.SelectStatementDetails();
}

QString CopyStatement(Tdm1 &dm, const QString &sourceId, const QDate &asOf)
{
    bool isNumber = false;
    sourceId.toLongLong(&isNumber);
    if (!isNumber)
        throw EngineError(QStringLiteral("A \"Financial Statement\" has not been selected to copy."));
    for (Table *table : dm.openOrder())
        if (table->state() == Table::State::Edit || table->state() == Table::State::Insert)
            table->Cancel();

    QString newId;
    RoomyPageCache cache(dm.db1);
    try {
        Database::Transaction transaction(dm.db1);
        const auto [clientRow, copied] = runCopy(dm, dm.tblClient, QStringLiteral("Id"), {}, sourceId);
        if (copied != 1)
            throw EngineError(QStringLiteral("The statement to copy no longer exists."));
        newId = QString::number(clientRow);
        for (Table *table : dm.openOrder()) {
            if (table == &dm.tblClient || table == &dm.tblUser)
                continue;
            const bool totals = table == &dm.tblFSPro;
            runCopy(dm, *table, QStringLiteral("ClientId"), newId, sourceId,
                    totals ? Dates::format(asOf) : QString());
        }
        // The copy's totals are formed by the program's recomputations from its own rows.
        dm.tblClient.SetFilter(QStringLiteral("Id = ") + newId);
        dm.tblClient.SetFiltered(true);
        dm.tblClient.First();
        dm.SelectStatement();
        if (dm.tblFSPro.FieldByName(QStringLiteral("ClientId")).AsString() != newId)
            CreateTotalsRow(dm);
        RecalcAllTotals(dm);
        transaction.Commit();
    } catch (...) {
        ShowStatementInList(dm, sourceId);
        throw;
    }
    ShowStatementInList(dm, newId);
    return newId;
}
