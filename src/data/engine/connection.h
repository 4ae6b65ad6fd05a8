#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

namespace SQLite {
class Database;
}

// A connection of its own beside the program's database: to another statement file (read
// only), to the program's file from another thread, or to a database in memory. Queries run
// on it through Query; every failure is an EngineError.
class Connection
{
public:
    // Read only with the usual locks, so that it reads beside the program's own connection
    // and waits a while for its locks.
    static Connection readOnly(const QString &path);
    // Read only without any lock: it neither writes the file nor plays back a journal, and
    // creates nothing beside it. For a path of any length.
    static Connection immutable(const QString &path);
    // Reads and writes the file at path, which exists (an empty file becomes a database).
    static Connection writable(const QString &path);
    // An empty database in memory.
    static Connection memory();
    // Read only, in memory: the database whose file holds these bytes.
    static Connection ofImage(const QByteArray &image);

    Connection(Connection &&) noexcept;
    Connection &operator=(Connection &&) noexcept;
    ~Connection();

    // Runs statements without results, one after the other.
    void exec(const char *statements);
    // The database as the bytes of a file that holds it.
    QByteArray serialize() const;
    // Ends a statement running on another thread with an error there; safe from any thread.
    void interrupt();

private:
    friend class Database;
    friend class Query;
    explicit Connection(std::unique_ptr<SQLite::Database> sql);
    SQLite::Database &sql() const { return *m_sql; }

    std::unique_ptr<SQLite::Database> m_sql;
};
