#pragma once

#include <memory>
#include <string_view>

#include <QString>
#include <QVariant>

class Connection;
class Database;

namespace SQLite {
class Database;
class Statement;
}

// One SQL statement on the program's database or on a connection of its own: the one way
// code outside the engine reads or writes the file beside the tables.
// - On the program's database the prepared statement comes from the database's cache (a
//   nested query of the same text gets one of its own) and is reset whenever the query
//   ends, whatever ends it, so no read stays open.
// - Parameters are bound by position (from 1) or by name (":id"); a value is bound as
//   Table binds it (invalid: NULL, whole and floating-point numbers, else text).
// - Every failure is an EngineError carrying SQLite's message.
// - A statement that writes the program's database is refused first when the file takes no
//   more writes; once it has written, every open table of the rows it wrote re-reads them
//   at its place, and their listeners hear of it when the action ends (at its commit, or
//   once control returns to the event loop), never in the middle of it.
class Query
{
public:
    Query(Database &db, std::string_view text);
    Query(Connection &connection, std::string_view text);
    ~Query();
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    Query &bind(int position, const QVariant &value);
    Query &bind(const char *name, const QVariant &value);

    // Steps to the next row: false once there is none.
    bool next();
    // Runs the statement to its end, for statements without results (rows it gives are
    // passed over).
    void exec();

    // Of the current row; a column counts from 0.
    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    bool isNumber(int column) const;
    // The text (whole, a NUL inside included) or the number as text; NULL reads as "".
    QString text(int column) const;
    // NULL reads as 0; a text as the number it starts with.
    qint64 integer(int column) const;
    double real(int column) const;
    // As stored: qint64, double, QString, or an invalid QVariant for NULL.
    QVariant value(int column) const;

    // After a statement that wrote: the rowid of the last row it inserted, and how many
    // rows it inserted, changed or deleted.
    qint64 insertedRowid() const;
    qint64 changes() const;

private:
    int parameterIndex(const char *name) const;

    Database *m_db = nullptr;
    SQLite::Database *m_connection = nullptr;
    std::shared_ptr<SQLite::Statement> m_statement;
    bool m_stepped = false;
};
