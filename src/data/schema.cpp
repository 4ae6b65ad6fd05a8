#include "schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/SQLiteCpp.h>

#include "engine/connection.h"
#include "engine/database.h"
#include "engine/engine_error.h"
#include "engine/file_copy.h"
#include "engine/integrity_check.h"
#include "schema_text.h"


const char *schemaSql()
{
    return kSchemaText;
}

bool createDatabaseFile(const QString &path, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (QFileInfo::exists(path))
        return fail(QStringLiteral("A file already exists at %1").arg(path));
    const QFileInfo info(path);
    if (!makePrivateFolders(info.absolutePath()))
        return fail(QStringLiteral("Cannot create the folder %1").arg(info.absolutePath()));

    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    {
        // SQLite keeps the mode of a file that exists, and gives its journal the same.
        QFile created(partial);
        if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner))
            return fail(QStringLiteral("Cannot write in %1: %2").arg(info.absolutePath(), created.errorString()));
    }
    try {
        SQLite::Database db(partial.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("PRAGMA journal_mode = DELETE");
        SQLite::Transaction transaction(db);
        db.exec(schemaSql());
        transaction.commit();
    } catch (const SQLite::Exception &e) {
        QFile::remove(partial);
        return fail(QString::fromUtf8(e.what()));
    }
    // rename() does not replace an existing file, so a file that appeared meanwhile stays.
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        return fail(QStringLiteral("Cannot put the database file at %1").arg(path));
    }
    return true;
}

QString checkStatementDatabase(const QString &path)
{
    // Changes still in a journal beside the file would be lost, or played into it.
    for (const char *journal : {"-journal", "-wal"})
        if (QFileInfo::exists(path + QLatin1String(journal)))
            return QStringLiteral("Unfinished changes lie in a journal beside the file");
    const QString header = Database::checkFileHeader(path);
    if (!header.isEmpty())
        return header;
    try {
        // immutable: the connection neither writes nor plays back a journal.
        Connection file = Connection::immutable(path);
        if (const QString difference = Database::compareSchema(file, schemaSql()); !difference.isEmpty())
            return difference;
        // The full check: it also finds an index that disagrees with its table.
        if (!IntegrityCheck::problemOf(file).isEmpty())
            return QStringLiteral("The database file is damaged");
    } catch (const EngineError &e) {
        return QStringLiteral("The database file cannot be read: ") + e.message();
    }
    return {};
}
