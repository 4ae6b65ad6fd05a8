#include "statement_merge.h"

#include <QFileInfo>
#include <QUrl>

#include <SQLiteCpp/SQLiteCpp.h>

#include "data/engine/database.h"
#include "data/engine/file_identity.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "exchange/exchange_error.h"
#include "exchange/statement_insert.h"
#include "exchange/statement_record.h"

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
        // mode=ro: this connection can neither write the other file nor create anything beside it.
        const QByteArray uri = QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded() + QByteArrayLiteral("?mode=ro");
        SQLite::Database other(uri.toStdString(), SQLite::OPEN_READONLY | SQLite::OPEN_URI);
        other.setBusyTimeout(Database::BusyTimeoutMs);
        SQLite::Transaction snapshot(other); // one consistent reading of the file
        for (const qint64 id : statementIds(other))
            records.push_back(readStatement(other, id));
    } catch (const SQLite::Exception &e) {
        throw ExchangeError(QStringLiteral("%1 cannot be read: %2").arg(path, QString::fromUtf8(e.what())));
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
