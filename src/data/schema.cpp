#include "schema.h"

#include <string>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/whole_file.h"
#include "engine/connection.h"
#include "engine/database.h"
#include "engine/engine_error.h"
#include "engine/file_copy.h"
#include "engine/integrity_check.h"
#include "engine/statement_image.h"
#include "schema_step2_text.h"
#include "schema_text.h"

const std::vector<const char *> &schemaSteps()
{
    static const std::vector<const char *> steps{kSchemaText, kSchemaStep2Text};
    return steps;
}

const char *schemaSqlOfVersion(int version)
{
    static const std::vector<std::string> schemas = [] {
        std::vector<std::string> built;
        std::string text;
        for (const char *step : schemaSteps()) {
            text += step;
            built.push_back(text);
        }
        return built;
    }();
    if (version < 1 || version > int(schemas.size()))
        throw EngineError(QStringLiteral("The database has a version this program does not know (%1)").arg(version));
    return schemas[size_t(version - 1)].c_str();
}

const char *schemaSql()
{
    return schemaSqlOfVersion(int(schemaSteps().size()));
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

    // SQLite writes the schema into the private temporary file by its name; it keeps the
    // file's mode, and gives its journal the same.
    const auto writeSchema = [](QFile &file, QString *why) {
        try {
            Connection db = Connection::writable(file.fileName());
            db.exec("PRAGMA journal_mode = DELETE");
            db.exec("BEGIN");
            db.exec(schemaSql());
            db.exec("COMMIT");
            return true;
        } catch (const EngineError &e) {
            *why = e.message();
            return false;
        }
    };
    return writeFileWhole(path, writeSchema, error, AtTarget::Keep);
}

namespace {

// The schema of its version and SQLite's full check, on an open statement database.
QString checkOpenDatabase(Connection &file, int userVersion)
{
    const int version = Database::versionOf(userVersion);
    if (const QString difference = Database::compareSchema(file, schemaSqlOfVersion(version)); !difference.isEmpty())
        return difference;
    // The full check: it also finds an index that disagrees with its table.
    if (!IntegrityCheck::problemOf(file).isEmpty())
        return QStringLiteral("The database file is damaged");
    return {};
}

} // namespace

QString checkEncryptedStatementDatabase(const QString &path, const QString &password)
{
    try {
        const QByteArray image = decryptStatementFile(path, password);
        if (const QString header = checkHeaderBytes(image.left(100), image.size()); !header.isEmpty())
            return header;
        const QByteArray version = image.mid(60, 4);
        const int userVersion = (quint8(version[0]) << 24) | (quint8(version[1]) << 16) | (quint8(version[2]) << 8)
            | quint8(version[3]);
        Connection file = Connection::ofImage(image);
        return checkOpenDatabase(file, userVersion);
    } catch (const EngineError &e) {
        return e.message();
    }
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
        if (const QString problem = checkOpenDatabase(file, Database::fileUserVersion(path)); !problem.isEmpty())
            return problem;
    } catch (const EngineError &e) {
        return QStringLiteral("The database file cannot be read: ") + e.message();
    }
    return {};
}
