#include "overview_page.h"

#include <QFrame>
#include <QHash>
#include <QHeaderView>
#include <QLabel>

#include "data/engine/query.h"
#include "data/engine/sql_identifier.h"
#include "data/engine/table.h"
#include "data/tdm1.h"
#include "app/statement_exchange_menu.h"
#include "ui/anchors.h"
#include "ui/db_grid.h"
#include "ui/db_text.h"
#include "ui/format_money.h"
#include "ui/image_button.h"

namespace {

// Hover switches a palette colour; no style sheet is rebuilt on every mouse move.
void setTextColour(QWidget *label, const QColor &colour)
{
    if (label->palette().color(QPalette::WindowText) == colour)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

constexpr int FirstTotalY = 134;
constexpr int TotalRowHeight = 20;

// The list's columns beyond the Client row: the totals row's date and net worth, and the
// kind of statement told from the Client row's joint answer.
const QString DateColumn = QStringLiteral("Date");
const QString NetWorthColumn = QStringLiteral("NetWorth");
const QString KindColumn = QStringLiteral("JointStatement");

// Rows are looked up this many at a time, with one statement text whatever their number.
constexpr int LookupBatch = 64;

QString placeholders(int count)
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

// The statement list: the Client rows with each statement's date, kind and net worth.
// In the names' own order it reads the Client table as every grid does, and the totals of
// the rows read in one lookup; sorted by another column it orders the row keys once and
// then reads the rows a batch at a time, so a list of many statements is never read whole.
class StatementListModel : public TableModel
{
public:
    explicit StatementListModel(Tdm1 &dm) : m_dm(dm) {}

    QVariant data(const QModelIndex &index, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

protected:
    std::vector<TableRow> readRows(const TableRow *last, int limit) override;

private:
    struct Totals
    {
        QString date;
        QVariant netWorth;
    };

    int fieldIndex(const QString &name) const;
    std::vector<qint64> sortedKeys() const;
    std::vector<TableRow> readSorted(size_t from, int limit) const;
    void readTotals(const std::vector<TableRow> &rows);

    Tdm1 &m_dm;
    int m_sortColumn = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    std::vector<qint64> m_sorted;
    QHash<qint64, Totals> m_totals;
};

int StatementListModel::fieldIndex(const QString &name) const
{
    const auto field = m_dm.tblClient.FindField(name);
    return field ? field->Index() : -1;
}

QVariant StatementListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || size_t(index.column()) >= columns().size())
        return {};
    const QString &field = columns()[size_t(index.column())].field;
    const bool netWorth = field == NetWorthColumn;
    if (field != DateColumn && field != KindColumn && !netWorth)
        return TableModel::data(index, role);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (netWorth ? Qt::AlignRight : Qt::AlignLeft));
    if (role != Qt::DisplayRole)
        return {};
    const TableRow &row = rowAt(index.row());
    if (field == KindColumn) {
        const int joint = fieldIndex(KindColumn);
        const bool isJoint = joint >= 0 && row.values[joint].toString() == QLatin1String("Yes");
        return isJoint ? QStringLiteral("Joint") : QStringLiteral("Personal");
    }
    const auto totals = m_totals.constFind(row.rowid);
    if (totals == m_totals.cend())
        return QString();
    if (!netWorth)
        return totals->date;
    return totals->netWorth.isNull() ? QString() : FormatMoney(totals->netWorth.toDouble());
}

void StatementListModel::sort(int column, Qt::SortOrder order)
{
    if (size_t(column) >= columns().size())
        column = -1;
    if (column == m_sortColumn && (column < 0 || order == m_order))
        return;
    m_sortColumn = column;
    m_order = order;
    reload();
}

std::vector<TableRow> StatementListModel::readRows(const TableRow *last, int limit)
{
    // A filtered Client table holds one statement at most (SelectStatement): it is read as
    // it is, whatever the order chosen.
    const bool sorted = m_sortColumn >= 0 && !m_dm.tblClient.Filtered();
    if (!last) {
        m_totals.clear();
        m_sorted = sorted ? sortedKeys() : std::vector<qint64>();
    }
    std::vector<TableRow> rows = sorted ? readSorted(rowCount(), limit) : TableModel::readRows(last, limit);
    readTotals(rows);
    return rows;
}

std::vector<qint64> StatementListModel::sortedKeys() const
{
    // The totals row of a statement is the first of its ClientId, as the Overview shows it.
    const QString totals = QStringLiteral("(SELECT %1 FROM FSPro WHERE FSPro.ClientId = CAST(Client.Id AS TEXT) "
                                          "ORDER BY FSPro.rowid LIMIT 1)");
    const QString &field = columns()[size_t(m_sortColumn)].field;
    QString key;
    if (field == DateColumn)
        key = totals.arg(QStringLiteral("substr(Date, 7, 4) || substr(Date, 1, 2) || substr(Date, 4, 2)"));
    else if (field == NetWorthColumn)
        key = totals.arg(NetWorthColumn);
    else if (field == KindColumn)
        key = QStringLiteral("(JointStatement = 'Yes')");
    else
        key = quoteIdentifier(field) + QStringLiteral(" COLLATE NOCASE");
    const QString text = QStringLiteral("SELECT rowid FROM Client ORDER BY %1 %2, LastName COLLATE NOCASE, "
                                        "FirstName COLLATE NOCASE, rowid")
                             .arg(key, m_order == Qt::DescendingOrder ? QStringLiteral("DESC") : QStringLiteral("ASC"));
    std::vector<qint64> keys;
    Query query(m_dm.db1, text.toStdString());
    while (query.next())
        keys.push_back(query.integer(0));
    return keys;
}

std::vector<TableRow> StatementListModel::readSorted(size_t from, int limit) const
{
    Table &client = m_dm.tblClient;
    const size_t to = std::min(m_sorted.size(), from + size_t(limit));
    QStringList names;
    for (int i = 0; i < client.FieldCount(); ++i)
        names << quoteIdentifier(client.column(i).name);
    const std::string text = QStringLiteral("SELECT rowid, %1 FROM Client WHERE rowid IN (%2)")
                                 .arg(names.join(QStringLiteral(", ")), placeholders(LookupBatch))
                                 .toStdString();
    QHash<qint64, TableRow> read;
    for (size_t first = from; first < to; first += LookupBatch) {
        Query query(m_dm.db1, text);
        for (int i = 0; i < LookupBatch; ++i)
            query.bind(i + 1, first + size_t(i) < to ? QVariant(m_sorted[first + size_t(i)]) : QVariant());
        while (query.next()) {
            TableRow row;
            row.rowid = query.integer(0);
            row.values.resize(client.FieldCount());
            for (int c = 0; c < client.FieldCount(); ++c)
                row.values[c] = query.value(c + 1);
            read.insert(row.rowid, std::move(row));
        }
    }
    std::vector<TableRow> rows;
    for (size_t i = from; i < to; ++i) {
        // A row gone since the keys were ordered is left out.
        if (const auto found = read.constFind(m_sorted[i]); found != read.cend())
            rows.push_back(*found);
    }
    return rows;
}

void StatementListModel::readTotals(const std::vector<TableRow> &rows)
{
    const int id = fieldIndex(QStringLiteral("Id"));
    if (id < 0 || rows.empty())
        return;
    static const std::string text =
        QStringLiteral("SELECT ClientId, Date, NetWorth FROM FSPro WHERE ClientId IN (%1) ORDER BY rowid DESC")
            .arg(placeholders(LookupBatch))
            .toStdString();
    for (size_t first = 0; first < rows.size(); first += LookupBatch) {
        QHash<QString, qint64> rowOfId;
        Query query(m_dm.db1, text);
        for (int i = 0; i < LookupBatch; ++i) {
            if (first + size_t(i) < rows.size()) {
                const TableRow &row = rows[first + size_t(i)];
                const QString clientId = row.values[id].toString();
                rowOfId.insert(clientId, row.rowid);
                query.bind(i + 1, clientId);
            } else {
                query.bind(i + 1, QVariant());
            }
        }
        // The lowest rowid of a ClientId comes last and wins.
        while (query.next())
            m_totals.insert(rowOfId.value(query.text(0)), {query.text(1), query.value(2)});
    }
}

} // namespace

const std::vector<OverviewPage::Total> &OverviewPage::assetTotals()
{
    static const std::vector<Total> totals = {
        {"Cash (A):", "CashOnHand", "dbE1"},
        {"Real Estate (B):", "RealEstateTotals", "dbE2"},
        {"Investments (C):", "InvestmentTotals", "dbE3"},
        {"Automobiles (D):", "AutoTotal", "dbE4"},
        {"Life Insurance (E):", "LifeCash", "dbE5"},
        {"Personal Assets (F):", "PersonalAssets", "dbE6"},
        {"Business Assets (G):", "BusinessAssets", "dbE7"},
        {"Notes Receivable (H):", "NotesReceivable", "dbE8"},
        {"Margin Accounts (H):", "MarginAccounts", "dbE9"},
        {"All Other Assets (H):", "OtherAssetsTotal", "dbE10"},
        {"Total Assets:", "TotalAssets", ""},
    };
    return totals;
}

const std::vector<OverviewPage::Total> &OverviewPage::liabilityTotals()
{
    static const std::vector<Total> totals = {
        {"Notes Payable (I):", "BankLiability", "dbE11"},
        {"Mortgages Payable (J):", "MortgageLiabilitiesTotals", "dbE12"},
        {"Credit Card Liability (K):", "CreditCardLiability", "dbE13"},
        {"Auto Liability (L):", "AutoLiability", "dbE14"},
        {"Tax Liability (M):", "TaxLiability", "dbE15"},
        {"All Other Liabilities (N):", "OtherLiability", "dbE16"},
        {"Contingent Liabilities (O):", "ContingentLiability", "dbE17"},
        {"Total Liabilities:", "TotalLiabilities", ""},
        {"Liabilities/Net Worth:", "TotalLiabilitiesandNetWorth", ""},
        {"Net Worth:", "NetWorth", ""},
    };
    return totals;
}

OverviewPage::OverviewPage(Tdm1 &dm, QWidget *parent) : QWidget(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("tsOverview"));
    setMouseTracking(true);
    // Hidden pages of the page control keep their own size until shown: start at the default.
    resize(527, 440);
    m_anchors = new Anchors(this, {527, 440});

    m_grid = new DBGrid(this, new StatementListModel(m_dm));
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setGeometry(1, 4, 507, 120);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(15);
    m_grid->horizontalHeader()->setFont(titleFont);
    QPalette titles = m_grid->horizontalHeader()->palette();
    titles.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    m_grid->horizontalHeader()->setPalette(titles);
    // Beside the names, what tells one statement of a person from another: its date, its
    // kind and its net worth. The names make room for them; a net worth of eight digits
    // still fits beside the scroll bar of a long list.
    m_grid->setColumns({{QStringLiteral("LastName"), QStringLiteral("Last Name"), 106},
                        {QStringLiteral("FirstName"), QStringLiteral("First Name"), 88},
                        {QStringLiteral("MiddleInitial"), QStringLiteral("MI"), 27},
                        {DateColumn, QStringLiteral("As of"), 82},
                        {KindColumn, QStringLiteral("Kind"), 66},
                        {NetWorthColumn, QStringLiteral("Net Worth"), 110}});
    m_grid->setDataSource(&m_dm.dsClient);
    // Any column sorts the list, a third click on it gives the names' own order back.
    QHeaderView *header = m_grid->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    m_grid->setSortingEnabled(true);
    m_exchange = new StatementExchangeMenu(m_grid, m_dm); // statements in and out
    m_anchors->add(m_grid, Anchors::Grows);

    // Assets on the left, liabilities on the right; the bold totals close each column.
    addColumn(assetTotals(), 0, 120, 122, 0);
    addColumn(liabilityTotals(), 262, 145, 409, 0.5);

    m_delete = actionButton({222, 398}, QStringLiteral("imDelete"), 1);
    m_add = actionButton({322, 398}, QStringLiteral("imAdd"), 1);
    m_edit = actionButton({422, 398}, QStringLiteral("imEdit"), 1);
    m_print = actionButton({5, 365}, QStringLiteral("imPrint"), 0);
    m_delete->setName(QStringLiteral("Delete"));
    m_add->setName(QStringLiteral("Add"));
    m_edit->setName(QStringLiteral("Edit"));
    m_print->setName(QStringLiteral("Print"));
    m_grid->setAccessibleName(QStringLiteral("Statements"));
    // Tab runs from the list to the buttons, left to right. The clickable totals stay
    // mouse shortcuts: the Financial Statement page's links reach the same windows.
    QWidget *previous = m_grid;
    for (ImageButton *button : {m_print, m_delete, m_add, m_edit}) {
        setTabOrder(previous, button->focusWidget());
        previous = button->focusWidget();
    }
}

void OverviewPage::addColumn(const std::vector<Total> &totals, int captionX, int captionWidth, int valueX, qreal share)
{
    const Anchors::Anchor captionAnchor{share, 1, 0.5, 0};
    const Anchors::Anchor valueAnchor{share + 0.5, 1, 0, 0};
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    QFont bold = font;
    bold.setBold(true);

    int y = FirstTotalY;
    bool previousClickable = false;
    for (const Total &total : totals) {
        const bool clickable = *total.control != '\0';
        if (!clickable && previousClickable) {
            auto *rule = new QFrame(this);
            rule->setFrameShape(QFrame::HLine);
            QPalette line = rule->palette();
            line.setColor(QPalette::WindowText, QColor(0x9a, 0xa9, 0xc2));
            rule->setPalette(line);
            rule->setGeometry(captionX, y - 2, valueX + 110 - captionX, 2);
            m_anchors->add(rule, captionAnchor);
        }
        auto *caption = new QLabel(QString::fromLatin1(total.caption), this);
        caption->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(total.field));
        caption->setFont(clickable ? font : bold);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(captionX, y, captionWidth, TotalRowHeight - 2);
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_anchors->add(caption, captionAnchor);

        auto *value = new DBText(this);
        value->setObjectName(clickable ? QString::fromLatin1(total.control)
                                       : QStringLiteral("db") + QString::fromLatin1(total.field));
        value->setFont(clickable ? font : bold);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setGeometry(valueX, y, 110, TotalRowHeight - 2);
        value->setDataSource(&m_dm.dsFSPro);
        value->setDataField(QString::fromLatin1(total.field));
        value->setFormatter(FormatMoneyField);
        m_anchors->add(value, valueAnchor);
        if (clickable) {
            value->setCursor(Qt::PointingHandCursor);
            const QString control = value->objectName();
            connect(value, &DBText::clicked, this, [this, control] { emit totalClicked(control); });
            connect(value, &DBText::hovered, this, [this, value] {
                restHover();
                setTextColour(value, Qt::blue);
            });
            m_clickable.push_back(value);
        } else {
            value->setMouseTracking(false);
        }
        previousClickable = clickable;
        y += TotalRowHeight;
    }
}

ImageButton *OverviewPage::actionButton(QPoint position, const QString &name, qreal moveRight)
{
    auto *button = new ImageButton(this, position, name, name + QStringLiteral("_Up"));
    for (QWidget *part : button->parts())
        m_anchors->add(part, {moveRight, 1, 0, 0});
    connect(button, &ImageButton::normalHovered, this, [this, button] {
        restHover();
        button->showHover();
    });
    return button;
}

void OverviewPage::restHover()
{
    for (DBText *total : m_clickable)
        setTextColour(total, Qt::black);
    for (ImageButton *button : {m_delete, m_add, m_edit, m_print})
        button->rest();
}

void OverviewPage::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    restHover();
}
