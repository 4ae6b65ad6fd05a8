#include "readiness_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "base/dates.h"
#include "base/guarded.h"
#include "data/statement_name.h"
#include "data/tdm1.h"
#include "totals/statement_actions.h"
#include "totals/totals.h"
#include "ui/format_money.h"
#include "ui/navigator.h"
#include "window_catalogue.h"

namespace {

constexpr int PanelTop = SectionFrame::HeaderHeight + 8;
constexpr int ListHeight = SectionFrame::ButtonRow - PanelTop - 40;

QString fixCaption(const ReadinessFinding &finding)
{
    switch (finding.fix) {
    case ReadinessFinding::Fix::Overview: return QStringLiteral("Set Date");
    case ReadinessFinding::Fix::Recompute: return QStringLiteral("Recompute");
    case ReadinessFinding::Fix::OpenWindow: break;
    }
    return QStringLiteral("Open");
}

} // namespace

ReadinessPanel::ReadinessPanel(Tdm1 &dm, Navigator &navigator, QWidget *window, std::function<void()> proceed,
                               QWidget *parent, ReadinessForm form)
    : QWidget(parent), m_dm(dm), m_navigator(navigator), m_window(window), m_proceed(std::move(proceed)), m_form(form)
{
    setObjectName(QStringLiteral("ReadinessPanel"));
    setGeometry(0, PanelTop, SectionFrame::Width, SectionFrame::Height - PanelTop);
    setAutoFillBackground(true);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblReadiness"));
    m_summary->setGeometry(16, 0, SectionFrame::Width - 32, 32);
    m_summary->setWordWrap(true);
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(13);
    bold.setBold(true);
    m_summary->setFont(bold);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("sbFindings"));
    scroll->setGeometry(16, 36, SectionFrame::Width - 32, ListHeight - 36);
    scroll->setWidgetResizable(true);
    m_rows = new QWidget;
    m_rowsLayout = new QVBoxLayout(m_rows);
    m_rowsLayout->setContentsMargins(6, 6, 6, 6);
    m_rowsLayout->setSpacing(6);
    scroll->setWidget(m_rows);

    const int buttonTop = SectionFrame::ButtonRow - PanelTop;
    if (m_proceed) {
        auto *anyway = new QPushButton(QStringLiteral("Print anyway"), this);
        anyway->setObjectName(QStringLiteral("btnPrintAnyway"));
        anyway->setGeometry(346, buttonTop, 95, 25);
        auto *back = new QPushButton(QStringLiteral("Back"), this);
        back->setObjectName(QStringLiteral("btnBack"));
        back->setGeometry(451, buttonTop, 75, 25);
        connect(anyway, &QPushButton::clicked, this, guard([this] {
                    const std::function<void()> proceed = m_proceed;
                    deleteLater();
                    hide();
                    proceed();
                }));
        connect(back, &QPushButton::clicked, this, [this] {
            hide();
            deleteLater();
        });
    }
    refresh();
}

void ReadinessPanel::setForm(ReadinessForm form)
{
    m_form = form;
    refresh();
}

void ReadinessPanel::refresh()
{
    m_findings = CheckReadiness(m_dm, Dates::today(), m_form);
    while (QLayoutItem *item = m_rowsLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_summary->setText(m_findings.empty()
                           ? QStringLiteral("Nothing a lender would send back: the statement is ready.")
                           : QStringLiteral("A lender would send this statement back for %1 reason%2:")
                                 .arg(m_findings.size())
                                 .arg(m_findings.size() == 1 ? "" : "s"));
    int number = 0;
    for (const ReadinessFinding &finding : m_findings) {
        ++number;
        auto *row = new QWidget(m_rows);
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        QString text = finding.text;
        if (finding.fix == ReadinessFinding::Fix::Recompute)
            text += QStringLiteral(" Stored %1, rows %2.").arg(FormatMoney(finding.stored), FormatMoney(finding.summed));
        auto *label = new QLabel(text, row);
        label->setObjectName(QStringLiteral("lblFinding%1").arg(number));
        label->setWordWrap(true);
        auto *button = new QPushButton(fixCaption(finding), row);
        button->setObjectName(QStringLiteral("btnFix%1").arg(number));
        button->setFixedSize(80, 25);
        layout->addWidget(label, 1);
        layout->addWidget(button, 0, Qt::AlignTop);
        m_rowsLayout->addWidget(row);
        // Rows made again while the panel is shown are shown at once.
        row->show();
        const ReadinessFinding copy = finding;
        connect(button, &QPushButton::clicked, this, guard([this, copy] { fix(copy); }));
    }
    m_rowsLayout->addStretch(1);
}

void ReadinessPanel::fix(const ReadinessFinding &finding)
{
    switch (finding.fix) {
    case ReadinessFinding::Fix::Recompute:
        RecalcSection(m_dm, RecalcAllTotals);
        refresh();
        return;
    case ReadinessFinding::Fix::Overview:
    case ReadinessFinding::Fix::OpenWindow:
        // The date is set in a window of its own, beside the Overview's copy as of today.
        m_dm.StatementEditMode = QStringLiteral("Edit");
        m_dm.SelectStatement();
        if (const CatalogueEntry *entry = findWindow(finding.fix == ReadinessFinding::Fix::Overview
                                                         ? StatementWindow::StatementDate
                                                         : finding.window))
            m_navigator.open(QString::fromLatin1(entry->className));
        m_window->close();
        return;
    }
}

std::function<bool(std::function<void()>)> ReadinessPanel::checkBeforePrinting(QWidget *window, Tdm1 &dm,
                                                                             Navigator &navigator)
{
    return [check = checkFormBeforePrinting(window, dm, navigator)](std::function<void()> proceed) {
        return check(ReadinessForm::Statement, std::move(proceed));
    };
}

std::function<bool(ReadinessForm, std::function<void()>)>
ReadinessPanel::checkFormBeforePrinting(QWidget *window, Tdm1 &dm, Navigator &navigator)
{
    return [window, &dm, &navigator](ReadinessForm form, std::function<void()> proceed) {
        if (CheckReadiness(dm, Dates::today(), form).empty())
            return false;
        auto *panel = new ReadinessPanel(dm, navigator, window, std::move(proceed), window, form);
        panel->show();
        panel->raise();
        return true;
    };
}

TfrmReadiness::TfrmReadiness(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionFrame(parent), m_dm(dm), m_navigator(navigator)
{
    setCaption(QStringLiteral("Ready for the Lender?"));
    showStatement(currentStatementName(m_dm));
    m_panel = new ReadinessPanel(dm, navigator, this, {}, this);
    QPushButton *close = addButton("btnClose", QStringLiteral("Close"), {451, ButtonRow});
    close->raise();
    // What the statement is checked for, in the order of ReadinessForm.
    auto *formLabel = new QLabel(QStringLiteral("Check for:"), this);
    formLabel->setGeometry(16, ButtonRow, 70, 25);
    m_form = new QComboBox(this);
    m_form->setObjectName(QStringLiteral("cbForm"));
    m_form->addItems({QStringLiteral("Personal Financial Statement"), QStringLiteral("SBA Form 413"),
                      QStringLiteral("Schedule of Real Estate Owned")});
    m_form->setGeometry(90, ButtonRow, 230, 25);
    formLabel->setBuddy(m_form);
    formLabel->raise();
    m_form->raise();
    connect(m_form, &QComboBox::currentIndexChanged, this,
            guard([this](int index) { m_panel->setForm(static_cast<ReadinessForm>(index)); }));
    connect(close, &QPushButton::clicked, this, guard([this] { btnCloseClick(); }));
}

void TfrmReadiness::btnCloseClick()
{
    m_navigator.returnToMain();
    close();
}
