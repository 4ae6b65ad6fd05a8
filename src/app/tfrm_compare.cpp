#include "tfrm_compare.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
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
    return t;
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
    // The statements' columns have room for a date and a statement number.
    m_figures->setColumnWidth(0, 150);
    m_figures->setColumnWidth(1, 92);
    m_figures->setColumnWidth(2, 92);
    m_figures->setColumnWidth(3, 82);
    m_figures->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_figures->horizontalHeader()->setStretchLastSection(true);
    m_ratios = table(this, "sgRatios", {QStringLiteral("Ratio"), QStringLiteral("Formula"), QString(), QString()},
                     QRect(14, 278, 525, 106));
    m_ratios->setColumnWidth(0, 105);
    m_ratios->setColumnWidth(1, 225);
    m_ratios->setColumnWidth(2, 85);
    m_ratios->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ratios->horizontalHeader()->setStretchLastSection(true);

    QPushButton *preview = addButton("btnPreview", QStringLiteral("Preview"), {271, ButtonRow});
    QPushButton *print = addButton("btnPrint", QStringLiteral("Print"), {361, ButtonRow});
    QPushButton *close = addButton("btnClose", QStringLiteral("Close"), {451, ButtonRow});
    connect(preview, &QPushButton::clicked, this, guard([this] { btnPreviewClick(); }));
    connect(print, &QPushButton::clicked, this, guard([this] { btnPrintClick(); }));
    connect(close, &QPushButton::clicked, this, guard([this] { btnCloseClick(); }));
    connect(m_cbOther, &QComboBox::currentIndexChanged, this, guard([this] { cbOtherChange(); }));
    showComparison();
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
