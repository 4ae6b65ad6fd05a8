#include "tfrm_compare.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

#include "base/guarded.h"
#include "base/pending_messages.h"
#include "data/tdm1.h"
#include "print/pages/comparison_texts.h"
#include "print/pages/tqr_compare.h"
#include "print/print_dialogs.h"
#include "print/run_pages.h"
#include "print/run_printing.h"
#include "print/system_print_dialogs.h"
#include "ui/format_money.h"
#include "ui/navigator.h"

namespace {

// The formulas wrap where the window is too narrow for them on one line.
constexpr int FormulaColumn = 1;

QTableWidgetItem *cell(const QString &text, bool bold = false, Qt::Alignment alignment = Qt::AlignRight)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

QTableWidget *table(QWidget *parent, const char *name, const QStringList &headers, QRect place)
{
    auto *t = new QTableWidget(0, int(headers.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(headers);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(18);
    t->setWordWrap(false);
    t->setGeometry(place);
    // Always there, so the room for the columns does not change with the number of rows.
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->horizontalHeader()->setStretchLastSection(false);
    return t;
}

} // namespace

int TfrmCompare::neededWidth(const QTableWidget *grid, int column)
{
    // The item view draws a cell's text inside the focus frame's margin on each side.
    const int cellMargin = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 2;
    const int headerMargin = 2 * grid->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, grid) + 2;
    int width = 0;
    if (const QTableWidgetItem *header = grid->horizontalHeaderItem(column))
        width = QFontMetrics(grid->horizontalHeader()->font()).horizontalAdvance(header->text()) + headerMargin;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QTableWidgetItem *item = grid->item(row, column);
        if (!item)
            continue;
        const QFont font = item->data(Qt::FontRole).isValid() ? item->font() : grid->font();
        width = std::max(width, QFontMetrics(font).horizontalAdvance(item->text()) + cellMargin);
    }
    return width;
}

namespace {

// Every column as wide as its widest text; the room left over is shared out. Where the
// texts need more room than there is, the column that wraps (if any) gives up the
// difference and its rows grow to hold its lines; else the grid scrolls sideways rather
// than cut a text.
void fitColumns(QTableWidget *grid, int wrapping = -1)
{
    const int columns = grid->columnCount();
    std::vector<int> widths(columns);
    int needed = 0;
    for (int c = 0; c < columns; ++c)
        needed += widths[c] = TfrmCompare::neededWidth(grid, c);
    const int room = grid->width() - 2 * grid->frameWidth() - grid->verticalScrollBar()->sizeHint().width();
    if (needed > room && wrapping >= 0) {
        widths[wrapping] = std::max(widths[wrapping] - (needed - room), 60);
        needed = room;
    }
    const int extra = std::max(0, room - needed);
    for (int c = 0; c < columns; ++c)
        grid->setColumnWidth(c, widths[c] + extra / columns + (c == 0 ? extra % columns : 0));
    if (wrapping >= 0)
        grid->resizeRowsToContents();
}

} // namespace

TfrmCompare::TfrmCompare(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionFrame(parent), m_dm(dm), m_navigator(navigator), m_ownDialogs(std::make_unique<SystemPrintDialogs>()),
      m_dialogs(*m_ownDialogs)
{
    build();
}

TfrmCompare::TfrmCompare(Tdm1 &dm, Navigator &navigator, PrintDialogs &dialogs, QWidget *parent)
    : SectionFrame(parent), m_dm(dm), m_navigator(navigator), m_dialogs(dialogs)
{
    build();
}

TfrmCompare::~TfrmCompare() = default;

void TfrmCompare::build()
{
    setCaption(QStringLiteral("Compare Statements"));
    m_selectedId = m_dm.CurrentClientId;
    setFullName(m_dm.tblClient.FieldByName(QStringLiteral("FullName2")).AsString());
    showFullName(true);
    m_qrCompare.setTitle(QStringLiteral("Comparison of Financial Statements"));

    auto *label = new QLabel(QStringLiteral("Compare with:"), this);
    label->setObjectName(QStringLiteral("lblOther"));
    label->setGeometry(14, 48, 90, 22);
    m_cbOther = new QComboBox(this);
    m_cbOther->setObjectName(QStringLiteral("cbOther"));
    m_cbOther->setGeometry(108, 48, 250, 22);
    for (const StatementChoice &choice : OtherStatementsOfPerson(m_dm, m_selectedId))
        m_cbOther->addItem(QStringLiteral("%1 of %2").arg(choice.name, choice.label), choice.id);

    m_figures = table(this, "sgFigures", {QString(), QString(), QString(), QStringLiteral("Change"), QStringLiteral("%")},
                      QRect(14, 76, 525, 196));
    m_ratios = table(this, "sgRatios", {QStringLiteral("Ratio"), QStringLiteral("Formula"), QString(), QString()},
                     QRect(14, 278, 525, 106));
    m_ratios->setWordWrap(true);

    QPushButton *preview = addButton("btnPreview", QStringLiteral("Preview"), {271, ButtonRow});
    QPushButton *print = addButton("btnPrint", QStringLiteral("Print"), {361, ButtonRow});
    QPushButton *close = addButton("btnClose", QStringLiteral("Close"), {451, ButtonRow});
    connect(preview, &QPushButton::clicked, this, guard([this] { btnPreviewClick(); }));
    connect(print, &QPushButton::clicked, this, guard([this] { btnPrintClick(); }));
    connect(close, &QPushButton::clicked, this, guard([this] { btnCloseClick(); }));
    connect(m_cbOther, &QComboBox::currentIndexChanged, this, guard([this] { cbOtherChange(); }));
    showComparison();

    // Made larger, the figures take the height and both grids the width. It opens wide
    // enough for the figures' columns whole (as far as the screen allows) and taller than
    // the other windows, for more of the figures.
    anchor(m_figures, Anchors::Grows);
    anchor(m_ratios, {0, 1, 1, 0});
    int columns = 0;
    for (int c = 0; c < m_figures->columnCount(); ++c)
        columns += neededWidth(m_figures, c);
    const int chrome = 2 * m_figures->frameWidth() + m_figures->verticalScrollBar()->sizeHint().width();
    QSize opening(std::max(int(Width), columns + chrome + 2 * m_figures->x()), Height + 113);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        opening = opening.boundedTo(screen->availableSize()).expandedTo(QSize(Width, Height));
    setResizable(QStringLiteral("TfrmCompare"), opening);
}

void TfrmCompare::resizeEvent(QResizeEvent *event)
{
    SectionFrame::resizeEvent(event);
    fitColumns(m_figures);
    fitColumns(m_ratios, FormulaColumn);
}

void TfrmCompare::cbOtherChange()
{
    showComparison();
}

void TfrmCompare::showComparison()
{
    const QString other = m_cbOther->currentData().toString();
    m_comparison = CompareStatements(m_dm, m_selectedId, other.isEmpty() ? m_selectedId : other);

    const QString &earlier = m_comparison.earlier.label;
    const QString &later = m_comparison.later.label;
    m_figures->setHorizontalHeaderItem(1, new QTableWidgetItem(earlier));
    m_figures->setHorizontalHeaderItem(2, new QTableWidgetItem(later));
    m_ratios->setHorizontalHeaderItem(2, new QTableWidgetItem(earlier));
    m_ratios->setHorizontalHeaderItem(3, new QTableWidgetItem(later));

    int rows = 0;
    for (const ComparedGroup &group : m_comparison.groups)
        rows += 1 + int(group.figures.size());
    m_figures->setRowCount(rows);
    int row = 0;
    for (const ComparedGroup &group : m_comparison.groups) {
        m_figures->setItem(row, 0, cell(group.caption, true, Qt::AlignLeft));
        for (int c = 1; c < 5; ++c)
            m_figures->setItem(row, c, cell(QString()));
        for (int c = 0; c < 5; ++c)
            m_figures->item(row, c)->setBackground(QColor(0xD3, 0xD3, 0xD3));
        ++row;
        for (const ComparedFigure &f : group.figures) {
            m_figures->setItem(row, 0, cell(f.caption, f.total, Qt::AlignLeft));
            m_figures->item(row, 0)->setToolTip(f.caption);
            m_figures->setItem(row, 1, cell(FormatMoney(f.earlier), f.total));
            m_figures->setItem(row, 2, cell(FormatMoney(f.later), f.total));
            m_figures->setItem(row, 3, cell(ComparisonTexts::change(f.change), f.total));
            m_figures->setItem(row, 4, cell(ComparisonTexts::percent(f.percent), f.total));
            ++row;
        }
    }
    m_ratios->setRowCount(int(m_comparison.ratios.size()));
    row = 0;
    for (const ComparedRatio &r : m_comparison.ratios) {
        m_ratios->setItem(row, 0, cell(r.caption, true, Qt::AlignLeft));
        auto *formula = cell(r.formula, false, Qt::AlignLeft);
        formula->setToolTip(r.formula);
        m_ratios->setItem(row, 1, formula);
        m_ratios->setItem(row, 2, cell(ComparisonTexts::ratio(r, r.earlier)));
        m_ratios->setItem(row, 3, cell(ComparisonTexts::ratio(r, r.later)));
        ++row;
    }
    fitColumns(m_figures);
    fitColumns(m_ratios, FormulaColumn);
}

void TfrmCompare::beginRun()
{
    m_page = std::make_unique<TqrCompare>(m_dm, m_comparison);
    m_qrCompare.setAddReports([this](Report::CompositeReport &composite) { composite.addReport(m_page.get()); });
    // Identified as the statement's sheets are: its holders, the later statement's date, pages.
    m_qrCompare.setSheetFooter([this] {
        return Report::SheetFooter{ComparisonTexts::holders(m_comparison.later), m_comparison.later.date};
    });
    m_qrCompare.setFileName(QStringLiteral("Comparison %1").arg(runFileName(statementRun(m_dm), m_dm)));
}

void TfrmCompare::endRun()
{
    m_qrCompare.clearReports();
    m_page.reset();
}

void TfrmCompare::btnPreviewClick()
{
    {
        beginRun();
        const auto free = qScopeGuard([this] { endRun(); });
        m_dialogs.preview(m_qrCompare, this);
    }
    letPendingMessagesRun();
}

void TfrmCompare::btnPrintClick()
{
    {
        beginRun();
        const auto free = qScopeGuard([this] { endRun(); });
        printThroughDialog(m_dialogs, this, m_qrCompare);
    }
    letPendingMessagesRun();
}

void TfrmCompare::btnCloseClick()
{
    m_dm.ClearStatementFilters();
    m_navigator.returnToOverview();
    close();
}
