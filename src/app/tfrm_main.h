#pragma once

#include <utility>
#include <vector>

#include <QMainWindow>

#include "main_commands.h"
#include "ui/navigator.h"
#include "ui/window_registry.h"

class QAction;
class QStackedWidget;
class DBEdit;
class ImageButton;
class EncryptionPage;
class LoginPages;
class OverviewPage;
class Picture;
class SettingsPage;
class StatementPage;
class Tdm1;

// The main window: the login, the statement list with the selected statement's totals,
// the links to the sections of a statement and the settings, on one page control whose
// tabs are hidden. Every other window is opened from here and hides it while shown; the
// main window keeps track of that window and comes back when it goes away.
// A menu bar above the 714 x 513 client area holds every command (main_commands.cpp); the
// window can be resized and maximised, the statement list and its totals taking the room,
// and it keeps its size for the next start.
class TfrmMain : public QMainWindow, public Navigator
{
    Q_OBJECT

public:
    explicit TfrmMain(WindowRegistry registry = {}, QWidget *parent = nullptr);
    ~TfrmMain() override;

    Tdm1 &dm1() const { return *m_dm1; }
    bool OnOverview() const { return m_onOverview; }
    bool OnStatement() const { return m_onStatement; }
    bool OnSettings() const { return m_onSettings; }
    QString LoginState() const { return m_loginState; }
    LoginPages &login() const { return *m_login; }
    EncryptionPage &encryption() const { return *m_encryption; }
    // The secondary window now shown, if any.
    QWidget *shownWindow() const { return m_openWindow; }
    // Whether the full check of the file begun at the first showing has been answered:
    // the start-up purge run, or the damage told.
    bool integrityChecked() const { return m_integrityChecked; }

    void FormShow();
    void ShowOverviewPage();
    void ShowStatementPage();
    void ShowSettingsPage();
    // The way back from a section, backup, restore or about window.
    void ReturnToMainWindow();
    void EnterProgram();

    // Every section link and clickable total: selects the statement, checks, opens.
    void openSection(const QString &link);

    // The picture buttons' and links' commands, which the menu bar also runs.
    void imAdd_UpClick();
    void imEdit_UpClick();
    void imDelete_UpClick();
    void imPrint_UpClick();
    void imCheckUpdate_upClick();
    void lblInfoClick();
    void lblHelpClick();
    void imUpdateLogin_upClick();
    // The Settings page's change of the login, from anywhere.
    void changeLogin();
    // The print window with the blank form chosen; it needs no statement.
    void printBlankForm();
    // Back to the login without ending the program: the window that is open leaves as its
    // Close (or OK) does, with its checks, and stays when they refuse.
    void lock();

    OverviewPage &overview() const { return *m_overview; }
    // The command of the table by its name (actNewStatement ...).
    QAction *command(const QString &name) const;
    // Whether a command with that need may run now.
    bool allows(CommandNeed need) const;
    // The client area below the menu bar, where the pictures and pages stand.
    QWidget *clientArea() const { return m_client; }

    // Navigator
    void open(const QString &className) override;
    void returnToMain() override;
    void returnToOverview() override;
    void endProgram() override;

signals:
    // The main window closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void buildTabButtons();
    void tabsAtRest();
    void hoverTab(ImageButton *tab);
    void setPageFlags(bool overview, bool statement, bool settings);
    void setTabsEnabled(bool enabled);
    void startLoginGate();
    // The encrypted file opened on its page: its password was the login.
    void encryptedFileUnlocked();
    void settleIntegrityCheck();
    bool offerBackupAtEnd();
    void dbIDChange();
    void windowGone(QObject *window);
    void buildCommands();
    void updateCommands();
    void restoreSize();

    WindowRegistry m_registry;
    Tdm1 *m_dm1 = nullptr;
    bool m_onOverview = false;
    bool m_onStatement = false;
    bool m_onSettings = false;
    QString m_loginState;
    bool m_closing = false;
    // The backup is offered once a run: the user who declines it, or leaves the backup
    // window without one, ends the program with the next Exit.
    bool m_backupOffered = false;
    bool m_integrityChecked = false;
    QWidget *m_openWindow = nullptr;
    QWidget *m_client = nullptr;
    std::vector<std::pair<QAction *, CommandNeed>> m_commands;
    QAction *m_lock = nullptr;

    Picture *m_imBackground = nullptr;
    ImageButton *m_overviewTab = nullptr;
    ImageButton *m_statementTab = nullptr;
    ImageButton *m_settingsTab = nullptr;
    ImageButton *m_exit = nullptr;
    QStackedWidget *m_pc1 = nullptr;
    OverviewPage *m_overview = nullptr;
    StatementPage *m_statement = nullptr;
    SettingsPage *m_settings = nullptr;
    LoginPages *m_login = nullptr;
    EncryptionPage *m_encryption = nullptr;
    DBEdit *m_dbID = nullptr;
};
