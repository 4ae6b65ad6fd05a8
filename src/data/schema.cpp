#include "schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/SQLiteCpp.h>

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
