// The main window's menu bar: every command in it with its shortcut, disabled where it
// cannot run, closed before the login, and each opening what it names; the log-out.
#include <functional>
#include <set>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QShortcut>
#include <QTest>
#include <QTextBrowser>

#include "app/main_commands.h"
#include "app/tfrm_guide.h"
#include "data/tdm1.h"
#include "recording_shell.h"
#include "scripted_file_chooser.h"
#include "sections/window_catalogue.h"
#include "support/app/main_window_fixture.h"
#include "ui/db_grid.h"

namespace {

class MainMenuTest : public MainWindowTest
{
protected:
    // Young has two statements (1 and 3), adams one; the list reads adams, Young, Young.
    void SetUp() override
    {
        MainWindowTest::SetUp();
        exec("INSERT INTO Client (Id, FirstName, LastName, JointStatement, FullName2) VALUES "
             "(1, 'Zoe', 'Young', 'No', 'Zoe Young'), (2, 'Al', 'adams', 'No', 'Al adams'), "
             "(3, 'Zoe', 'Young', 'No', 'Zoe Young')");
        exec("INSERT INTO FSPro (ClientId, Date) VALUES ('1', '11/30/2025'), ('2', '01/01/2026'), "
             "('3', '02/01/2025')");
    }

    void storeLogin() { exec("INSERT INTO User (User, Password, HintQuestion1, HintAnswer1) VALUES ('Ann', 'pw', 'Q?', 'A')"); }
    void logIn()
    {
        type("edLoginUser1", "Ann");
        type("edLoginPassword1", "pw");
        click("btnSecureOK");
    }
    QAction *action(const QString &name) { return main->findChild<QAction *>(name); }
    QMenu *menuHolding(const QAction *command)
    {
        for (QAction *entry : main->menuBar()->actions())
            if (entry->menu() && entry->menu()->actions().contains(command))
                return entry->menu();
        return nullptr;
    }
    void selectListRow(int row)
    {
        child<DBGrid>("DBGrid1")->selectRow(row);
        QApplication::processEvents();
    }
    // Every window but the print window opens as a stand-in: the test sees which opened.
    void standInForAllButPrint()
    {
        for (const CatalogueEntry &entry : windowCatalogue())
            if (QLatin1String(entry.className) != QLatin1String("TfrmPrint"))
                standIns << QString::fromLatin1(entry.className);
    }
    void fresh()
    {
        if (lastOpened)
            lastOpened->close();
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        opened.clear();
        messages->clear();
        start();
        enterWithoutLogin();
        selectListRow(1); // Young, statement 1
    }
};

// What the program offers, by the user's words: the menu, the command and its shortcut.
struct Offered
{
    const char *menu;
    const char *name;
    QKeySequence keys;
};

const std::vector<Offered> &offered()
{
    static const std::vector<Offered> all = {
        {"&File", "actNewStatement", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"&File", "actEditStatement", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"&File", "actDeleteStatement", QKeySequence(Qt::Key_Delete)},
        {"&File", "actExportJson", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
        {"&File", "actExportCsv", {}},
        {"&File", "actImportJson", QKeySequence(Qt::CTRL | Qt::Key_I)},
        {"&File", "actMerge", {}},
        {"&File", "actBackup", {}},
        {"&File", "actRestore", {}},
        {"&File", "actChangeLogin", {}},
        {"&File", "actLock", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"&File", "actExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"&Statement", "actCopyStatement", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {"&Statement", "actCompareStatements", QKeySequence(Qt::CTRL | Qt::Key_K)},
        {"&Statement", "actStatementDate", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {"&Statement", "actReadiness", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"&Print", "actPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"&Print", "actBlankForm", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        {"&Help", "actUserGuide", QKeySequence(Qt::Key_F1)},
        {"&Help", "actCheckUpdate", {}},
        {"&Help", "actAbout", {}},
    };
    return all;
}

TEST_F(MainMenuTest, EveryCommandStandsInItsMenuWithItsShortcutAndNoShortcutTwice)
{
    start();
    for (const Offered &command : offered()) {
        SCOPED_TRACE(command.name);
        QAction *found = action(command.name);
        ASSERT_TRUE(found);
        QMenu *menu = menuHolding(found);
        ASSERT_TRUE(menu);
        EXPECT_EQ(menu->title(), command.menu);
        EXPECT_EQ(found->shortcut(), command.keys);
        EXPECT_FALSE(found->text().isEmpty());
    }
    // Every command of the table reaches the menu bar; none is left out of the list above.
    EXPECT_EQ(mainCommands().size(), offered().size());

    // Qt runs neither of two commands sharing a key: every key of the window is taken once.
    std::multiset<QString> keys;
    for (QAction *each : main->findChildren<QAction *>())
        if (!each->shortcut().isEmpty() && !each->isSeparator())
            keys.insert(each->shortcut().toString());
    for (QShortcut *each : main->findChildren<QShortcut *>())
        keys.insert(each->key().toString());
    for (const QString &key : keys)
        EXPECT_EQ(keys.count(key), 1u) << key.toStdString();
}

TEST_F(MainMenuTest, BeforeTheLoginOnlyAboutAndExitWork)
{
    storeLogin();
    standInForAllButPrint();
    start();
    ASSERT_EQ(currentPage(), "tsSecureLogin");
    for (const MainCommand &command : mainCommands()) {
        SCOPED_TRACE(command.name);
        QAction *found = action(QString::fromLatin1(command.name));
        ASSERT_TRUE(found);
        const bool free = QLatin1String(command.name) == QLatin1String("actAbout") ||
                          QLatin1String(command.name) == QLatin1String("actExit");
        EXPECT_EQ(found->isEnabled(), free);
        // Neither the shortcut nor a direct run gets past the login.
        if (!free) {
            if (!command.keys.isEmpty())
                QTest::keySequence(main.get(), command.keys);
            found->trigger();
            main->command(QString::fromLatin1(command.name))->activate(QAction::Trigger);
        }
    }
    EXPECT_TRUE(opened.isEmpty()) << opened.join(' ').toStdString();
    EXPECT_EQ(currentPage(), "tsSecureLogin");
    EXPECT_EQ(main->LoginState(), "");
    EXPECT_EQ(count("SELECT COUNT(*) FROM Client"), 3);

    action("actAbout")->trigger();
    EXPECT_EQ(opened, QStringList({"TfrmInfo"}));
}

TEST_F(MainMenuTest, CommandsOnAStatementWaitForOneInTheList)
{
    exec("DELETE FROM FSPro");
    exec("DELETE FROM Client");
    start();
    enterWithoutLogin();
    for (const MainCommand &command : mainCommands()) {
        SCOPED_TRACE(command.name);
        EXPECT_EQ(action(QString::fromLatin1(command.name))->isEnabled(), command.need != CommandNeed::Statement);
    }
    // A first statement enables them when the list shows it.
    exec("INSERT INTO Client (Id, LastName, FullName2) VALUES (7, 'Ng', 'Li Ng')");
    exec("INSERT INTO FSPro (ClientId) VALUES ('7')");
    main->ShowOverviewPage();
    for (const MainCommand &command : mainCommands()) {
        SCOPED_TRACE(command.name);
        EXPECT_TRUE(action(QString::fromLatin1(command.name))->isEnabled());
    }
}

TEST_F(MainMenuTest, EachCommandOpensWhatItNames)
{
    standInForAllButPrint();
    RecordingShell shell;
    ScriptedFileChooser chooser;
    struct Case
    {
        const char *name;
        std::function<void()> check;
    };
    const auto opens = [this](const QString &window) {
        return [this, window] { EXPECT_EQ(opened, QStringList({window})); };
    };
    const std::vector<Case> cases = {
        {"actNewStatement",
         [&] {
             opens("TfrmPersonalInfo")();
             EXPECT_EQ(main->dm1().StatementEditMode, "Append");
         }},
        {"actEditStatement",
         [&] {
             opens("TfrmPersonalInfo")();
             EXPECT_EQ(main->dm1().StatementEditMode, "Edit");
             EXPECT_EQ(main->dm1().CurrentClientId, "1");
         }},
        {"actDeleteStatement",
         [&] {
             // The question names the statement selected, not the list's first.
             EXPECT_TRUE(messages->last().startsWith("Do you want to \"Delete\" this \"Financial Statement\"?\n\rZoe Young"))
                 << messages->last().toStdString();
             EXPECT_EQ(count("SELECT COUNT(*) FROM Client"), 3); // answered No
         }},
        {"actExportJson", [&] { EXPECT_EQ(chooser.titles.value(0), "Export Statement File / Zoe Young.json"); }},
        {"actExportCsv",
         [&] {
             ASSERT_EQ(shell.choosers().size(), 1u);
             EXPECT_TRUE(shell.choosers()[0].title.startsWith("Choose an empty folder for the CSV files"));
         }},
        {"actImportJson", [&] { EXPECT_EQ(chooser.titles.value(0), "Import Statement File"); }},
        {"actMerge", [&] { EXPECT_EQ(chooser.titles.value(0), "Add Statements from Another Database"); }},
        {"actBackup", opens("TfrmBackup")},
        {"actRestore", opens("TfrmRestore")},
        {"actChangeLogin",
         [&] {
             EXPECT_EQ(currentPage(), "tsLogin");
             EXPECT_TRUE(child("btnLoginCancel")->isVisible());
             EXPECT_TRUE(main->OnSettings());
         }},
        {"actLock",
         [&] {
             EXPECT_EQ(currentPage(), "tsLogin");
             EXPECT_EQ(main->LoginState(), "");
             EXPECT_TRUE(main->isVisible());
         }},
        {"actExit", [&] { EXPECT_FALSE(main->isVisible()); }},
        {"actCopyStatement",
         [&] {
             EXPECT_EQ(count("SELECT COUNT(*) FROM Client"), 4);
             EXPECT_EQ(text("SELECT FullName2 FROM Client WHERE Id = (SELECT MAX(Id) FROM Client)"), "Zoe Young");
             EXPECT_EQ(main->dm1().CurrentClientId, text("SELECT MAX(Id) FROM Client"));
         }},
        {"actCompareStatements", opens("TfrmCompare")},
        {"actStatementDate", opens("TfrmStatementDate")},
        {"actReadiness", opens("TfrmReadiness")},
        {"actPrint", opens("TfrmPrint")},
        {"actBlankForm",
         [&] {
             opens("TfrmPrint")();
             ASSERT_TRUE(lastOpened);
             EXPECT_TRUE(lastOpened->findChild<QRadioButton *>("rbBlank")->isChecked());
         }},
        {"actCheckUpdate",
         [&] {
             ASSERT_EQ(shell.addresses().size(), 1);
             EXPECT_TRUE(shell.addresses()[0].contains("/sc/update/update.php?user_version="));
         }},
        {"actUserGuide",
         [&] {
             // A window of its own beside the main window, which stays as it was.
             TfrmGuide *guide = nullptr;
             for (QWidget *window : QApplication::topLevelWidgets())
                 if (auto *found = qobject_cast<TfrmGuide *>(window); found && found->isVisible())
                     guide = found;
             ASSERT_TRUE(guide);
             EXPECT_EQ(guide->browser()->source().toString(), TfrmGuide::Source);
             EXPECT_TRUE(opened.isEmpty());
             EXPECT_TRUE(main->isVisible());
             guide->close();
         }},
        {"actAbout", opens("TfrmInfo")},
    };
    EXPECT_EQ(cases.size(), mainCommands().size());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        chooser.titles.clear();
        if (QLatin1String(c.name) == QLatin1String("actDeleteStatement"))
            messages->answer(Messages::Answer::No);
        QAction *command = action(c.name);
        ASSERT_TRUE(command);
        // As the user does: the menu opens (and says what may run), then the item.
        QMenu *menu = menuHolding(command);
        ASSERT_TRUE(menu);
        emit menu->aboutToShow();
        ASSERT_TRUE(command->isEnabled());
        command->trigger();
        c.check();
    }
}

TEST_F(MainMenuTest, CopyFromTheStatementPageCopiesThatStatement)
{
    start();
    enterWithoutLogin();
    selectListRow(2); // Young, statement 3
    clickImage("imfs_blue", "imfs_orange");
    ASSERT_TRUE(main->OnStatement());
    action("actCopyStatement")->trigger();
    EXPECT_TRUE(main->OnOverview());
    const QString copy = text("SELECT MAX(Id) FROM Client");
    EXPECT_EQ(main->dm1().CurrentClientId, copy);
    EXPECT_EQ(text(QString("SELECT COUNT(*) FROM Client WHERE Id = %1 AND FullName2 = 'Zoe Young'").arg(copy)), "1");
}

TEST_F(MainMenuTest, LogOutLeavesAWindowAsItsCloseDoesAndAsksForTheLoginAgain)
{
    storeLogin();
    start();
    logIn();
    ASSERT_EQ(main->LoginState(), "In");
    selectListRow(1);
    clickImage("imfs_blue", "imfs_orange");
    click("lblCash");
    auto *cash = qobject_cast<QWidget *>(lastOpened.data());
    ASSERT_TRUE(cash && cash->isVisible());
    // A row begun but not complete: the check refuses, the window and the typing stay.
    QTest::keyClicks(cash->findChild<QLineEdit *>("db1"), "Joint account");
    messages->clear();
    main->command("actLock")->trigger();
    EXPECT_EQ(messages->last(), "Please enter Type of Account.");
    EXPECT_TRUE(cash->isVisible());
    EXPECT_EQ(main->LoginState(), "In");
    EXPECT_EQ(cash->findChild<QLineEdit *>("db1")->text(), "Joint account");

    // The Log Out the open window carries, once the row is given up.
    auto *cancel = cash->findChild<QWidget *>("btnCancel");
    QTest::mouseClick(cancel, Qt::LeftButton, {}, cancel->rect().center());
    ASSERT_TRUE(cash->actions().contains(main->command("actLock")));
    main->command("actLock")->trigger();
    EXPECT_FALSE(lastOpened);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(currentPage(), "tsSecureLogin");
    EXPECT_EQ(main->LoginState(), "");
    EXPECT_TRUE(child<QLineEdit>("edLoginPassword1")->text().isEmpty());
    EXPECT_FALSE(child("imover_blue")->isEnabled());
    EXPECT_FALSE(action("actNewStatement")->isEnabled());
    EXPECT_EQ(count("SELECT COUNT(*) FROM Cash"), 0);

    logIn();
    EXPECT_EQ(main->LoginState(), "In");
    EXPECT_EQ(currentPage(), "tsOverview");
}

} // namespace
