#include "tfrm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QStackedWidget>

#include "connect_database.h"
#include "data/tdm1.h"
#include "login_pages.h"
#include "overview_page.h"
#include "settings_page.h"
#include "statement_page.h"
#include "totals/statement_lifecycle.h"
#include "ui/db_edit.h"
#include "ui/db_grid.h"
#include "ui/image_button.h"
#include "base/messages.h"
#include "ui/picture.h"

namespace {

enum class LinkKind { PersonalInformation, Particulars, Spouse, Section };

struct SectionLink
{
    const char *link;
    const char *window;
    LinkKind kind;
};

const SectionLink sectionLinks[] = {
    {"lblPersonalInformation", "TfrmPersonalInfo", LinkKind::PersonalInformation},
    {"lblPersonalEmployment", "TfrmPersonalEmployment", LinkKind::Particulars},
    {"lblContacts", "TfrmPersonalContacts", LinkKind::Particulars},
    {"lblSpouseInfo", "TfrmSpouseInfo", LinkKind::Spouse},
    {"lblSpouseEmployment", "TfrmSpouseEmployment", LinkKind::Spouse},
    {"lblSpouseContacts", "TfrmSpouseContacts", LinkKind::Spouse},
    {"lblCash", "TfrmCash", LinkKind::Section},
    {"lblInvestments", "TfrmInvestments", LinkKind::Section},
    {"lblRealEstate", "TfrmRealEstate", LinkKind::Section},
    {"lblAutos", "TfrmAutos", LinkKind::Section},
    {"lblLifeInsurance", "TfrmLifeInsurance", LinkKind::Section},
    {"lblPersonal", "TfrmPersonal", LinkKind::Section},
    {"lblBusiness", "TfrmBusiness", LinkKind::Section},
    {"lblOther", "TfrmOther", LinkKind::Section},
    {"lblBank_Liability", "TfrmBank_Liabilities", LinkKind::Section},
    {"lblMortgages_Liability", "TfrmRealEstate_Liabilities", LinkKind::Section},
    {"lblCreditCard_Liability", "TfrmCreditCard_Liabilities", LinkKind::Section},
    {"lblAuto_Liability", "TfrmAutos_Liabilities", LinkKind::Section},
    {"lblTaxes_Liability", "TfrmTax_Liabilities", LinkKind::Section},
    {"lblOther_Liability", "TfrmOther_Liabilities", LinkKind::Section},
    {"lblContingent_Liability", "TfrmContingent_Liabilities", LinkKind::Section},
    {"lblIncome", "TfrmIncome", LinkKind::Section},
    {"lblExpenses", "TfrmExpenses", LinkKind::Section},
    {"lblLegal1", "TfrmLegal", LinkKind::Section},
    {"lblLegal2", "TfrmLegal2", LinkKind::Section},
};

const SectionLink *findLink(const QString &name)
{
    for (const SectionLink &link : sectionLinks)
        if (name == QLatin1String(link.link) || name == QLatin1String(link.window))
            return &link;
    return nullptr;
}

const QString SpouseWarning = QStringLiteral(
    "This is a \"PERSONAL\" Financial Statement: \n\r\"SPOUSE\" information is disabled.\n\r\n\rTo change the status "
    "to a \"JOINT\" Financial Statement, Open \"PERSONAL INFORMATION\" and click on \"Yes\" for \"Joint Financial "
    "Statement\".");

} // namespace

TfrmMain::TfrmMain(WindowRegistry registry, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowMinimizeButtonHint),
      m_registry(std::move(registry))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Norvale"));
    setFixedSize(714, 513);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    FormCreate();

    m_imBackground = new Picture(QStringLiteral("imBackground"), this);
    connect(m_imBackground, &Picture::hovered, this, [this] {
        tabsAtRest();
        m_exit->rest();
    });
    buildTabButtons();

    m_exit = new ImageButton(this, {40, 436}, QStringLiteral("imExit"), QStringLiteral("imExit_Up"));
    connect(m_exit, &ImageButton::normalHovered, m_exit, &ImageButton::showHover);
    connect(m_exit, &ImageButton::clicked, this, &QWidget::close);

    auto *info = new ClickLabel(this);
    info->setObjectName(QStringLiteral("lblInfo"));
    info->setGeometry(629, 21, 32, 28);
    info->setCursor(Qt::PointingHandCursor);
    connect(info, &ClickLabel::clicked, this, &TfrmMain::lblInfoClick);
    auto *help = new ClickLabel(this);
    help->setObjectName(QStringLiteral("lblHelp"));
    help->setGeometry(669, 19, 32, 30);
    help->setCursor(Qt::PointingHandCursor);
    connect(help, &ClickLabel::clicked, this, &TfrmMain::lblHelpClick);

    m_pc1 = new QStackedWidget(this);
    m_pc1->setObjectName(QStringLiteral("pc1"));
    m_pc1->setGeometry(176, 65, 527, 440);
    auto *tsLogin = new QWidget;
    tsLogin->setObjectName(QStringLiteral("tsLogin"));
    m_overview = new OverviewPage(*m_dm1);
    m_statement = new StatementPage(*m_dm1);
    m_settings = new SettingsPage;
    auto *tsSecureLogin = new QWidget;
    tsSecureLogin->setObjectName(QStringLiteral("tsSecureLogin"));
    auto *tsForgot = new QWidget;
    tsForgot->setObjectName(QStringLiteral("tsForgot"));
    for (QWidget *page : {tsLogin, static_cast<QWidget *>(m_overview), static_cast<QWidget *>(m_statement),
                          static_cast<QWidget *>(m_settings), tsSecureLogin, tsForgot})
        m_pc1->addWidget(page);
    m_login = new LoginPages(*m_dm1, m_pc1, tsLogin, tsSecureLogin, tsForgot);
    connect(m_login, &LoginPages::EnterProgram, this, &TfrmMain::EnterProgram);
    connect(m_login, &LoginPages::changeCancelled, this, &TfrmMain::ShowSettingsPage);

    connect(m_overview, &OverviewPage::totalClicked, this, [this](const QString &window) {
        m_dm1->StatementEditMode = QStringLiteral("Edit");
        openSection(window);
    });
    connect(m_overview->addButton(), &ImageButton::clicked, this, &TfrmMain::imAdd_UpClick);
    connect(m_overview->editButton(), &ImageButton::clicked, this, &TfrmMain::imEdit_UpClick);
    connect(m_overview->deleteButton(), &ImageButton::clicked, this, &TfrmMain::imDelete_UpClick);
    connect(m_overview->printButton(), &ImageButton::clicked, this, &TfrmMain::imPrint_UpClick);
    connect(m_statement, &StatementPage::linkClicked, this, [this](const QString &link) {
        // The links work on the statement shown; only Add starts a new one.
        m_dm1->StatementEditMode = QStringLiteral("Edit");
        openSection(link);
    });
    connect(m_settings->checkUpdateButton(), &ImageButton::clicked, this,
            [this] { openWindow(QStringLiteral("UpdateCheck")); });
    connect(m_settings->updateLoginButton(), &ImageButton::clicked, this, &TfrmMain::imUpdateLogin_upClick);
    connect(m_settings->backupButton(), &ImageButton::clicked, this, [this] { openWindow(QStringLiteral("TfrmBackup")); });
    connect(m_settings->restoreButton(), &ImageButton::clicked, this,
            [this] { openWindow(QStringLiteral("TfrmRestore")); });

    m_dbID = new DBEdit(this);
    m_dbID->setObjectName(QStringLiteral("dbID"));
    m_dbID->setReadOnly(true);
    m_dbID->hide();
    m_dbID->setDataSource(&m_dm1->dsClient);
    m_dbID->setDataField(QStringLiteral("id"));
    connect(m_dbID, &QLineEdit::textChanged, this, &TfrmMain::dbIDChange);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormCreate()
{
    m_dm1 = ConnectDatabase(this, Messages::current());
}

void TfrmMain::buildTabButtons()
{
    m_overviewTab = new ImageButton(this, {9, 80}, QStringLiteral("imover_blue"), QStringLiteral("imover_orange"),
                                    QStringLiteral("imover_white"));
    m_statementTab = new ImageButton(this, {9, 129}, QStringLiteral("imfs_blue"), QStringLiteral("imfs_orange"),
                                     QStringLiteral("imfs_white"));
    m_settingsTab = new ImageButton(this, {9, 178}, QStringLiteral("imset_blue"), QStringLiteral("imset_orange"),
                                    QStringLiteral("imset_white"));
    for (ImageButton *tab : {m_overviewTab, m_statementTab, m_settingsTab}) {
        connect(tab, &ImageButton::normalHovered, this, [this, tab] { hoverTab(tab); });
        connect(tab->white(), &Picture::hovered, this, &TfrmMain::tabsAtRest);
    }
    connect(m_overviewTab, &ImageButton::clicked, this, &TfrmMain::ShowOverviewPage);
    connect(m_statementTab, &ImageButton::clicked, this, &TfrmMain::ShowStatementPage);
    connect(m_settingsTab, &ImageButton::clicked, this, &TfrmMain::ShowSettingsPage);
}

void TfrmMain::tabsAtRest()
{
    m_overviewTab->rest(m_onOverview);
    m_statementTab->rest(m_onStatement);
    m_settingsTab->rest(m_onSettings);
}

void TfrmMain::hoverTab(ImageButton *tab)
{
    tabsAtRest();
    tab->showHover();
}

void TfrmMain::setPageFlags(bool overview, bool statement, bool settings)
{
    m_onOverview = overview;
    m_onStatement = statement;
    m_onSettings = settings;
}

void TfrmMain::setTabsEnabled(bool enabled)
{
    for (ImageButton *tab : {m_overviewTab, m_statementTab, m_settingsTab})
        tab->normal()->setEnabled(enabled);
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmMain::FormShow()
{
    if (Tdm1::LocateDatabaseFile().isEmpty() || !m_dm1->db1.Connected()) {
        // No usable database file: the connection error has been shown; the program ends.
        m_closing = true;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    tabsAtRest();
    m_exit->rest();
    if (m_loginState.isEmpty()) {
        setTabsEnabled(false);
        PurgeOrphanRows(*m_dm1);
        m_login->setChangeMode(m_onSettings);
        m_login->StartLogin();
    }
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    m_dm1->db1.Close();
    event->accept();
    emit closed();
}

void TfrmMain::ShowOverviewPage()
{
    m_overview->grid()->tableModel()->reload();
    setPageFlags(true, false, false);
    tabsAtRest();
    m_dm1->ClearStatementFilters();
    m_pc1->setCurrentWidget(m_overview);
    m_overview->restHover();
    QApplication::processEvents();
    m_dm1->SelectStatementDetails();
}

void TfrmMain::ShowStatementPage()
{
    if (m_dm1->HasStatement() != QLatin1String("Yes")) {
        Messages::current().show(Messages::Kind::Error,
                                 QStringLiteral("Please select a financial statement to work with"));
        m_statementTab->rest(false);
        ShowOverviewPage();
        return;
    }
    m_dm1->SelectStatement();
    setPageFlags(false, true, false);
    tabsAtRest();
    m_pc1->setCurrentWidget(m_statement);
}

void TfrmMain::ShowSettingsPage()
{
    setPageFlags(false, false, true);
    tabsAtRest();
    m_pc1->setCurrentWidget(m_settings);
    m_settings->restHover();
}

void TfrmMain::ReturnToMainWindow()
{
    show();
    if (m_closing)
        return;
    if (m_onOverview) {
        m_dm1->ClearStatementFilters();
        m_pc1->setCurrentWidget(m_overview);
        ShowOverviewPage();
    } else if (m_onStatement) {
        m_pc1->setCurrentWidget(m_statement);
        ShowStatementPage();
    } else if (m_onSettings) {
        m_pc1->setCurrentWidget(m_settings);
        ShowSettingsPage();
    }
}

void TfrmMain::EnterProgram()
{
    m_loginState = QStringLiteral("In");
    setTabsEnabled(true);
    if (m_login->changeMode())
        ShowSettingsPage();
    else
        ShowOverviewPage();
    QApplication::processEvents();
}

void TfrmMain::dbIDChange()
{
    if (!m_dm1->tblClient.Active())
        return;
    m_dm1->CurrentClientId = m_dm1->tblClient.FieldByName(QStringLiteral("Id")).AsString();
    if (m_dm1->tblFSPro.Active())
        m_dm1->SelectStatementDetails();
}

void TfrmMain::openWindow(const QString &name)
{
    const WindowRegistry::Opener *opener = m_registry.find(name);
    if (!opener)
        return;
    QWidget *window = (*opener)(*m_dm1, *this);
    if (!window)
        return;
    window->show();
    hide();
}

void TfrmMain::openSection(const QString &name)
{
    const SectionLink *link = findLink(name);
    if (!link)
        return;
    m_dm1->SelectStatement();
    const QString window = QString::fromLatin1(link->window);
    if (link->kind == LinkKind::PersonalInformation) {
        m_dm1->EditOrAppendClient();
        openWindow(window);
        return;
    }
    if (m_dm1->HasStatement() != QLatin1String("Yes")) {
        Messages::current().show(Messages::Kind::Error,
                                 QStringLiteral("Personal Information must be entered before continuing."));
        return;
    }
    switch (link->kind) {
    case LinkKind::Particulars:
        m_dm1->EditOrAppendClient();
        break;
    case LinkKind::Spouse:
        m_dm1->EditOrAppendClient();
        if (m_dm1->IsJointStatement() != QLatin1String("Yes")) {
            Messages::current().show(Messages::Kind::Warning, SpouseWarning);
            return;
        }
        break;
    default:
        break;
    }
    openWindow(window);
}

void TfrmMain::imAdd_UpClick()
{
    m_dm1->StatementEditMode = QStringLiteral("Append");
    m_dm1->tblClient.Append();
    openSection(QStringLiteral("lblPersonalInformation"));
}

void TfrmMain::imEdit_UpClick()
{
    m_dm1->StatementEditMode = QStringLiteral("Edit");
    openSection(QStringLiteral("lblPersonalInformation"));
}

void TfrmMain::imDelete_UpClick()
{
    DeleteStatement(*m_dm1, Messages::current());
    // The list and the totals follow the row now selected.
    ShowOverviewPage();
}

void TfrmMain::imPrint_UpClick()
{
    m_dm1->SelectStatement();
    if (m_dm1->HasStatement() != QLatin1String("Yes")) {
        Messages::current().show(Messages::Kind::Warning, QStringLiteral("Please select a \"Financial Statement to Print\"."));
        m_dm1->ClearStatementFilters();
        return;
    }
    openWindow(QStringLiteral("TfrmPrint"));
}

void TfrmMain::lblInfoClick()
{
    m_dm1->SelectStatement();
    openWindow(QStringLiteral("TfrmInfo"));
}

void TfrmMain::lblHelpClick()
{
    m_dm1->SelectStatement();
    Messages::current().show(Messages::Kind::Information, QStringLiteral("Video Tutorial Coming Soon!"));
}

void TfrmMain::imUpdateLogin_upClick()
{
    m_login->setChangeMode(m_onSettings);
    m_login->StartLogin();
}
