// Until the login is passed nothing shows or changes a statement or the login: the greyed
// tabs take neither hover nor click, and whatever fails on the way ends the program.
#include <QComboBox>
#include <QFile>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <SQLiteCpp/SQLiteCpp.h>

#include "app/connect_database.h"
#include "app/login_pages.h"
#include "data/tdm1.h"
#include "support/app/main_window_fixture.h"
#include "support/crafted_files.h"

namespace {

class LoginGateTest : public MainWindowTest
{
protected:
    void storeLogin() { exec("INSERT INTO User (User, Password, HintQuestion1, HintAnswer1) VALUES ('Ann', 'pw', 'Q?', 'A')"); }

    // Moves the mouse onto a tab and clicks where it is, whatever picture lies on top there.
    void hoverAndClickTab(const QString &blueName)
    {
        QWidget *blue = child(blueName);
        ASSERT_TRUE(blue);
        const QPoint centre = blue->geometry().center();
        QTest::mouseMove(main.get(), {400, 5});
        QTest::mouseMove(blue, blue->rect().center());
        QWidget *top = main->childAt(centre);
        ASSERT_TRUE(top);
        QTest::mouseMove(top, top->mapFrom(main.get(), centre));
        QTest::mouseClick(top, Qt::LeftButton, {}, top->mapFrom(main.get(), centre));
    }

    void expectNothingReachable(const QString &page)
    {
        for (const char *tab : {"imover", "imfs", "imset"}) {
            SCOPED_TRACE(tab);
            hoverAndClickTab(QString(tab) + "_blue");
            EXPECT_FALSE(child(QString(tab) + "_orange")->isVisible()) << "a greyed tab lit up";
            EXPECT_EQ(currentPage(), page);
            EXPECT_EQ(main->LoginState(), "");
            EXPECT_FALSE(main->OnOverview() || main->OnStatement() || main->OnSettings());
        }
    }

    // The start ends after the connection error; no page of the program was shown.
    void expectStartEndsWithTheConnectionError()
    {
        start(false);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !main->isVisible(); }, 3000));
        EXPECT_TRUE(messages->texts().contains(ConnectionErrorText)) << messages->texts().join("|").toStdString();
        EXPECT_FALSE(child<QStackedWidget>("pc1")->isVisibleTo(main.get()));
        EXPECT_EQ(main->LoginState(), "");
    }

};

TEST_F(LoginGateTest, GreyedTabsOfTheFirstStartPageTakeNeitherHoverNorClick)
{
    start();
    ASSERT_EQ(currentPage(), "tsLogin");
    expectNothingReachable("tsLogin");
}

TEST_F(LoginGateTest, GreyedTabsOfThePasswordPageTakeNeitherHoverNorClick)
{
    storeLogin();
    exec("INSERT INTO Client (FirstName, LastName) VALUES ('Zoe', 'Young')");
    start();
    ASSERT_EQ(currentPage(), "tsSecureLogin");
    expectNothingReachable("tsSecureLogin");

    // Past the login the same tabs work.
    type("edLoginUser1", "Ann");
    type("edLoginPassword1", "pw");
    click("btnSecureOK");
    ASSERT_EQ(main->LoginState(), "In");
    hoverAndClickTab("imset_blue");
    EXPECT_EQ(currentPage(), "tsSettings");
}

TEST_F(LoginGateTest, EnterInAnyFieldSubmitsTheNewLoginPage)
{
    start();
    type("edLoginUser", "Ann");
    type("edLoginPassword", "pw");
    child<QComboBox>("cbHint")->setEditText("Q?");
    type("edAnswer", "A");
    QTest::keyClick(child<QLineEdit>("edLoginPassword"), Qt::Key_Return);
    EXPECT_EQ(main->LoginState(), "In");
    EXPECT_EQ(text("SELECT User FROM User"), "Ann");
    EXPECT_EQ(child<QLineEdit>("edLoginPassword")->displayText(), "**");
}

TEST_F(LoginGateTest, AFileLockedByAnotherProgramEndsTheStart)
{
    storeLogin();
    SQLite::Database other(databasePath.toStdString(), SQLite::OPEN_READWRITE);
    other.exec("BEGIN IMMEDIATE");
    expectStartEndsWithTheConnectionError();
    other.exec("ROLLBACK");
}

TEST_F(LoginGateTest, ADamagedFileNeverSkipsTheStoredLogin)
{
    storeLogin();
    exec("INSERT INTO FSPro (ClientId) VALUES ('')");
    // The page the start-up purge would read first is unreadable: the full check says so
    // and the purge never runs, but the login is still asked for.
    overwriteRootPage(databasePath, "FSPro_ClientId");
    start();
    EXPECT_EQ(messages->texts(), QStringList({damagedFileText(databasePath)}));
    EXPECT_EQ(currentPage(), "tsSecureLogin");
    EXPECT_EQ(main->LoginState(), "");
    main.reset();

    // A login that cannot be read ends the start.
    messages->clear();
    overwriteRootPage(databasePath, "User");
    expectStartEndsWithTheConnectionError();
}

TEST_F(LoginGateTest, AFileOfAnUnknownFormatVersionEndsTheStart)
{
    storeLogin();
    QFile file(databasePath);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(18);
    file.write("\x03", 1);
    file.close();
    expectStartEndsWithTheConnectionError();
}

TEST_F(LoginGateTest, AWindowThatGoesAwayWithoutASuccessorBringsTheMainWindowBack)
{
    start();
    enterWithoutLogin();
    main->open("TfrmInfo");
    ASSERT_FALSE(main->isVisible());
    ASSERT_TRUE(lastOpened);
    // Opening the next window before this one closes keeps the main window hidden.
    QPointer<QWidget> first = lastOpened;
    main->open("TfrmBackup");
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(main->isVisible());
    // The last one closes without returning: the main window comes back on its page.
    lastOpened->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(QTest::qWaitFor([this] { return main->isVisible(); }, 1000));
    EXPECT_EQ(currentPage(), "tsOverview");
}

TEST_F(LoginGateTest, NoWindowButTheAboutWindowOpensBeforeTheLogin)
{
    storeLogin();
    start();
    ASSERT_EQ(currentPage(), "tsSecureLogin");
    for (const char *className : {"TfrmBackup", "TfrmRestore", "TfrmPrint", "TfrmCash", "TfrmPersonalInfo"}) {
        main->open(className);
        EXPECT_EQ(lastOpened, nullptr) << className;
        EXPECT_TRUE(main->isVisible()) << className;
        EXPECT_EQ(currentPage(), "tsSecureLogin");
    }
    main->open("TfrmInfo");
    ASSERT_TRUE(lastOpened);
    EXPECT_STREQ(lastOpened->metaObject()->className(), "TfrmInfo");
    lastOpened->close();
}

TEST_F(LoginGateTest, TheDataModuleOutlivesThePagesThatShowIt)
{
    start();
    enterWithoutLogin();
    // The statement list's grid reads the data module's tables through its data source.
    QPointer<QAbstractItemView> grid = main->findChild<QAbstractItemView *>();
    ASSERT_TRUE(grid);
    bool dataGone = false, gridAliveWhenTheDataWent = true;
    Tdm1 *dm1 = &main->dm1();
    QObject::connect(dm1, &QObject::destroyed, dm1, [&] {
        dataGone = true;
        gridAliveWhenTheDataWent = !grid.isNull();
    });
    main.reset();
    ASSERT_TRUE(dataGone);
    EXPECT_FALSE(gridAliveWhenTheDataWent);
}

} // namespace
