#include "schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

#include <SQLiteCpp/SQLiteCpp.h>

#include "engine/database.h"
#include "schema_text.h"

namespace {

QStringList columnNames(SQLite::Database &db, const QString &table)
{
    QStringList names;
    SQLite::Statement query(db, "SELECT name FROM pragma_table_info(?)");
    query.bind(1, table.toStdString());
    while (query.executeStep())
        names << QString::fromUtf8(query.getColumn(0).getText()).toLower();
    return names;
}

QStringList tableNames(SQLite::Database &db)
{
    QStringList names;
    SQLite::Statement query(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'");
    while (query.executeStep())
        names << QString::fromUtf8(query.getColumn(0).getText());
    return names;
}

} // namespace

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
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("Cannot create the folder %1").arg(info.absolutePath()));

    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
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
    const QString header = Database::checkFileHeader(path);
    if (!header.isEmpty())
        return header;
    try {
        // immutable: the connection neither writes nor plays back a journal.
        const QByteArray uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded()
            + QByteArrayLiteral("?immutable=1");
        SQLite::Database file(uri.toStdString(), SQLite::OPEN_READONLY | SQLite::OPEN_URI);
        SQLite::Statement check(file, "PRAGMA quick_check");
        if (!check.executeStep() || check.getColumn(0).getString() != "ok")
            return QStringLiteral("The database file is damaged");

        SQLite::Database reference(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        reference.exec(schemaSql());
        QSet<QString> present;
        for (const QString &table : tableNames(file))
            present.insert(table.toLower());
        for (const QString &table : tableNames(reference)) {
            if (!present.contains(table.toLower()))
                return QStringLiteral("The database has no table %1").arg(table);
            const QStringList fields = columnNames(file, table);
            for (const QString &field : columnNames(reference, table))
                if (!fields.contains(field))
                    return QStringLiteral("The table %1 has no field %2").arg(table, field);
        }
    } catch (const SQLite::Exception &e) {
        return QStringLiteral("The database file cannot be read: ") + QString::fromUtf8(e.what());
    }
    return {};
}
