#include "database.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <QUrl>

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include "engine_error.h"
#include "table.h"

namespace {

quint32 bigEndian(const QByteArray &bytes, int offset, int length)
{
    quint32 value = 0;
    for (int i = 0; i < length; ++i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return value;
}

} // namespace

Database::Database() = default;

Database::~Database()
{
    try {
        disconnect();
    } catch (...) {
    }
}

void Database::SetDatabaseFileName(const QString &path)
{
    if (Connected())
        throw EngineError(QStringLiteral("Cannot change the database file while connected"));
    m_fileName = path;
}

void Database::SetConnected(bool connected)
{
    if (connected == Connected())
        return;
    if (connected)
        connect();
    else
        disconnect();
}

QString Database::checkFileHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The database file cannot be opened");
    const qint64 size = file.size();
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
        return QStringLiteral("The file is not a database");
    if (qint32(bigEndian(header, 68, 4)) != ApplicationId)
        return QStringLiteral("The file is not a statement database");
    // File format versions 1 (rollback journal) and 2 (write-ahead log); a later one was
    // written by a program this one does not know.
    const int writeVersion = quint8(header.at(18)), readVersion = quint8(header.at(19));
    if (writeVersion < 1 || writeVersion > 2 || readVersion < 1 || readVersion > 2)
        return QStringLiteral("The database file has an unknown format version");
    quint32 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 pageCount = bigEndian(header, 28, 4);
    // A hot journal may legitimately leave the file at another size until SQLite rolls it
    // back; otherwise the size in the header must match the file (a truncated copy does not).
    if (!QFileInfo::exists(path + QStringLiteral("-journal"))
        && (pageCount == 0 || qint64(pageCount) * pageSize != size))
        return QStringLiteral("The database file is incomplete");
    return {};
}

void Database::connect()
{
    if (m_fileName.isEmpty())
        throw EngineError(QStringLiteral("No database file name is set"));
    const QString problem = checkFileHeader(m_fileName);
    if (!problem.isEmpty())
        throw EngineError(problem + QStringLiteral(": ") + m_fileName);
    try {
        // The tables are checked on a connection that can neither write nor play a hot
        // journal, so a file that is refused stays exactly as it was.
        checkSchema();
        m_sql = std::make_unique<SQLite::Database>(m_fileName.toStdString(), SQLite::OPEN_READWRITE);
        m_sql->setBusyTimeout(BusyTimeoutMs);
        m_sql->exec("PRAGMA journal_mode = DELETE");
        m_sql->exec("PRAGMA synchronous = FULL");
        // Every user action writes: a file that cannot be written (read only, locked by
        // another program) is refused now rather than at the first save.
        if (sqlite3_db_readonly(m_sql->getHandle(), "main") != 0)
            throw EngineError(QStringLiteral("The database file cannot be written: ") + m_fileName);
        m_sql->exec("BEGIN IMMEDIATE");
        m_sql->exec("ROLLBACK");
    } catch (const SQLite::Exception &e) {
        clearStatements();
        m_sql.reset();
        throw EngineError(QString::fromUtf8(e.what()) + QStringLiteral(": ") + m_fileName);
    } catch (...) {
        clearStatements();
        m_sql.reset();
        throw;
    }
}

void Database::checkSchema() const
{
    const QByteArray uri = QUrl::fromLocalFile(QFileInfo(m_fileName).absoluteFilePath()).toEncoded()
        + QByteArrayLiteral("?immutable=1");
    SQLite::Database reader(uri.toStdString(), SQLite::OPEN_READONLY | SQLite::OPEN_URI);
    QSet<QString> present;
    SQLite::Statement query(reader, "SELECT name FROM sqlite_master WHERE type = 'table'");
    while (query.executeStep())
        present.insert(QString::fromUtf8(query.getColumn(0).getText()).toLower());
    for (const Table *table : m_tables)
        if (!present.contains(table->TableName().toLower()))
            throw EngineError(QStringLiteral("The database has no table %1").arg(table->TableName()));
}

void Database::disconnect()
{
    if (!m_sql)
        return;
    for (Table *table : std::vector<Table *>(m_tables))
        table->Close();
    if (m_depth > 0) {
        try {
            m_sql->exec("ROLLBACK");
        } catch (...) {
        }
        m_depth = 0;
        m_doomed = false;
    }
    clearStatements();
    m_sql.reset();
}

void Database::clearStatements()
{
    m_statements.clear();
    m_recentStatements.clear();
}

SQLite::Database &Database::sql()
{
    if (!m_sql)
        throw EngineError(QStringLiteral("The database is not connected"));
    return *m_sql;
}

std::shared_ptr<SQLite::Statement> Database::statement(const std::string &text)
{
    std::shared_ptr<SQLite::Statement> stmt;
    const auto it = m_statements.find(text);
    if (it != m_statements.end()) {
        m_recentStatements.splice(m_recentStatements.begin(), m_recentStatements, it->second);
        stmt = it->second->second;
    } else {
        try {
            stmt = std::make_shared<SQLite::Statement>(sql(), text);
        } catch (const SQLite::Exception &e) {
            throw EngineError(QString::fromUtf8(e.what()));
        }
        m_recentStatements.emplace_front(text, stmt);
        m_statements[text] = m_recentStatements.begin();
        if (m_recentStatements.size() > StatementCacheSize) {
            m_statements.erase(m_recentStatements.back().first);
            m_recentStatements.pop_back();
        }
    }
    stmt->reset();
    stmt->clearBindings();
    return stmt;
}

void Database::registerTable(Table *table)
{
    m_tables.push_back(table);
}

void Database::unregisterTable(Table *table)
{
    m_tables.erase(std::remove(m_tables.begin(), m_tables.end(), table), m_tables.end());
}

void Database::rollback()
{
    try {
        sql().exec("ROLLBACK");
    } catch (const SQLite::Exception &) {
        // SQLite may already have rolled back on its own after an I/O error.
    }
    for (Table *table : m_tables)
        table->discardAfterRollback();
}

Database::Transaction::Transaction(Database &db) : m_db(db)
{
    if (m_db.m_depth == 0) {
        try {
            m_db.sql().exec("BEGIN IMMEDIATE");
        } catch (const SQLite::Exception &e) {
            throw EngineError(QString::fromUtf8(e.what()));
        }
        m_db.m_doomed = false;
    }
    ++m_db.m_depth;
}

Database::Transaction::~Transaction()
{
    if (m_done)
        return;
    // Left by an exception: the outermost scope undoes the whole operation.
    --m_db.m_depth;
    m_db.m_doomed = true;
    if (m_db.m_depth == 0 && m_db.m_sql)
        m_db.rollback();
}

void Database::Transaction::Commit()
{
    if (m_done)
        return;
    m_done = true;
    --m_db.m_depth;
    if (m_db.m_depth > 0)
        return;
    if (m_db.m_doomed) {
        m_db.rollback();
        throw EngineError(QStringLiteral("The operation was undone because a part of it failed"));
    }
    try {
        m_db.sql().exec("COMMIT");
    } catch (const SQLite::Exception &e) {
        m_db.rollback();
        throw EngineError(QString::fromUtf8(e.what()));
    }
}
