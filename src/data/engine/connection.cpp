#include "connection.h"

#include <cstring>

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include "database.h"
#include "sqlite_support.h"

Connection::Connection(std::unique_ptr<SQLite::Database> sql) : m_sql(std::move(sql)) {}
Connection::Connection(Connection &&) noexcept = default;
Connection &Connection::operator=(Connection &&) noexcept = default;
Connection::~Connection() = default;

Connection Connection::readOnly(const QString &path)
{
    try {
        auto sql = std::make_unique<SQLite::Database>(path.toStdString(), SQLite::OPEN_READONLY);
        sql->setBusyTimeout(Database::BusyTimeoutMs);
        return Connection(std::move(sql));
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
}

Connection Connection::immutable(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // SQLite takes paths of up to 512 bytes; a longer one is reached through the open
    // descriptor of a file of the same name.
    constexpr qsizetype LongestPath = 480;
    try {
        if (QFile::encodeName(absolute).size() <= LongestPath) {
            const QByteArray uri = QUrl::fromLocalFile(absolute).toEncoded() + QByteArrayLiteral("?immutable=1");
            return Connection(
                std::make_unique<SQLite::Database>(uri.toStdString(), SQLite::OPEN_READONLY | SQLite::OPEN_URI));
        }
        // SQLite resolves every name of the file to its full path; a longer one is read whole
        // into memory and looked at there.
        QFile file(absolute);
        if (!file.open(QIODevice::ReadOnly))
            throw EngineError(QStringLiteral("The database file cannot be opened"));
        const qint64 size = file.size();
        auto *bytes = static_cast<char *>(sqlite3_malloc64(sqlite3_uint64(qMax<qint64>(size, 1))));
        if (!bytes)
            throw EngineError(QStringLiteral("Not enough memory to read the database file"));
        if (file.read(bytes, size) != size) {
            sqlite3_free(bytes);
            throw EngineError(QStringLiteral("The database file cannot be read"));
        }
        auto db = std::make_unique<SQLite::Database>(":memory:", SQLite::OPEN_READWRITE);
        const int result = sqlite3_deserialize(db->getHandle(), "main", reinterpret_cast<unsigned char *>(bytes),
                                               size, size, SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY);
        if (result != SQLITE_OK)
            throw EngineError(QStringLiteral("The database file cannot be read"));
        return Connection(std::move(db));
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
}

Connection Connection::writable(const QString &path)
{
    try {
        auto sql = std::make_unique<SQLite::Database>(path.toStdString(), SQLite::OPEN_READWRITE);
        sql->setBusyTimeout(Database::BusyTimeoutMs);
        return Connection(std::move(sql));
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
}

Connection Connection::memory()
{
    try {
        return Connection(std::make_unique<SQLite::Database>(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE));
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
}

Connection Connection::ofImage(const QByteArray &image)
{
    try {
        auto db = std::make_unique<SQLite::Database>(":memory:", SQLite::OPEN_READWRITE);
        const auto size = sqlite3_uint64(image.size());
        auto *bytes = static_cast<unsigned char *>(sqlite3_malloc64(qMax<sqlite3_uint64>(size, 1)));
        if (!bytes)
            throw EngineError(QStringLiteral("Not enough memory to read the database"));
        std::memcpy(bytes, image.constData(), size_t(size));
        if (sqlite3_deserialize(db->getHandle(), "main", bytes, sqlite3_int64(size), sqlite3_int64(size),
                                SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY)
            != SQLITE_OK)
            throw EngineError(QStringLiteral("The database cannot be read"));
        return Connection(std::move(db));
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
}

void Connection::exec(const char *statements)
{
    try {
        m_sql->exec(statements);
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
}

QByteArray Connection::serialize() const
{
    sqlite3_int64 size = 0;
    unsigned char *bytes = sqlite3_serialize(m_sql->getHandle(), "main", &size, 0);
    if (!bytes)
        throw EngineError(QStringLiteral("Not enough memory to hold the database"));
    QByteArray image(reinterpret_cast<const char *>(bytes), qsizetype(size));
    sqlite3_free(bytes);
    return image;
}

void Connection::interrupt()
{
    sqlite3_interrupt(m_sql->getHandle());
}
