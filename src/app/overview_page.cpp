#include "overview_page.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>

#include "data/tdm1.h"
#include "app/statement_exchange_menu.h"
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

    m_grid = new DBGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setGeometry(1, 4, 507, 120);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(15);
    m_grid->horizontalHeader()->setFont(titleFont);
    QPalette titles = m_grid->horizontalHeader()->palette();
    titles.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    m_grid->horizontalHeader()->setPalette(titles);
    m_grid->setColumns({{QStringLiteral("LastName"), QStringLiteral("Last Name"), 230},
                        {QStringLiteral("FirstName"), QStringLiteral("First Name"), 229},
                        {QStringLiteral("MiddleInitial"), QStringLiteral("MI"), 27}});
    m_grid->setDataSource(&m_dm.dsClient);
    new StatementExchangeMenu(m_grid, m_dm); // the list's context menu: statements in and out

    // Assets on the left, liabilities on the right; the bold totals close each column.
    addColumn(assetTotals(), 0, 120, 122);
    addColumn(liabilityTotals(), 262, 145, 409);

    m_delete = actionButton({222, 398}, QStringLiteral("imDelete"));
    m_add = actionButton({322, 398}, QStringLiteral("imAdd"));
    m_edit = actionButton({422, 398}, QStringLiteral("imEdit"));
    m_print = actionButton({5, 365}, QStringLiteral("imPrint"));
    m_delete->setName(QStringLiteral("Delete"), QKeySequence(Qt::Key_Delete));
    m_add->setName(QStringLiteral("Add"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m_edit->setName(QStringLiteral("Edit"), QKeySequence(Qt::CTRL | Qt::Key_E));
    m_print->setName(QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    m_grid->setAccessibleName(QStringLiteral("Statements"));
    // Tab runs from the list to the buttons, left to right. The clickable totals stay
    // mouse shortcuts: the Financial Statement page's links reach the same windows.
    QWidget *previous = m_grid;
    for (ImageButton *button : {m_print, m_delete, m_add, m_edit}) {
        setTabOrder(previous, button->focusWidget());
        previous = button->focusWidget();
    }
}

void OverviewPage::addColumn(const std::vector<Total> &totals, int captionX, int captionWidth, int valueX)
{
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
        }
        auto *caption = new QLabel(QString::fromLatin1(total.caption), this);
        caption->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(total.field));
        caption->setFont(clickable ? font : bold);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(captionX, y, captionWidth, TotalRowHeight - 2);
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);

        auto *value = new DBText(this);
        value->setObjectName(clickable ? QString::fromLatin1(total.control)
                                       : QStringLiteral("db") + QString::fromLatin1(total.field));
        value->setFont(clickable ? font : bold);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setGeometry(valueX, y, 110, TotalRowHeight - 2);
        value->setDataSource(&m_dm.dsFSPro);
        value->setDataField(QString::fromLatin1(total.field));
        value->setFormatter(FormatMoneyField);
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

ImageButton *OverviewPage::actionButton(QPoint position, const QString &name)
{
    auto *button = new ImageButton(this, position, name, name + QStringLiteral("_Up"));
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
