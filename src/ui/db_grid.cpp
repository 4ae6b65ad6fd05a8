#include "db_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "base/cents.h"
#include "base/guarded.h"
#include "data/engine/field.h"
#include "typed_control.h"

namespace {

constexpr int BatchRows = 64;
// The first read fills the view with some rows to spare; the rest follow as it scrolls.
// A row carries every field of its table (some ninety for a statement), so the first
// showing of a list reads no more than it shows.
constexpr int FirstBatchRows = 24;

QString cellText(FieldKind kind, const QVariant &value, bool money)
{
    if (!value.isValid() || value.isNull())
        return QString();
    if (money) {
        // As the printed schedules show it ("12,450.75"). A currency field holds
        // ten-thousandths of a dollar; a text that is no number (stored by another program)
        // shows as it is.
        switch (value.typeId()) {
        case QMetaType::Double:
            return groupedMoney(value.toDouble());
        case QMetaType::LongLong:
            return groupedMoney(kind == FieldKind::Currency ? double(value.toLongLong()) / 10000.0
                                                            : double(value.toLongLong()));
        default:
            return value.toString();
        }
    }
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

void TableModel::setDeferred(bool deferred)
{
    m_deferred = deferred;
    if (!m_deferred && m_stale)
        reload();
}

void TableModel::reload()
{
    if (m_deferred) {
        if (!m_stale) {
            beginResetModel();
            m_rows.clear();
            m_atEnd = true;
            m_stale = true;
            endResetModel();
        }
        return;
    }
    m_stale = false;
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
        // Read from inside the table's notifications: rows that cannot be read show as none,
        // and the operation that reads them reports the failure itself.
        try {
            m_rows = readRows(nullptr, FirstBatchRows);
            m_atEnd = int(m_rows.size()) < FirstBatchRows;
        } catch (const std::exception &) {
            m_rows.clear();
        }
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
    if ((role != Qt::DisplayRole && role != Qt::TextAlignmentRole) || !index.isValid()
        || size_t(index.row()) >= m_rows.size() || size_t(index.column()) >= m_fieldIndexes.size())
        return {};
    const int field = m_fieldIndexes[size_t(index.column())];
    if (field < 0)
        return {};
    const FieldKind kind = table()->column(field).kind;
    if (role == Qt::TextAlignmentRole) {
        // Amounts line up on the right, as in a ledger.
        const bool number = kind == FieldKind::Float || kind == FieldKind::Currency
            || m_columns[size_t(index.column())].money;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    return cellText(kind, m_rows[size_t(index.row())].values[field], m_columns[size_t(index.column())].money);
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && size_t(section) < m_columns.size())
        return m_columns[size_t(section)].title;
    return {};
}

std::vector<TableRow> TableModel::readRows(const TableRow *last, int limit)
{
    Table *t = table();
    return t->readRows(last ? std::optional<RowKey>(t->keyOf(*last)) : std::nullopt, limit);
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
    std::vector<TableRow> more;
    try {
        more = readRows(&m_rows.back(), BatchRows);
    } catch (const std::exception &) {
        m_atEnd = true;
        return;
    }
    m_atEnd = int(more.size()) < BatchRows;
    if (more.empty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + more.size()) - 1);
    for (auto &row : more)
        m_rows.push_back(std::move(row));
    endInsertRows();
}

std::optional<RowKey> TableModel::keyAt(int row) const
{
    const Table *t = table();
    if (!t || row < 0 || size_t(row) >= m_rows.size())
        return std::nullopt;
    return t->keyOf(m_rows[size_t(row)]);
}

std::optional<int> TableModel::rowOfCurrent()
{
    Table *t = table();
    qint64 rowid = 0;
    try {
        if (!t || !t->Active() || !t->hasCurrentRow() || t->state() == Table::State::Insert)
            return std::nullopt;
        rowid = t->currentKey().rowid;
    } catch (const std::exception &) {
        return std::nullopt;
    }
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

DBGrid::DBGrid(QWidget *parent, TableModel *model) : QTableView(parent), m_model(model ? model : new TableModel)
{
    m_model->setParent(this);
    // Not shown yet: the rows are read when the grid appears.
    m_model->setDeferred(true);
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionsClickable(false);
    // Tab leaves the grid for the next control; the arrows move between rows.
    setTabKeyNavigation(false);
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
    // Shows the table's current row as the selection, without moving the table again. A
    // grid not shown follows when it appears (its rows are read then).
    if (m_model->isDeferred())
        return;
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

void DBGrid::setLeaveRowCheck(std::function<bool()> check)
{
    m_leaveRowCheck = std::move(check);
    // A click that moves to another row reports refused typing through the check, once.
    setProperty(TypedControl::ChecksTypingProperty, bool(m_leaveRowCheck));
}

bool DBGrid::mayLeaveRow()
{
    Table *t = m_model->table();
    if (!t || !t->Active())
        return false;
    if (!m_leaveRowCheck)
        return true;
    // Typing the row's fields refused is not dropped by a move either: the window says why.
    if (!TypedControl::holdsRefusedTyping(window()) && (t->state() == Table::State::Browse || !t->Modified()))
        return true;
    return m_leaveRowCheck();
}

bool DBGrid::moveToRow(int row)
{
    // The key is taken before the check runs: a check that saves reads the rows again.
    const std::optional<RowKey> key = m_model->keyAt(row);
    Table *t = m_model->table();
    if (!key || !t)
        return false;
    if (!mayLeaveRow())
        return false;
    t->GotoKey(*key);
    return true;
}

void DBGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex target = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !target.isValid() || target.row() == currentIndex().row()) {
        QTableView::mousePressEvent(event);
        return;
    }
    event->accept();
    setFocus(Qt::MouseFocusReason);
    guarded([&] { moveToRow(target.row()); });
}

void DBGrid::keyPressEvent(QKeyEvent *event)
{
    CursorAction action;
    switch (event->key()) {
    case Qt::Key_Up: action = MoveUp; break;
    case Qt::Key_Down: action = MoveDown; break;
    case Qt::Key_PageUp: action = MovePageUp; break;
    case Qt::Key_PageDown: action = MovePageDown; break;
    case Qt::Key_Home: action = MoveHome; break;
    case Qt::Key_End: action = MoveEnd; break;
    default:
        QTableView::keyPressEvent(event);
        return;
    }
    const QModelIndex target = moveCursor(action, event->modifiers());
    event->accept();
    if (target.isValid() && target.row() != currentIndex().row())
        guarded([&] { moveToRow(target.row()); });
}

void DBGrid::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (!hasFocus())
        return;
    // The focus is always visible, also on an empty grid or one whose rows are all shown as
    // selected.
    QPainter painter(viewport());
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight));
    pen.setWidth(2);
    painter.setPen(pen);
    painter.drawRect(viewport()->rect().adjusted(1, 1, -1, -1));
}

void DBGrid::showEvent(QShowEvent *event)
{
    // Rows read anew are followed on their reset; rows kept may have a new current row.
    const bool reads = m_model->isStale();
    m_model->setDeferred(false);
    if (!reads)
        guarded([this] { followTable(); });
    QTableView::showEvent(event);
}

void DBGrid::hideEvent(QHideEvent *event)
{
    QTableView::hideEvent(event);
    m_model->setDeferred(true);
}

void DBGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void DBGrid::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

void DBGrid::onCurrentRowChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (m_following || !current.isValid())
        return;
    // A move that came another way than the mouse or the keys (selectRow).
    bool moved = false;
    guarded([&] { moved = moveToRow(current.row()); });
    if (!moved) {
        QTimer::singleShot(0, this, [this, previous] {
            m_following = true;
            setCurrentIndex(previous);
            m_following = false;
        });
    }
}
