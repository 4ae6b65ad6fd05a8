#include "tfrm_main.h"

#include <cstdio>
#include <map>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

#include "backup_reminder.h"
#include "base/guarded.h"
#include "base/messages.h"
#include "base/pending_messages.h"
#include "connect_database.h"
#include "data/engine/table.h"
#include "data/tdm1.h"
#include "encryption_page.h"
#include "login_pages.h"
#include "overview_page.h"
#include "print/tfrm_print.h"
#include "sections/window_catalogue.h"
#include "settings_page.h"
#include "shell.h"
#include "statement_commands.h"
#include "statement_page.h"
#include "totals/statement_lifecycle.h"
#include "ui/db_edit.h"
#include "ui/anchors.h"
#include "ui/db_grid.h"
#include "ui/image_button.h"
#include "ui/picture.h"
#include "ui/section_frame.h"
#include "ui/window_sizes.h"

namespace {

const QString SpouseWarning = QStringLiteral(
    "This is a \"PERSONAL\" Financial Statement: \n\r\"SPOUSE\" information is disabled.\n\r\n\rTo change the status "
    "to a \"JOINT\" Financial Statement, Open \"PERSONAL INFORMATION\" and click on \"Yes\" for \"Joint Financial "
    "Statement\".");

// The size the window's client area has below the menu bar, as the pictures are placed.
constexpr QSize ClientSize(714, 513);
const QString SizeKind = QStringLiteral("TfrmMain");

} // namespace

TfrmMain::TfrmMain(WindowRegistry registry, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
      m_registry(std::move(registry))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Norvale"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    setFont(font);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setMinimumSize(ClientSize);
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);

    FormCreate();

    m_imBackground = new Picture(QStringLiteral("imBackground"), m_client);
    connect(m_imBackground, &Picture::hovered, this, [this] {
        tabsAtRest();
        m_exit->rest();
    });
    buildTabButtons();

    m_exit = new ImageButton(m_client, {40, 436}, QStringLiteral("imExit"), QStringLiteral("imExit_Up"));
    connect(m_exit, &ImageButton::normalHovered, m_exit, &ImageButton::showHover);
    connect(m_exit, &ImageButton::clicked, this, guard([this] { close(); }));

    auto *info = new ClickLabel(m_client);
    info->setObjectName(QStringLiteral("lblInfo"));
    info->setGeometry(629, 21, 32, 28);
    info->setCursor(Qt::PointingHandCursor);
    connect(info, &ClickLabel::clicked, this, guard([this] { lblInfoClick(); }));
    auto *help = new ClickLabel(m_client);
    help->setObjectName(QStringLiteral("lblHelp"));
    help->setGeometry(669, 19, 32, 30);
    help->setCursor(Qt::PointingHandCursor);
    connect(help, &ClickLabel::clicked, this, guard([this] { lblHelpClick(); }));
    info->takeKeyboard(QStringLiteral("About"));
    help->takeKeyboard(QStringLiteral("Help"));
    m_exit->setName(QStringLiteral("Exit"));

    m_pc1 = new QStackedWidget(m_client);
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
    m_encryption = new EncryptionPage(*m_dm1);
    m_pc1->addWidget(m_encryption);
    connect(m_encryption, &EncryptionPage::unlocked, this, guard([this] { encryptedFileUnlocked(); }));
    connect(m_encryption, &EncryptionPage::finished, this, guard([this] {
                setTabsEnabled(true);
                ShowSettingsPage();
            }));
    // No page shows until the login gate has chosen one.
    m_pc1->hide();
    m_login = new LoginPages(*m_dm1, m_pc1, tsLogin, tsSecureLogin, tsForgot);
    connect(m_login, &LoginPages::EnterProgram, this, guard([this] { EnterProgram(); }));
    connect(m_login, &LoginPages::changeCancelled, this, guard([this] { ShowSettingsPage(); }));

    connect(m_overview, &OverviewPage::totalClicked, this, guard([this](const QString &total) {
                // The totals work on the statement shown; only Add starts a new one.
                m_dm1->StatementEditMode = QStringLiteral("Edit");
                openSection(total);
            }));
    connect(m_overview->addButton(), &ImageButton::clicked, this, guard([this] { imAdd_UpClick(); }));
    connect(m_overview->editButton(), &ImageButton::clicked, this, guard([this] { imEdit_UpClick(); }));
    connect(m_overview->deleteButton(), &ImageButton::clicked, this, guard([this] { imDelete_UpClick(); }));
    connect(m_overview->printButton(), &ImageButton::clicked, this, guard([this] { imPrint_UpClick(); }));
    connect(m_statement, &StatementPage::linkClicked, this, guard([this](const QString &link) {
                m_dm1->StatementEditMode = QStringLiteral("Edit");
                openSection(link);
            }));
    addBeyondCommands(*this, *m_statement);
    connect(m_settings->checkUpdateButton(), &ImageButton::clicked, this, guard([this] { imCheckUpdate_upClick(); }));
    connect(m_settings->updateLoginButton(), &ImageButton::clicked, this, guard([this] { imUpdateLogin_upClick(); }));
    for (const auto &[button, mode] :
         {std::pair(m_settings->encryptButton(), EncryptionPage::Mode::Encrypt),
          std::pair(m_settings->changeEncryptionPasswordButton(), EncryptionPage::Mode::ChangePassword),
          std::pair(m_settings->removeEncryptionButton(), EncryptionPage::Mode::Remove)})
        connect(button, &QPushButton::clicked, this, guard([this, mode = mode] {
                    if (m_loginState.isEmpty() || !m_dm1->db1.Connected())
                        return;
                    // Nothing else is used while the file changes its kind.
                    setTabsEnabled(false);
                    m_encryption->showMode(mode);
                    m_pc1->setCurrentWidget(m_encryption);
                }));
    connect(m_settings->backupButton(), &ImageButton::clicked, this, guard([this] { open(QStringLiteral("TfrmBackup")); }));
    connect(m_settings->restoreButton(), &ImageButton::clicked, this,
            guard([this] { open(QStringLiteral("TfrmRestore")); }));

    m_dbID = new DBEdit(m_client);
    m_dbID->setObjectName(QStringLiteral("dbID"));
    m_dbID->setReadOnly(true);
    m_dbID->hide();
    m_dbID->setDataSource(&m_dm1->dsClient);
    m_dbID->setDataField(QStringLiteral("id"));
    connect(m_dbID, &QLineEdit::textChanged, this, guard([this] { dbIDChange(); }));

    // Made larger, the page control takes the room; the pictures keep their places.
    auto *anchors = new Anchors(m_client, ClientSize);
    anchors->add(m_imBackground, Anchors::Grows);
    anchors->add(m_pc1, Anchors::Grows);
    buildCommands();
    restoreSize();
}

TfrmMain::~TfrmMain()
{
    // A secondary window still open goes with the main window.
    if (m_openWindow) {
        disconnect(m_openWindow, nullptr, this, nullptr);
        delete m_openWindow;
    }
    // The pages' grids and controls read the data module until they are gone: they go first.
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

void TfrmMain::FormCreate()
{
    m_dm1 = ConnectDatabase(this, Messages::current());
}

void TfrmMain::buildTabButtons()
{
    m_overviewTab = new ImageButton(m_client, {9, 80}, QStringLiteral("imover_blue"), QStringLiteral("imover_orange"),
                                    QStringLiteral("imover_white"));
    m_statementTab = new ImageButton(m_client, {9, 129}, QStringLiteral("imfs_blue"), QStringLiteral("imfs_orange"),
                                     QStringLiteral("imfs_white"));
    m_settingsTab = new ImageButton(m_client, {9, 178}, QStringLiteral("imset_blue"), QStringLiteral("imset_orange"),
                                    QStringLiteral("imset_white"));
    for (ImageButton *tab : {m_overviewTab, m_statementTab, m_settingsTab}) {
        connect(tab, &ImageButton::normalHovered, this, [this, tab] { hoverTab(tab); });
        connect(tab->white(), &Picture::hovered, this, &TfrmMain::tabsAtRest);
    }
    m_overviewTab->setName(QStringLiteral("Overview"));
    m_statementTab->setName(QStringLiteral("Financial Statement"));
    m_settingsTab->setName(QStringLiteral("Settings"));
    connect(m_overviewTab, &ImageButton::clicked, this, guard([this] { ShowOverviewPage(); }));
    connect(m_statementTab, &ImageButton::clicked, this, guard([this] { ShowStatementPage(); }));
    connect(m_settingsTab, &ImageButton::clicked, this, guard([this] { ShowSettingsPage(); }));
}

void TfrmMain::buildCommands()
{
    std::map<QString, QMenu *> menus;
    DBGrid *list = m_overview->grid();
    for (const MainCommand &command : mainCommands()) {
        const QString menuTitle = QString::fromLatin1(command.menu);
        QMenu *&menu = menus[menuTitle];
        if (!menu) {
            menu = menuBar()->addMenu(menuTitle);
            menu->setObjectName(QStringLiteral("mnu") + QString(menuTitle).remove(u'&'));
            connect(menu, &QMenu::aboutToShow, this, [this] { updateCommands(); });
        } else if (command.separatorBefore) {
            menu->addSeparator();
        }
        auto *action = new QAction(QString::fromLatin1(command.text), this);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setShortcut(command.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const auto run = command.run;
        const CommandNeed need = command.need;
        // The need is asked again when the command runs: nothing gets past the login.
        connect(action, &QAction::triggered, this, guard([this, run, need] {
                    if (allows(need))
                        run(*this);
                }));
        menu->addAction(action);
        if (command.inListMenu)
            list->addAction(action);
        if (command.picture && !command.keys.isEmpty()) {
            const QString picture = QString::fromLatin1(command.picture);
            if (auto *button = m_client->findChild<ImageButton *>(picture + QStringLiteral("Button")))
                button->showShortcut(command.keys);
            else if (auto *control = m_client->findChild<QWidget *>(picture))
                control->setToolTip(command.keys.toString(QKeySequence::NativeText));
        }
        m_commands.emplace_back(action, need);
    }
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_lock = command(QStringLiteral("actLock"));
    updateCommands();
}

QAction *TfrmMain::command(const QString &name) const
{
    for (const auto &[action, need] : m_commands)
        if (action->objectName() == name)
            return action;
    return nullptr;
}

bool TfrmMain::allows(CommandNeed need) const
{
    if (need == CommandNeed::Nothing)
        return !m_closing;
    if (m_closing || m_loginState.isEmpty() || !m_dm1->db1.Connected())
        return false;
    if (need == CommandNeed::Login)
        return true;
    return m_dm1->tblClient.Active() && m_dm1->HasStatement() == QLatin1String("Yes");
}

void TfrmMain::updateCommands()
{
    for (const auto &[action, need] : m_commands)
        action->setEnabled(allows(need));
}

void TfrmMain::restoreSize()
{
    // The client area keeps its 714 x 513 below the menu bar.
    const QSize defaultSize = minimumSizeHint();
    resize(WindowSizes::remembered(SizeKind, defaultSize, this));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (WindowSizes::rememberedMaximized(SizeKind))
        setWindowState(windowState() | Qt::WindowMaximized);
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
        tab->setEnabled(enabled);
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { FormShow(); });
}

void TfrmMain::endProgram()
{
    m_closing = true;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TfrmMain::FormShow()
{
    if (!m_dm1->db1.Connected() && m_loginState.isEmpty() && !m_dm1->db1.DatabaseFileName().isEmpty()
        && Database::isEncryptedFile(m_dm1->db1.DatabaseFileName())) {
        // Its password is its login.
        tabsAtRest();
        setTabsEnabled(false);
        m_encryption->showMode(EncryptionPage::Mode::Unlock);
        m_pc1->setCurrentWidget(m_encryption);
        m_pc1->show();
        return;
    }
    if (Tdm1::LocateDatabaseFile().isEmpty() || !m_dm1->db1.Connected()) {
        // No usable database file: the connection error has been shown; the program ends.
        endProgram();
        return;
    }
    tabsAtRest();
    m_exit->rest();
    if (m_loginState.isEmpty())
        startLoginGate();
}

// Until the login is passed nothing shows or changes a statement or the login: whatever
// fails on the way (an unreadable or unwritable file) ends the program after its message.
void TfrmMain::startLoginGate()
{
    setTabsEnabled(false);
    // The full check reads the whole file beside the login, which takes the user far longer;
    // the purge, the first write, waits for its answer.
    const bool passed = guarded([this] {
        m_dm1->db1.startIntegrityCheck(this, [this](const QString &) { guarded([this] { settleIntegrityCheck(); }); });
        m_login->setChangeMode(m_onSettings);
        m_login->StartLogin();
    });
    if (!passed) {
        Messages::current().show(Messages::Kind::Error, ConnectionErrorText);
        endProgram();
        return;
    }
    m_pc1->show();
}

void TfrmMain::encryptedFileUnlocked()
{
    const bool passed = guarded([this] {
        m_dm1->OpenTables();
        m_dm1->db1.startIntegrityCheck(this, [this](const QString &) { guarded([this] { settleIntegrityCheck(); }); });
    });
    if (!passed) {
        Messages::current().show(Messages::Kind::Error, ConnectionErrorText);
        endProgram();
        return;
    }
    EnterProgram();
}

// Runs once, when the check answers or when the program is entered before it has: a file
// found damaged is told of and keeps every byte; a whole one gets the start-up purge.
void TfrmMain::settleIntegrityCheck()
{
    if (m_integrityChecked || m_closing || !m_dm1->db1.Connected())
        return;
    m_integrityChecked = true;
    const QString problem = m_dm1->db1.awaitIntegrityCheck();
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(m_dm1->db1.DatabaseFileName()), qPrintable(problem));
        Messages::current().show(Messages::Kind::Error, damagedFileText(m_dm1->db1.DatabaseFileName()));
        return;
    }
    if (!guarded([this] { PurgeOrphanRows(*m_dm1); })) {
        Messages::current().show(Messages::Kind::Error, ConnectionErrorText);
        endProgram();
    }
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (!m_closing && offerBackupAtEnd()) {
        event->ignore();
        return;
    }
    const bool maximized = isMaximized();
    WindowSizes::remember(SizeKind, maximized ? normalGeometry().size() : size(), maximized);
    m_closing = true;
    updateCommands();
    if (m_openWindow) {
        disconnect(m_openWindow, nullptr, this, nullptr);
        m_openWindow->close();
        m_openWindow = nullptr;
    }
    m_dm1->db1.Close();
    event->accept();
    emit closed();
}

// When a backup is due, the user may make one before the program ends; the backup window
// then ends the program itself.
bool TfrmMain::offerBackupAtEnd()
{
    if (m_backupOffered || m_loginState.isEmpty() || m_openWindow || !m_dm1->db1.Connected())
        return false;
    m_backupOffered = true;
    const QString question = BackupReminder::questionAtEnd(QDateTime::currentDateTime());
    if (question.isEmpty()
        || Messages::current().show(Messages::Kind::Confirmation, question, Messages::Buttons::YesNo)
            != Messages::Answer::Yes)
        return false;
    open(QStringLiteral("TfrmBackup"));
    return true;
}

void TfrmMain::ShowOverviewPage()
{
    // The statement the user works on stays selected when the list shows them all again.
    Table &client = m_dm1->tblClient;
    std::optional<RowKey> selected;
    if (client.Active() && client.state() == Table::State::Browse && client.Filtered() && client.hasCurrentRow())
        selected = client.currentKey();
    m_overview->grid()->tableModel()->reload();
    setPageFlags(true, false, false);
    tabsAtRest();
    m_dm1->ClearStatementFilters();
    if (selected)
        client.GotoKey(*selected);
    m_pc1->setCurrentWidget(m_overview);
    m_overview->restHover();
    letPendingMessagesRun();
    m_dm1->SelectStatementDetails();
    updateCommands();
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
    updateCommands();
}

void TfrmMain::ShowSettingsPage()
{
    setPageFlags(false, false, true);
    tabsAtRest();
    m_settings->setEncrypted(m_dm1->db1.Encrypted());
    m_pc1->setCurrentWidget(m_settings);
    m_settings->restHover();
    updateCommands();
}

void TfrmMain::ReturnToMainWindow()
{
    m_openWindow = nullptr;
    show();
    if (m_closing)
        return;
    if (m_onOverview) {
        // The page clears the statement filters itself, keeping the statement selected.
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
    settleIntegrityCheck();
    if (m_closing)
        return;
    m_loginState = QStringLiteral("In");
    setTabsEnabled(true);
    updateCommands();
    if (m_login->changeMode())
        ShowSettingsPage();
    else
        ShowOverviewPage();
    letPendingMessagesRun();
}

void TfrmMain::dbIDChange()
{
    if (!m_dm1->tblClient.Active())
        return;
    m_dm1->CurrentClientId = m_dm1->tblClient.FieldByName(QStringLiteral("Id")).AsString();
    if (m_dm1->tblFSPro.Active())
        m_dm1->SelectStatementDetails();
    updateCommands();
}

void TfrmMain::open(const QString &className)
{
    // Before the login is passed only the about window opens; nothing once the program ends.
    if (m_closing || (m_loginState.isEmpty() && className != QLatin1String("TfrmInfo")))
        return;
    const WindowRegistry::Opener *opener = m_registry.find(className);
    if (!opener)
        return;
    QWidget *window = (*opener)(*m_dm1, *this);
    if (!window)
        return;
    m_openWindow = window;
    connect(window, &QObject::destroyed, this, [this](QObject *gone) { windowGone(gone); });
    // Logging out works from every window.
    window->addAction(m_lock);
    window->show();
    hide();
}

void TfrmMain::windowGone(QObject *window)
{
    if (window != m_openWindow)
        return;
    // The window went away without opening another or returning: come back, once it is
    // wholly gone, since the way back notifies the controls it still has connected.
    m_openWindow = nullptr;
    QTimer::singleShot(0, this, [this] {
        if (!m_closing && !m_openWindow && !isVisible())
            guarded([this] { ReturnToMainWindow(); });
    });
}

void TfrmMain::returnToMain()
{
    ReturnToMainWindow();
}

void TfrmMain::returnToOverview()
{
    m_openWindow = nullptr;
    show();
    if (!m_closing)
        ShowOverviewPage();
}

void TfrmMain::openSection(const QString &name)
{
    const CatalogueEntry *entry = findWindow(name);
    if (!entry || entry->family == WindowFamily::Other)
        return;
    m_dm1->SelectStatement();
    const QString window = QString::fromLatin1(entry->className);
    if (entry->family == WindowFamily::PersonalInformation) {
        m_dm1->EditOrAppendClient();
        open(window);
        return;
    }
    if (m_dm1->HasStatement() != QLatin1String("Yes")) {
        Messages::current().show(Messages::Kind::Error,
                                 QStringLiteral("Personal Information must be entered before continuing."));
        return;
    }
    if (entry->family == WindowFamily::Particulars || entry->family == WindowFamily::Spouse)
        m_dm1->EditOrAppendClient();
    if (entry->family == WindowFamily::Spouse && m_dm1->IsJointStatement() != QLatin1String("Yes")) {
        Messages::current().show(Messages::Kind::Warning, SpouseWarning);
        return;
    }
    open(window);
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
    open(QStringLiteral("TfrmPrint"));
}

void TfrmMain::imCheckUpdate_upClick()
{
    // The site, not the program, tells whether a newer version exists.
    if (!OpenWebPage(UpdateCheckAddress(GetProgramVersion())))
        Messages::current().show(Messages::Kind::Error,
                                 QStringLiteral("You must be connected to the internet to check for updates."));
}

void TfrmMain::lblInfoClick()
{
    m_dm1->SelectStatement();
    open(QStringLiteral("TfrmInfo"));
}

void TfrmMain::lblHelpClick()
{
    // Only a message: the list keeps showing every statement.
    Messages::current().show(Messages::Kind::Information, QStringLiteral("Video Tutorial Coming Soon!"));
}

void TfrmMain::imUpdateLogin_upClick()
{
    m_login->setChangeMode(m_onSettings);
    m_login->StartLogin();
}

void TfrmMain::changeLogin()
{
    ShowSettingsPage();
    imUpdateLogin_upClick();
}

void TfrmMain::printBlankForm()
{
    m_dm1->SelectStatement();
    open(QStringLiteral("TfrmPrint"));
    if (auto *print = qobject_cast<TfrmPrint *>(m_openWindow))
        print->chooseBlankForm();
}

void TfrmMain::lock()
{
    if (m_loginState.isEmpty() || m_closing)
        return;
    if (QWidget *window = m_openWindow) {
        if (auto *frame = qobject_cast<SectionFrame *>(window)) {
            // Stored or told as its own button would; a refusal keeps it open.
            if (!frame->leaveKeepingInput() || m_openWindow)
                return;
        } else {
            disconnect(window, nullptr, this, nullptr);
            window->close();
            m_openWindow = nullptr;
        }
        show();
    }
    // Back where the program starts: no page of statements, the tabs closed.
    m_loginState.clear();
    setPageFlags(false, false, false);
    setTabsEnabled(false);
    tabsAtRest();
    m_dm1->ClearStatementFilters();
    if (m_dm1->db1.Encrypted()) {
        // Its password is its login: the statements leave memory until it is given again,
        // and the file on disk is the last committed action already.
        m_dm1->CloseTables();
        m_dm1->DisconnectDatabase();
        m_encryption->showMode(EncryptionPage::Mode::Unlock);
        m_pc1->setCurrentWidget(m_encryption);
        updateCommands();
        return;
    }
    m_login->setChangeMode(false);
    m_login->StartLogin();
    updateCommands();
}
