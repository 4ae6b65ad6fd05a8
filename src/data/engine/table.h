#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include "field.h"

class Database;
struct ParsedFilter;

struct ColumnInfo
{
    QString name;
    QString lowerName;
    FieldKind kind;
};

struct TableRow
{
    qint64 rowid = 0;
    QVector<QVariant> values;
};

// Position of a row in the table's index order: the index column's value, then rowid.
struct RowKey
{
    QVariant order;
    qint64 rowid = 0;
};

enum class TableEvent {
    RowsChanged, // the visible rows may differ: opened, closed, filter, post, delete, refresh
    Scrolled,    // the current row moved
    StateChanged,
    FieldChanged, // a value of the edit buffer changed
};

class TableListener
{
public:
    virtual ~TableListener() = default;
    virtual void tableChanged(TableEvent event, int field) = 0;
};

// A cursor over one table, in the order of its index, narrowed by an optional filter.
// Rows are fetched a page at a time, so opening a table or moving to its first row never
// reads the whole table.
class Table
{
public:
    enum class State { Inactive, Browse, Edit, Insert };

    Table(Database &db, const QString &tableName = {}, const QString &indexName = {});
    ~Table();
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    Database &database() const { return m_db; }
    void SetTableName(const QString &name);
    QString TableName() const { return m_tableName; }
    void SetIndexName(const QString &name);
    QString IndexName() const { return m_indexName; }

    void Open();
    void Close();
    void SetActive(bool active) { active ? Open() : Close(); }
    bool Active() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    // Filter text forms: Field = 12, Field = "text", Field = "a" and Other = "b".
    // Texts are compared exactly. An incomplete "Field = " matches no row.
    void SetFilter(const QString &filter);
    QString Filter() const { return m_filter; }
    void SetFiltered(bool filtered);
    bool Filtered() const { return m_filtered; }

    // Moving while in Edit or Insert posts a modified buffer and cancels an unmodified one.
    void First();
    void Next();
    bool Eof();
    bool IsEmpty();

    void Append();
    void Edit(); // on an empty table this starts a new row, as Append does
    void Post();
    void Cancel();
    void Delete(); // removes the current row; the next row becomes current
    // Removes, in one statement, every row the filter lets through (every row when the
    // table is not filtered); the table is then empty under its filter.
    void DeleteVisibleRows();
    bool Modified() const { return m_modified; }
    // Drops cached rows and re-reads the current position from the file.
    void Refresh();

    // A row being edited, as typed: taken before a post that may fail, and put back when
    // the post's transaction was rolled back, so nothing typed is lost.
    struct EditState
    {
        State state = State::Browse;
        TableRow buffer;
        std::vector<bool> changed;
        bool modified = false;
    };
    EditState editState() const;
    void restoreEditState(const EditState &saved);

    // A text field whose values were once stored in other forms reads each such value in the
    // form it has now (`presentForms` maps old to new), wherever the rows are read. The file
    // keeps what it holds until the row is saved: a post of an edited row writes the field.
    void setReadAs(const QString &fieldName, const QHash<QString, QString> &presentForms);

    Field FieldByName(const QString &name);
    std::optional<Field> FindField(const QString &name);
    int FieldCount() const { return int(m_columns.size()); }
    const ColumnInfo &column(int index) const { return m_columns[size_t(index)]; }

    // For grids: read rows in order without moving the cursor, and move to a row read so.
    bool hasCurrentRow();
    RowKey currentKey();
    RowKey keyOf(const TableRow &row) const;
    std::vector<TableRow> readRows(const std::optional<RowKey> &after, int limit);
    void GotoKey(const RowKey &key);

    // How many rows this cursor has read from the file since it was opened: browsing a
    // large table must stay proportional to what is looked at.
    qint64 rowsRead() const { return m_rowsRead; }

    void addListener(TableListener *listener);
    void removeListener(TableListener *listener);
    // While disabled, listeners hear nothing; enabling again tells them once what changed.
    void DisableControls();
    void EnableControls();

    // Used by Field.
    QVariant value(int index);
    void setValue(int index, const QVariant &value);

    // Used by Database after a rolled-back transaction or when disconnecting.
    void discardAfterRollback();
    // Used by Database when rows of the table were written by other means: the cursor
    // re-reads its rows at its place when next looked at, keeping a row being edited.
    void reread();

private:
    enum class KeyBound { None, After, AtOrAfter, Before };

    void requireActive() const;
    void checkBrowseMode();
    void ensurePositioned();
    void fetchFirst();
    void positionAt(const RowKey &key, bool inclusive);
    std::vector<TableRow> fetch(KeyBound bound, const RowKey *key, int limit);
    std::optional<TableRow> readRowById(qint64 rowid);
    const ParsedFilter &parsedFilter();
    // The filter's condition and its values, when the table is filtered.
    void addFilter(QStringList &where, std::vector<QVariant> &parameters);
    void notify(TableEvent event, int field = -1);
    void loadColumns();
    void setPage(std::vector<TableRow> rows, int requested);

    Database &m_db;
    QString m_tableName;
    QString m_indexName;
    QString m_filter;
    bool m_filtered = false;
    State m_state = State::Inactive;

    std::vector<ColumnInfo> m_columns;
    QString m_selectList;
    int m_orderColumn = -1;
    QString m_orderCollation;

    std::unique_ptr<ParsedFilter> m_parsed;
    bool m_filterDirty = true;

    // The cursor: a page of rows in order, the current one at m_pos.
    std::vector<TableRow> m_page;
    size_t m_pos = 0;
    bool m_pageHasMore = false;
    int m_nextFetch = 16;
    bool m_eof = true;
    bool m_stale = false;  // to be read again from the first row
    bool m_reread = false; // to be read again at the current row

    struct ReadAs
    {
        QString lowerName;
        QHash<QString, QString> presentForms;
        int column = -1; // resolved when the columns are loaded
    };
    std::vector<ReadAs> m_readAs;
    void resolve(ReadAs &readAs) const;
    void presentValues(TableRow &row) const;

    TableRow m_buffer;
    std::vector<bool> m_changed;
    bool m_modified = false;

    qint64 m_rowsRead = 0;

    std::vector<TableListener *> m_listeners;
    int m_disabled = 0;
    bool m_pendingRows = false;
    bool m_pendingScroll = false;
    bool m_pendingState = false;
};
