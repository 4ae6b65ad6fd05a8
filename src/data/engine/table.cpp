#include "table.h"

#include <algorithm>

#include <SQLiteCpp/SQLiteCpp.h>

#include "database.h"
#include "engine_error.h"
#include "filter.h"
#include "sqlite_support.h"
#include "sql_identifier.h"

namespace {

// A bound control looks at one row after each move, which is read alone; a walk that goes
// on reads a page of WalkPageRows next, and pages that double in size after it.
constexpr int FirstPageRows = 1;
constexpr int WalkPageRows = 32;
constexpr int LargestPageRows = 512;

// Binds the values from the first parameter on; the index of the next one.
int bindAll(SQLite::Statement &stmt, const std::vector<QVariant> &values)
{
    int index = 1;
    for (const QVariant &v : values)
        bindValue(stmt, index++, v);
    return index;
}

// Every statement is reset when the scope ends, so no read stays open between calls.
struct ResetOnExit
{
    SQLite::Statement &stmt;
    ~ResetOnExit()
    {
        try {
            stmt.reset();
        } catch (...) {
        }
    }
};

} // namespace

Table::Table(Database &db, const QString &tableName, const QString &indexName)
    : m_db(db), m_tableName(tableName), m_indexName(indexName)
{
    m_db.registerTable(this);
}

Table::~Table()
{
    m_db.unregisterTable(this);
}

void Table::SetTableName(const QString &name)
{
    if (Active())
        throw EngineError(QStringLiteral("Cannot change the table name of an open table"));
    m_tableName = name;
}

void Table::SetIndexName(const QString &name)
{
    if (Active())
        throw EngineError(QStringLiteral("Cannot change the index of an open table"));
    m_indexName = name;
}

void Table::requireActive() const
{
    if (!Active())
        throw EngineError(QStringLiteral("Table %1 is not open").arg(m_tableName));
}

void Table::loadColumns()
{
    m_columns.clear();
    m_orderColumn = -1;
    m_orderCollation.clear();
    try {
        // The same three queries serve every table: prepared once per connection.
        const auto infoStatement = m_db.statement("SELECT name, type, pk FROM pragma_table_info(?)");
        SQLite::Statement &info = *infoStatement;
        ResetOnExit infoReset{info};
        info.bind(1, m_tableName.toStdString());
        while (info.executeStep()) {
            ColumnInfo column;
            column.name = QString::fromUtf8(info.getColumn(0).getText());
            column.lowerName = column.name.toLower();
            column.kind = fieldKindOfDeclaredType(QString::fromUtf8(info.getColumn(1).getText()),
                                                  info.getColumn(2).getInt() != 0);
            m_columns.push_back(column);
        }
        if (m_columns.empty())
            throw EngineError(QStringLiteral("Table %1 not found").arg(m_tableName));

        if (!m_indexName.isEmpty()) {
            // Index names are per database in SQLite, so each is stored as <table>_<index>.
            const QString wanted = (m_tableName + u'_' + m_indexName).toLower();
            const auto listStatement = m_db.statement("SELECT name FROM pragma_index_list(?)");
            SQLite::Statement &list = *listStatement;
            ResetOnExit listReset{list};
            list.bind(1, m_tableName.toStdString());
            QString found;
            while (list.executeStep()) {
                const QString name = QString::fromUtf8(list.getColumn(0).getText());
                if (name.toLower() == wanted)
                    found = name;
            }
            if (found.isEmpty())
                throw EngineError(QStringLiteral("Index %1 not found for table %2").arg(m_indexName, m_tableName));
            const auto keysStatement =
                m_db.statement("SELECT name, coll FROM pragma_index_xinfo(?) WHERE key = 1 ORDER BY seqno");
            SQLite::Statement &keys = *keysStatement;
            ResetOnExit keysReset{keys};
            keys.bind(1, found.toStdString());
            int keyCount = 0;
            while (keys.executeStep()) {
                if (keys.getColumn(0).isNull())
                    continue;
                ++keyCount;
                const QString name = QString::fromUtf8(keys.getColumn(0).getText()).toLower();
                for (size_t i = 0; i < m_columns.size(); ++i)
                    if (m_columns[i].lowerName == name)
                        m_orderColumn = int(i);
                m_orderCollation = QString::fromUtf8(keys.getColumn(1).getText());
            }
            if (keyCount != 1 || m_orderColumn < 0)
                throw EngineError(QStringLiteral("Index %1 of table %2 must have one column").arg(m_indexName, m_tableName));
        }
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }

    for (ReadAs &readAs : m_readAs)
        resolve(readAs);

    QStringList names;
    for (const ColumnInfo &c : m_columns)
        names << quoteIdentifier(c.name);
    m_selectList = QStringLiteral("rowid, ") + names.join(QStringLiteral(", "));
}

void Table::Open()
{
    if (Active())
        return;
    loadColumns();
    m_rowsRead = 0;
    m_state = State::Browse;
    m_filterDirty = true;
    // As after First: the first page is read when a row is first looked at, so a table
    // that is filtered before anyone reads it (every detail table at the start) reads
    // nothing in between.
    m_page.clear();
    m_pos = 0;
    m_eof = true;
    m_stale = true;
    notify(TableEvent::StateChanged);
    notify(TableEvent::RowsChanged);
}

void Table::Close()
{
    if (!Active())
        return;
    m_state = State::Inactive;
    m_page.clear();
    m_pos = 0;
    m_eof = true;
    m_stale = false;
    m_reread = false;
    m_modified = false;
    m_buffer = {};
    m_parsed.reset();
    notify(TableEvent::StateChanged);
    notify(TableEvent::RowsChanged);
}

void Table::SetFilter(const QString &filter)
{
    if (filter == m_filter)
        return;
    if (Active())
        checkBrowseMode();
    m_filter = filter;
    m_filterDirty = true;
    if (Active() && m_filtered) {
        m_stale = true;
        notify(TableEvent::RowsChanged);
    }
}

void Table::SetFiltered(bool filtered)
{
    if (filtered == m_filtered)
        return;
    if (Active())
        checkBrowseMode();
    m_filtered = filtered;
    if (Active()) {
        m_stale = true;
        notify(TableEvent::RowsChanged);
    }
}

const ParsedFilter &Table::parsedFilter()
{
    if (m_filterDirty || !m_parsed) {
        m_parsed = std::make_unique<ParsedFilter>(parseFilter(m_filter, m_columns, m_tableName));
        m_filterDirty = false;
    }
    return *m_parsed;
}

void Table::addFilter(QStringList &where, std::vector<QVariant> &parameters)
{
    if (!m_filtered)
        return;
    const ParsedFilter &filter = parsedFilter();
    if (!filter.whereSql.isEmpty()) {
        where << u'(' + filter.whereSql + u')';
        parameters.insert(parameters.end(), filter.parameters.begin(), filter.parameters.end());
    }
}

std::vector<TableRow> Table::fetch(KeyBound bound, const RowKey *key, int limit)
{
    QStringList where;
    std::vector<QVariant> parameters;
    addFilter(where, parameters);

    QString order;
    const bool descending = bound == KeyBound::Before;
    if (m_orderColumn >= 0) {
        const QString k = quoteIdentifier(m_columns[size_t(m_orderColumn)].name) + QStringLiteral(" COLLATE ")
            + m_orderCollation;
        if (bound != KeyBound::None) {
            // Written so that SQLite seeks the index on the first comparison.
            const QChar wide = descending ? u'<' : u'>';
            const QString rowidCompare = bound == KeyBound::AtOrAfter ? QStringLiteral(">=") : QString(wide);
            where << QStringLiteral("%1 %2= ? AND (%1 %2 ? OR rowid %3 ?)").arg(k, wide, rowidCompare);
            parameters.push_back(key->order);
            parameters.push_back(key->order);
            parameters.push_back(key->rowid);
        }
        order = descending ? QStringLiteral("%1 DESC, rowid DESC").arg(k) : QStringLiteral("%1, rowid").arg(k);
    } else {
        if (bound != KeyBound::None) {
            where << (bound == KeyBound::After ? QStringLiteral("rowid > ?")
                      : bound == KeyBound::AtOrAfter ? QStringLiteral("rowid >= ?")
                                                     : QStringLiteral("rowid < ?"));
            parameters.push_back(key->rowid);
        }
        order = descending ? QStringLiteral("rowid DESC") : QStringLiteral("rowid");
    }

    QString text = QStringLiteral("SELECT %1 FROM %2").arg(m_selectList, quoteIdentifier(m_tableName));
    if (!where.isEmpty())
        text += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    text += QStringLiteral(" ORDER BY ") + order + QStringLiteral(" LIMIT ?");

    std::vector<TableRow> rows;
    try {
        const auto statement = m_db.statement(text.toStdString());
            SQLite::Statement &stmt = *statement;
        ResetOnExit guard{stmt};
        stmt.bind(bindAll(stmt, parameters), limit);
        const int columns = int(m_columns.size());
        while (stmt.executeStep()) {
            TableRow row;
            row.rowid = stmt.getColumn(0).getInt64();
            row.values.resize(columns);
            for (int c = 0; c < columns; ++c)
                row.values[c] = columnValue(stmt.getColumn(c + 1));
            presentValues(row);
            rows.push_back(std::move(row));
        }
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
    m_rowsRead += qint64(rows.size());
    return rows;
}

std::optional<TableRow> Table::readRowById(qint64 rowid)
{
    const QString text = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(m_selectList, quoteIdentifier(m_tableName));
    try {
        const auto statement = m_db.statement(text.toStdString());
            SQLite::Statement &stmt = *statement;
        ResetOnExit guard{stmt};
        stmt.bind(1, static_cast<int64_t>(rowid));
        if (!stmt.executeStep())
            return std::nullopt;
        TableRow row;
        row.rowid = stmt.getColumn(0).getInt64();
        row.values.resize(int(m_columns.size()));
        for (int c = 0; c < int(m_columns.size()); ++c)
            row.values[c] = columnValue(stmt.getColumn(c + 1));
        presentValues(row);
        return row;
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
}

void Table::resolve(ReadAs &readAs) const
{
    readAs.column = -1;
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].lowerName == readAs.lowerName && m_columns[i].kind == FieldKind::Text)
            readAs.column = int(i);
}

void Table::presentValues(TableRow &row) const
{
    for (const ReadAs &readAs : m_readAs) {
        if (readAs.column < 0)
            continue;
        QVariant &value = row.values[readAs.column];
        const auto present = readAs.presentForms.constFind(value.toString());
        if (present != readAs.presentForms.cend())
            value = *present;
    }
}

void Table::setReadAs(const QString &fieldName, const QHash<QString, QString> &presentForms)
{
    const QString lower = fieldName.toLower();
    std::erase_if(m_readAs, [&](const ReadAs &readAs) { return readAs.lowerName == lower; });
    m_readAs.push_back({lower, presentForms});
    resolve(m_readAs.back());
    for (TableRow &row : m_page)
        presentValues(row);
}

void Table::setPage(std::vector<TableRow> rows, int requested)
{
    m_pageHasMore = int(rows.size()) == requested;
    m_page = std::move(rows);
    m_pos = 0;
    m_eof = m_page.empty();
}

void Table::fetchFirst()
{
    m_stale = false;
    m_reread = false;
    setPage(fetch(KeyBound::None, nullptr, FirstPageRows), FirstPageRows);
    m_nextFetch = WalkPageRows;
}

void Table::ensurePositioned()
{
    if (!Active())
        return;
    if (m_stale)
        fetchFirst();
    else if (m_reread && m_page.empty())
        fetchFirst();
    else if (m_reread) {
        const RowKey key = keyOf(m_page[m_pos]);
        const bool atEnd = m_eof;
        positionAt(key, true);
        // A cursor past its last row stays there while that row is.
        if (atEnd && !m_page.empty() && m_page[m_pos].rowid == key.rowid)
            m_eof = true;
    }
}

void Table::reread()
{
    if (!Active())
        return;
    m_reread = true;
    notify(TableEvent::RowsChanged);
}

void Table::positionAt(const RowKey &key, bool inclusive)
{
    m_stale = false;
    m_reread = false;
    auto rows = fetch(inclusive ? KeyBound::AtOrAfter : KeyBound::After, &key, FirstPageRows);
    if (!rows.empty()) {
        setPage(std::move(rows), FirstPageRows);
        m_nextFetch = WalkPageRows;
        return;
    }
    // Nothing follows: stay on the last row, at the end, as after Next past it.
    setPage(fetch(KeyBound::Before, &key, 1), 1);
    m_pageHasMore = false;
    m_eof = true;
}

void Table::checkBrowseMode()
{
    if (m_state == State::Edit || m_state == State::Insert) {
        if (m_modified)
            Post();
        else
            Cancel();
    }
}

void Table::First()
{
    requireActive();
    checkBrowseMode();
    // The first page is read when the row is first looked at, as after a filter change:
    // moving a table to its first row that nobody then reads (the detail tables while the
    // statement list is shown) reads nothing. A filter that cannot be read is still refused here.
    if (m_filtered)
        parsedFilter();
    m_stale = true;
    notify(TableEvent::Scrolled);
}

void Table::Next()
{
    requireActive();
    checkBrowseMode();
    ensurePositioned();
    if (m_page.empty())
        return;
    if (m_pos + 1 < m_page.size()) {
        ++m_pos;
    } else if (m_pageHasMore) {
        const RowKey key = keyOf(m_page[m_pos]);
        const int limit = m_nextFetch;
        auto rows = fetch(KeyBound::After, &key, limit);
        if (rows.empty()) {
            m_pageHasMore = false;
            m_eof = true;
            return;
        }
        setPage(std::move(rows), limit);
        m_nextFetch = std::min(LargestPageRows, limit * 2);
    } else {
        m_eof = true;
        return;
    }
    notify(TableEvent::Scrolled);
}

bool Table::Eof()
{
    if (!Active())
        return true;
    ensurePositioned();
    return m_eof;
}

bool Table::IsEmpty()
{
    if (!Active())
        return true;
    ensurePositioned();
    return m_page.empty() && m_state != State::Insert;
}

void Table::Append()
{
    requireActive();
    checkBrowseMode();
    ensurePositioned();
    m_buffer = {};
    m_buffer.values.resize(int(m_columns.size()));
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].kind == FieldKind::Text)
            m_buffer.values[int(i)] = QString();
    m_changed.assign(m_columns.size(), false);
    m_modified = false;
    m_state = State::Insert;
    notify(TableEvent::StateChanged);
    notify(TableEvent::Scrolled);
}

void Table::Edit()
{
    requireActive();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    ensurePositioned();
    if (m_page.empty()) {
        Append();
        return;
    }
    m_buffer = m_page[m_pos];
    m_changed.assign(m_columns.size(), false);
    m_modified = false;
    m_state = State::Edit;
    notify(TableEvent::StateChanged);
}

void Table::Post()
{
    requireActive();
    if (m_state != State::Edit && m_state != State::Insert)
        return;

    // A changed row may have been read in a present form the file does not hold yet.
    std::vector<bool> written = m_changed;
    if (m_modified)
        for (const ReadAs &readAs : m_readAs)
            if (readAs.column >= 0)
                written[size_t(readAs.column)] = true;
    QStringList names;
    std::vector<QVariant> values;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (written[i]) {
            names << quoteIdentifier(m_columns[i].name);
            values.push_back(m_buffer.values[int(i)]);
        }
    }

    qint64 rowid = m_buffer.rowid;
    if (m_state == State::Insert || !names.isEmpty())
        m_db.requireWritable();
    try {
        if (m_state == State::Insert) {
            QString text;
            if (names.isEmpty()) {
                text = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(m_tableName));
            } else {
                QStringList marks;
                for (qsizetype i = 0; i < names.size(); ++i)
                    marks << QStringLiteral("?");
                text = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(quoteIdentifier(m_tableName), names.join(QStringLiteral(", ")),
                                marks.join(QStringLiteral(", ")));
            }
            const auto statement = m_db.statement(text.toStdString());
            SQLite::Statement &stmt = *statement;
            ResetOnExit guard{stmt};
            bindAll(stmt, values);
            stmt.exec();
            rowid = m_db.sql().getLastInsertRowid();
        } else if (!names.isEmpty()) {
            QStringList sets;
            for (const QString &n : names)
                sets << n + QStringLiteral(" = ?");
            const QString text = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                     .arg(quoteIdentifier(m_tableName), sets.join(QStringLiteral(", ")));
            const auto statement = m_db.statement(text.toStdString());
            SQLite::Statement &stmt = *statement;
            ResetOnExit guard{stmt};
            stmt.bind(bindAll(stmt, values), static_cast<int64_t>(rowid));
            stmt.exec();
        }
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }

    if (m_state == State::Insert || !names.isEmpty())
        m_db.afterWrite();

    // The posted row stays current, even where it falls outside the filter (a new row
    // whose key the filter does not name yet); Next goes on from its place in the order.
    const bool wasEdit = m_state == State::Edit;
    m_state = State::Browse;
    m_modified = false;
    const bool inPlace = wasEdit && !m_page.empty() && !m_stale && m_page[m_pos].rowid == rowid
        && (m_orderColumn < 0 || m_buffer.values[m_orderColumn] == m_page[m_pos].values[m_orderColumn]);
    if (inPlace) {
        // Still in its place and holding what was just written: the page read so far stays
        // valid, so a walk that posts each row reads nothing again.
        m_page[m_pos] = std::move(m_buffer);
    } else if (auto row = readRowById(rowid)) {
        m_page = {std::move(*row)};
        m_pos = 0;
        m_pageHasMore = true;
        m_eof = false;
        m_stale = false;
        m_nextFetch = WalkPageRows;
    } else {
        m_stale = true;
    }
    m_buffer = {};
    notify(TableEvent::StateChanged);
    notify(TableEvent::RowsChanged);
}

void Table::Cancel()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    m_state = State::Browse;
    m_modified = false;
    m_buffer = {};
    notify(TableEvent::StateChanged);
    notify(TableEvent::Scrolled);
}

void Table::Delete()
{
    requireActive();
    if (m_state == State::Insert) {
        Cancel();
        return;
    }
    if (m_state == State::Edit)
        Cancel();
    ensurePositioned();
    if (m_page.empty())
        throw EngineError(QStringLiteral("Cannot delete from an empty table %1").arg(m_tableName));

    m_db.requireWritable();
    const TableRow doomed = m_page[m_pos];
    try {
        const QString text = QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(m_tableName));
        const auto statement = m_db.statement(text.toStdString());
            SQLite::Statement &stmt = *statement;
        ResetOnExit guard{stmt};
        stmt.bind(1, static_cast<int64_t>(doomed.rowid));
        stmt.exec();
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }

    m_db.afterWrite();
    m_page.erase(m_page.begin() + qsizetype(m_pos));
    if (m_pos < m_page.size()) {
        m_eof = false;
    } else if (m_pageHasMore || m_page.empty()) {
        positionAt(keyOf(doomed), false);
    } else {
        m_pos = m_page.size() - 1;
        m_eof = true;
    }
    notify(TableEvent::RowsChanged);
}

void Table::DeleteVisibleRows()
{
    requireActive();
    if (m_state == State::Edit || m_state == State::Insert)
        Cancel();
    m_db.requireWritable();
    QString text = QStringLiteral("DELETE FROM %1").arg(quoteIdentifier(m_tableName));
    QStringList where;
    std::vector<QVariant> parameters;
    addFilter(where, parameters);
    if (!where.isEmpty())
        text += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    try {
        const auto statement = m_db.statement(text.toStdString());
        SQLite::Statement &stmt = *statement;
        ResetOnExit guard{stmt};
        bindAll(stmt, parameters);
        stmt.exec();
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
    m_db.afterWrite();
    m_page.clear();
    m_pos = 0;
    m_pageHasMore = false;
    m_eof = true;
    m_stale = true;
    notify(TableEvent::RowsChanged);
}

void Table::Refresh()
{
    requireActive();
    discardAfterRollback();
}

Table::EditState Table::editState() const
{
    if (m_state != State::Edit && m_state != State::Insert)
        return {};
    return {m_state, m_buffer, m_changed, m_modified};
}

void Table::restoreEditState(const EditState &saved)
{
    requireActive();
    if (saved.state != State::Edit && saved.state != State::Insert)
        return;
    m_state = saved.state;
    m_buffer = saved.buffer;
    m_changed = saved.changed;
    m_modified = saved.modified;
    notify(TableEvent::StateChanged);
    notify(TableEvent::Scrolled);
}

void Table::discardAfterRollback()
{
    if (!Active())
        return;
    const bool wasEditing = m_state != State::Browse;
    m_state = State::Browse;
    m_modified = false;
    m_buffer = {};
    try {
        if (!m_page.empty() && !m_stale)
            positionAt(keyOf(m_page[m_pos]), true);
        else
            fetchFirst();
    } catch (const EngineError &) {
        // A table that cannot be read any more starts again from its first row when used.
        m_page.clear();
        m_stale = true;
    }
    if (wasEditing)
        notify(TableEvent::StateChanged);
    notify(TableEvent::RowsChanged);
}

std::optional<Field> Table::FindField(const QString &name)
{
    const QString lower = name.toLower();
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].lowerName == lower)
            return Field(this, int(i));
    return std::nullopt;
}

Field Table::FieldByName(const QString &name)
{
    requireActive();
    if (auto field = FindField(name))
        return *field;
    throw EngineError(QStringLiteral("%1: Field '%2' not found").arg(m_tableName, name));
}

QVariant Table::value(int index)
{
    if (m_state == State::Edit || m_state == State::Insert)
        return m_buffer.values[index];
    ensurePositioned();
    if (m_page.empty())
        return {};
    return m_page[m_pos].values[index];
}

void Table::setValue(int index, const QVariant &value)
{
    if (m_state != State::Edit && m_state != State::Insert)
        throw EngineError(QStringLiteral("Table %1 is not in edit or insert mode").arg(m_tableName));
    if (m_columns[size_t(index)].kind == FieldKind::Key)
        throw EngineError(QStringLiteral("Field '%1' cannot be modified").arg(m_columns[size_t(index)].name));
    m_buffer.values[index] = value;
    m_changed[size_t(index)] = true;
    m_modified = true;
    notify(TableEvent::FieldChanged, index);
}

bool Table::hasCurrentRow()
{
    if (!Active())
        return false;
    ensurePositioned();
    return !m_page.empty();
}

RowKey Table::keyOf(const TableRow &row) const
{
    RowKey key;
    key.rowid = row.rowid;
    if (m_orderColumn >= 0)
        key.order = row.values[m_orderColumn];
    return key;
}

RowKey Table::currentKey()
{
    ensurePositioned();
    if (m_page.empty())
        return {};
    return keyOf(m_page[m_pos]);
}

std::vector<TableRow> Table::readRows(const std::optional<RowKey> &after, int limit)
{
    requireActive();
    return after ? fetch(KeyBound::After, &*after, limit) : fetch(KeyBound::None, nullptr, limit);
}

void Table::GotoKey(const RowKey &key)
{
    requireActive();
    checkBrowseMode();
    positionAt(key, true);
    notify(TableEvent::Scrolled);
}

void Table::addListener(TableListener *listener)
{
    m_listeners.push_back(listener);
}

void Table::removeListener(TableListener *listener)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

void Table::DisableControls()
{
    ++m_disabled;
}

void Table::EnableControls()
{
    if (m_disabled == 0 || --m_disabled > 0)
        return;
    const bool rows = m_pendingRows, scroll = m_pendingScroll, state = m_pendingState;
    m_pendingRows = m_pendingScroll = m_pendingState = false;
    if (state)
        notify(TableEvent::StateChanged);
    if (rows)
        notify(TableEvent::RowsChanged);
    else if (scroll)
        notify(TableEvent::Scrolled);
}

void Table::notify(TableEvent event, int field)
{
    if (m_disabled > 0) {
        switch (event) {
        case TableEvent::RowsChanged: m_pendingRows = true; break;
        case TableEvent::Scrolled: m_pendingScroll = true; break;
        case TableEvent::StateChanged: m_pendingState = true; break;
        case TableEvent::FieldChanged: m_pendingScroll = true; break;
        }
        return;
    }
    for (TableListener *listener : std::vector<TableListener *>(m_listeners))
        listener->tableChanged(event, field);
}
