#pragma once

#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QString>

namespace SQLite {
class Database;
class Statement;
}

class Table;

// The database component: one SQLite file opened in rollback-journal mode, so the file
// is complete and safe to copy whenever no transaction is open.
class Database
{
public:
    // SQLite's application_id of a statement database.
    static constexpr int ApplicationId = 0x57575331;
    // How long an operation waits for a lock another connection holds.
    static constexpr int BusyTimeoutMs = 1000;

    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void SetDatabaseFileName(const QString &path);
    QString DatabaseFileName() const { return m_fileName; }
    void SetDatabaseName(const QString &name) { m_databaseName = name; }
    QString DatabaseName() const { return m_databaseName; }
    void SetKeepConnection(bool keep) { m_keepConnection = keep; }
    bool KeepConnection() const { return m_keepConnection; }

    // Connecting checks that the file is a complete statement database before SQLite
    // touches it; anything else is refused with an EngineError and left as it was.
    void SetConnected(bool connected);
    bool Connected() const { return m_sql != nullptr; }
    void Close() { SetConnected(false); }

    // Groups the posts of one operation into one commit. Nested scopes join the outermost;
    // a scope left without Commit() (an exception) rolls the whole operation back and
    // makes every open table re-read its rows.
    class Transaction
    {
    public:
        explicit Transaction(Database &db);
        ~Transaction();
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;
        void Commit();

    private:
        Database &m_db;
        bool m_done = false;
    };

    // Engine internals used by Table.
    SQLite::Database &sql();
    // A prepared statement for the text, reset and without bindings. The most recently
    // used ones are kept prepared; the holder keeps its own alive.
    std::shared_ptr<SQLite::Statement> statement(const std::string &text);
    static constexpr size_t StatementCacheSize = 96;
    size_t cachedStatements() const { return m_statements.size(); }
    void registerTable(Table *table);
    void unregisterTable(Table *table);
    bool inTransaction() const { return m_depth > 0; }

    // Checks the file without opening it through SQLite; returns an empty text when the
    // file looks like a complete statement database, else the reason.
    static QString checkFileHeader(const QString &path);

private:
    void connect();
    void disconnect();
    void rollback();
    void checkSchema() const;
    void clearStatements();

    QString m_fileName;
    QString m_databaseName;
    bool m_keepConnection = false;
    std::unique_ptr<SQLite::Database> m_sql;
    using CachedStatement = std::pair<std::string, std::shared_ptr<SQLite::Statement>>;
    std::list<CachedStatement> m_recentStatements; // most recently used first
    std::unordered_map<std::string, std::list<CachedStatement>::iterator> m_statements;
    std::vector<Table *> m_tables;
    int m_depth = 0;
    bool m_doomed = false;
};
