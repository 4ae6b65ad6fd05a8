#include "query.h"

#include <mutex>
#include <unordered_map>
#include <utility>

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include "connection.h"
#include "database.h"
#include "sqlite_support.h"

namespace {

// A column of the current row; asking for one that is not there is the engine's error too.
SQLite::Column columnOf(SQLite::Statement &statement, int column)
{
    try {
        return statement.getColumn(column);
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
}

// Whether the statement of the text may write (SQLite's own answer, asked of a statement
// prepared for that alone: the cached ones do not show theirs). Texts are few; the answer
// is kept for each.
bool writes(SQLite::Database &connection, const std::string &text)
{
    static std::mutex guard;
    static std::unordered_map<std::string, bool> known;
    const std::lock_guard<std::mutex> lock(guard);
    if (const auto found = known.find(text); found != known.end())
        return found->second;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(connection.getHandle(), text.c_str(), int(text.size()), &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return true;
    }
    const bool answer = statement && sqlite3_stmt_readonly(statement) == 0;
    sqlite3_finalize(statement);
    constexpr size_t MostTexts = 1024;
    if (known.size() >= MostTexts)
        known.clear();
    known.emplace(text, answer);
    return answer;
}

} // namespace

Query::Query(Database &db, std::string_view text)
    : m_db(&db), m_connection(&db.sql()), m_statement(db.statement(std::string(text)))
{
}

Query::Query(Connection &connection, std::string_view text) : m_connection(&connection.sql())
{
    try {
        m_statement = std::make_shared<SQLite::Statement>(*m_connection, std::string(text));
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
}

Query::~Query()
{
    // A statement of the cache is handed out again; one left mid-way would hold its read open.
    m_statement->tryReset();
}

int Query::parameterIndex(const char *name) const
{
    const int index = m_statement->getIndex(name);
    if (index == 0)
        throw EngineError(QStringLiteral("The statement has no parameter %1: %2")
                              .arg(QString::fromUtf8(name), QString::fromStdString(m_statement->getQuery())));
    return index;
}

Query &Query::bind(int position, const QVariant &value)
{
    try {
        bindValue(*m_statement, position, value);
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
    return *this;
}

Query &Query::bind(const char *name, const QVariant &value)
{
    return bind(parameterIndex(name), value);
}

bool Query::next()
{
    const bool first = !std::exchange(m_stepped, true);
    if (!first || !m_db || !writes(*m_connection, m_statement->getQuery())) {
        try {
            return m_statement->executeStep();
        } catch (const SQLite::Exception &e) {
            throw engineError(e);
        }
    }

    m_db->requireWritable();
    std::vector<std::string> written;
    const sqlite3_int64 changedBefore = sqlite3_total_changes64(m_connection->getHandle());
    std::vector<std::string> *outer = std::exchange(m_db->m_written, &written);
    bool row = false;
    try {
        row = m_statement->executeStep();
    } catch (const SQLite::Exception &e) {
        m_db->m_written = outer;
        throw engineError(e);
    }
    m_db->m_written = outer;
    if (!written.empty()) {
        for (const std::string &table : written)
            m_db->rowsChanged(QString::fromStdString(table));
    } else if (sqlite3_total_changes64(m_connection->getHandle()) != changedBefore) {
        // Rows went without a row-by-row account (a table emptied at once).
        m_db->rowsChanged({});
    }
    if (sqlite3_total_changes64(m_connection->getHandle()) != changedBefore)
        m_db->afterWrite();
    return row;
}

void Query::exec()
{
    while (next()) {
    }
}

int Query::columnCount() const
{
    return m_statement->getColumnCount();
}

QString Query::columnName(int column) const
{
    try {
        return QString::fromUtf8(m_statement->getColumnName(column));
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
}

bool Query::isNull(int column) const
{
    return columnOf(*m_statement, column).isNull();
}

bool Query::isNumber(int column) const
{
    const SQLite::Column value = columnOf(*m_statement, column);
    return value.isInteger() || value.isFloat();
}

QString Query::text(int column) const
{
    const SQLite::Column value = columnOf(*m_statement, column);
    const char *text = value.getText();
    return QString::fromUtf8(text, value.getBytes());
}

qint64 Query::integer(int column) const
{
    return columnOf(*m_statement, column).getInt64();
}

double Query::real(int column) const
{
    return columnOf(*m_statement, column).getDouble();
}

QVariant Query::value(int column) const
{
    return columnValue(columnOf(*m_statement, column));
}

qint64 Query::insertedRowid() const
{
    return m_connection->getLastInsertRowid();
}

qint64 Query::changes() const
{
    return sqlite3_changes64(m_connection->getHandle());
}
