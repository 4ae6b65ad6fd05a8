#include "db_grid.h"

#include <QHeaderView>
#include <QTimer>

#include "data/engine/field.h"

namespace {

constexpr int BatchRows = 64;

QString cellText(FieldKind kind, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (kind) {
    case FieldKind::Float:
        return value.typeId() == QMetaType::Double ? Field::formatFloat(value.toDouble()) : value.toString();
    case FieldKind::Currency:
        return value.typeId() == QMetaType::LongLong ? Field::formatCurrencyDisplay(value.toLongLong())
                                                     : value.toString();
    default:
        return value.toString();
    }
}

} // namespace

TableModel::TableModel(QObject *parent) : QAbstractTableModel(parent)
{
}

Table *TableModel::table() const
{
    return m_source ? m_source->DataSet() : nullptr;
}

void TableModel::setDataSource(DataSource *source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source)
        connect(m_source, &DataSource::rowsChanged, this, &TableModel::reload);
    reload();
}

void TableModel::setColumns(const std::vector<Column> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_fieldIndexes.clear();
    endResetModel();
    reload();
}

void TableModel::reload()
{
    beginResetModel();
    m_rows.clear();
    m_fieldIndexes.clear();
    m_atEnd = true;
    Table *t = table();
    if (t && t->Active()) {
        for (const Column &c : m_columns) {
            const auto field = t->FindField(c.field);
            m_fieldIndexes.push_back(field ? field->Index() : -1);
        }
        m_rows = t->readRows(std::nullopt, BatchRows);
        m_atEnd = int(m_rows.size()) < BatchRows;
    }
    endResetModel();
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || size_t(index.row()) >= m_rows.size()
        || size_t(index.column()) >= m_fieldIndexes.size())
        return {};
    const int field = m_fieldIndexes[size_t(index.column())];
    if (field < 0)
        return {};
    return cellText(table()->column(field).kind, m_rows[size_t(index.row())].values[field]);
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && size_t(section) < m_columns.size())
        return m_columns[size_t(section)].title;
    return {};
}

bool TableModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_atEnd;
}

void TableModel::fetchMore(const QModelIndex &parent)
{
    Table *t = table();
    if (parent.isValid() || m_atEnd || !t || !t->Active() || m_rows.empty())
        return;
    auto more = t->readRows(t->keyOf(m_rows.back()), BatchRows);
    m_atEnd = int(more.size()) < BatchRows;
    if (more.empty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + more.size()) - 1);
    for (auto &row : more)
        m_rows.push_back(std::move(row));
    endInsertRows();
}

const TableRow *TableModel::rowAt(int row) const
{
    return row >= 0 && size_t(row) < m_rows.size() ? &m_rows[size_t(row)] : nullptr;
}

std::optional<int> TableModel::rowOfCurrent()
{
    Table *t = table();
    if (!t || !t->Active() || !t->hasCurrentRow() || t->state() == Table::State::Insert)
        return std::nullopt;
    const qint64 rowid = t->currentKey().rowid;
    for (size_t i = 0;; ++i) {
        if (i == m_rows.size()) {
            if (m_atEnd)
                return std::nullopt;
            fetchMore({});
            if (i == m_rows.size())
                return std::nullopt;
        }
        if (m_rows[i].rowid == rowid)
            return int(i);
    }
}

DBGrid::DBGrid(QWidget *parent) : QTableView(parent), m_model(new TableModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &DBGrid::onCurrentRowChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::followTable);
}

void DBGrid::setDataSource(DataSource *source)
{
    m_model->setDataSource(source);
    if (source)
        connect(source, &DataSource::currentChanged, this, &DBGrid::followTable);
    followTable();
}

void DBGrid::setColumns(const std::vector<TableModel::Column> &columns)
{
    m_model->setColumns(columns);
    for (size_t i = 0; i < columns.size(); ++i)
        setColumnWidth(int(i), columns[i].width);
}

void DBGrid::selectRow(int row)
{
    setCurrentIndex(m_model->index(row, 0));
}

void DBGrid::followTable()
{
    // Shows the table's current row as the selection, without moving the table again.
    m_following = true;
    const auto row = m_model->rowOfCurrent();
    if (row) {
        setCurrentIndex(m_model->index(*row, 0));
        scrollTo(m_model->index(*row, 0));
    } else {
        selectionModel()->clearCurrentIndex();
        clearSelection();
    }
    m_following = false;
}

void DBGrid::onCurrentRowChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (m_following || !current.isValid())
        return;
    Table *t = m_model->table();
    const TableRow *row = m_model->rowAt(current.row());
    if (!t || !row || !t->Active())
        return;
    if (t->state() != Table::State::Browse && t->Modified() && m_leaveRowCheck && !m_leaveRowCheck()) {
        // The window's check refused: stay on the row being edited.
        QTimer::singleShot(0, this, [this, previous] {
            m_following = true;
            setCurrentIndex(previous);
            m_following = false;
        });
        return;
    }
    t->GotoKey(t->keyOf(*row));
}
