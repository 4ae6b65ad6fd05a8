#include "statement_merge.h"

#include <QFileInfo>

#include "data/engine/connection.h"
#include "data/engine/engine_error.h"
#include "data/engine/file_identity.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "exchange/exchange_error.h"
#include "exchange/statement_insert.h"
#include "exchange/statement_record.h"
#include "exchange/statement_rules.h"

namespace {

void checkRow(const ExchangeTable &table, const RecordRow &row, qint64 statement, qsizetype number)
{
    for (const auto &[name, value] : row)
        if (const ExchangeField *field = table.field(name))
            if (const QString problem = StatementRules::valueProblem(table, *field, value); !problem.isEmpty())
                throw ExchangeError(valuePlace(statement, table.name, number, name) + QStringLiteral(": ") + problem);
}

// The rules an imported statement file is held to, for each value of the other file.
void checkRecord(const StatementRecord &record, qint64 statement)
{
    checkRow(statementClientTable(), record.client, statement, 0);
    checkRow(statementTotalsTable(), record.totals, statement, 0);
    for (const auto &[tableName, rows] : record.details)
        for (size_t i = 0; i < rows.size(); ++i)
            checkRow(*statementTable(tableName), rows[i], statement, qsizetype(i) + 1);
}

} // namespace

MergeResult mergeStatementFile(Tdm1 &dm, const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw ExchangeError(QStringLiteral("%1: no such file").arg(path));
    // By identity: a link to the file or to its folder is the file in use all the same.
    if (isSameFile(path, dm.db1.DatabaseFileName()))
        throw ExchangeError(QStringLiteral("%1 is the file in use; its statements are already here").arg(path));
    const QString problem = checkStatementDatabase(path);
    if (!problem.isEmpty())
        throw ExchangeError(QStringLiteral("%1 is not a statement file that can be added: %2").arg(path, problem));

    std::vector<StatementRecord> records;
    try {
        // immutable: the connection neither writes the other file nor creates anything
        // beside it (no journal, no -wal or -shm of a file in WAL mode); the check above
        // made sure no journal lies beside it whose changes it would miss.
        Connection other = Connection::immutable(info.absoluteFilePath());
        for (const qint64 id : statementIds(other)) {
            records.push_back(readStatement(other, id));
            checkRecord(records.back(), id);
        }
    } catch (const EngineError &e) {
        throw ExchangeError(QStringLiteral("%1 cannot be read: %2").arg(path, e.message()));
    } catch (const ExchangeError &e) {
        throw ExchangeError(QStringLiteral("%1: %2; nothing was added").arg(path, e.message()));
    }

    MergeResult result;
    for (const StatementRecord &record : records)
        result.detailRows += record.detailRowCount();
    const std::vector<QString> ids = insertStatements(dm, records);
    result.statements = int(ids.size());
    for (const QString &id : ids)
        result.ids << id;
    return result;
}

QString mergeResultText(const MergeResult &result, const QString &path)
{
    return QStringLiteral("%1 %2 with %3 %4 %5 added from %6.")
        .arg(result.statements)
        .arg(result.statements == 1 ? QStringLiteral("statement") : QStringLiteral("statements"))
        .arg(result.detailRows)
        .arg(result.detailRows == 1 ? QStringLiteral("row") : QStringLiteral("rows"))
        .arg(result.statements == 1 ? QStringLiteral("was") : QStringLiteral("were"))
        .arg(QFileInfo(path).fileName());
}
