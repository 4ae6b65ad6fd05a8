#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QAbstractTableModel>
#include <QTableView>

#include "data/engine/data_source.h"

// The rows of a table, read a batch at a time as the view scrolls; never the whole table.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Column
    {
        QString field;
        QString title;
        int width = 64;
        // An amount: shown as money ("12,450.75"), as the printed schedules show it.
        bool money = false;
    };

    explicit TableModel(QObject *parent = nullptr);

    void setDataSource(DataSource *source);
    void setColumns(const std::vector<Column> &columns);
    const std::vector<Column> &columns() const { return m_columns; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    // Reads the rows again from the first; while deferred, only once it is no longer.
    void reload();
    // A list nobody sees reads nothing: its rows are read when it is shown.
    void setDeferred(bool deferred);
    bool isDeferred() const { return m_deferred; }
    bool isStale() const { return m_stale; }
    // The row of the table's current row, reading further batches until it is found.
    std::optional<int> rowOfCurrent();
    // Where a row of the grid lies in the table's order; nothing for a row not read.
    std::optional<RowKey> keyAt(int row) const;
    Table *table() const;

protected:
    // Reads the rows that follow the last one read (none: from the first), in the order
    // the grid lists them: the table's own order here.
    virtual std::vector<TableRow> readRows(const TableRow *last, int limit);
    const TableRow &rowAt(int row) const { return m_rows[size_t(row)]; }

private:
    std::vector<Column> m_columns;
    std::vector<int> m_fieldIndexes;
    DataSource *m_source = nullptr;
    std::vector<TableRow> m_rows;
    bool m_atEnd = true;
    bool m_deferred = false;
    bool m_stale = false;
};

// A read-only grid over a data source: whole-row selection, and selecting a row moves the
// table's current row. Leaving a modified row first runs the window's own check (which
// saves the row, as OK would); when it refuses, the selection does not move at all.
class DBGrid : public QTableView
{
    Q_OBJECT

public:
    // The grid takes a model of its own kind when given one.
    explicit DBGrid(QWidget *parent = nullptr, TableModel *model = nullptr);

    void setDataSource(DataSource *source);
    void setColumns(const std::vector<TableModel::Column> &columns);
    TableModel *tableModel() const { return m_model; }
    // Runs before the selection leaves a modified row; false keeps it there.
    void setLeaveRowCheck(std::function<bool()> check);
    void selectRow(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void followTable();
    void onCurrentRowChanged(const QModelIndex &current, const QModelIndex &previous);
    // Moves the table to the grid row, once the row being edited may be left.
    bool moveToRow(int row);
    bool mayLeaveRow();

    TableModel *m_model;
    std::function<bool()> m_leaveRowCheck;
    bool m_following = false;
};
