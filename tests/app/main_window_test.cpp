// The main window on a real database: start-up, the statement list and its totals, the
// pages and their entry rules, the section links, Add, Edit, Delete and the hover rule.
#include <tuple>

#include <QApplication>
#include <QLabel>
#include <QStackedWidget>
#include <QTest>

#include "app/overview_page.h"
#include "data/tdm1.h"
#include "support/app/main_window_fixture.h"
#include "support/keyboard.h"
#include "ui/db_grid.h"
#include "support/scoped_environment.h"

namespace {

class MainWindowPagesTest : public MainWindowTest
{
protected:
    // Three statements, each with its totals row; Baker's is joint.
    void SetUp() override
    {
        MainWindowTest::SetUp();
        exec("INSERT INTO Client (Id, FirstName, LastName, MiddleInitial, JointStatement, FullName2) VALUES "
             "(1, 'Zoe', 'Young', '', 'No', 'Zoe Young'), (2, 'Al', 'adams', 'B', 'No', 'Al B. adams'), "
             "(3, 'Bea', 'Baker', '', 'Yes', 'Bea Baker')");
        exec("INSERT INTO FSPro (ClientId, CashOnHand, TotalAssets, NetWorth, NotesReceivable) VALUES "
             "('1', 1234.5, 1234.5, 1234.5, 0), ('2', 0, 500000, -150000, 10), ('3', NULL, NULL, NULL, NULL)");
    }

    QString total(const QString &name) { return child<QLabel>(name)->text(); }
    DBGrid *grid() { return child<DBGrid>("DBGrid1"); }
    void selectListRow(int row)
    {
        grid()->selectRow(row);
        QApplication::processEvents();
    }
    QStringList listedLastNames()
    {
        QStringList names;
        for (int r = 0; r < grid()->model()->rowCount(); ++r)
            names << grid()->model()->index(r, 0).data().toString();
        return names;
    }
    void toStatementPage() { clickImage("imfs_blue", "imfs_orange"); }
};

TEST_F(MainWindowPagesTest, WindowHasItsDefaultSizeTitleAndPages)
{
    start();
    EXPECT_EQ(main->windowTitle(), "Norvale");
    EXPECT_EQ(QApplication::applicationName(), "Worthsheet");
    // 714 x 513 below the menu bar, the least it can be made.
    EXPECT_EQ(main->clientArea()->size(), QSize(714, 513));
    EXPECT_EQ(main->clientArea()->minimumSize(), QSize(714, 513));
    auto *pc1 = child<QStackedWidget>("pc1");
    EXPECT_EQ(pc1->geometry(), QRect(176, 65, 527, 440));
    QStringList pages;
    for (int i = 0; i < pc1->count(); ++i)
        pages << pc1->widget(i)->objectName();
    EXPECT_EQ(pages, QStringList({"tsLogin", "tsOverview", "tsFinancialStatement", "tsSettings", "tsSecureLogin",
                                  "tsForgot", "tsEncryption"}));
    EXPECT_EQ(child("imover_blue")->geometry(), QRect(9, 80, 161, 48));
    EXPECT_EQ(child("imfs_white")->geometry(), QRect(9, 129, 161, 48));
    EXPECT_EQ(child("imset_orange")->geometry(), QRect(9, 178, 161, 48));
    EXPECT_EQ(child("imExit_Up")->geometry(), QRect(40, 436, 89, 65));
    EXPECT_EQ(child("lblInfo")->geometry(), QRect(629, 21, 32, 28));
    EXPECT_EQ(child("lblHelp")->geometry(), QRect(669, 19, 32, 30));
    EXPECT_EQ(child("DBGrid1")->geometry(), QRect(1, 4, 507, 120));
    EXPECT_EQ(child("imDelete")->geometry(), QRect(222, 398, 94, 29));
    EXPECT_EQ(child("imPrint_Up")->geometry(), QRect(5, 365, 65, 63));
    EXPECT_EQ(child("imRestore_up")->geometry(), QRect(115, 226, 282, 47));
}

TEST_F(MainWindowPagesTest, FirstShowingPurgesRowsOfNoStatementBeforeTheLogin)
{
    exec("INSERT INTO Cash (ClientId, Balance) VALUES ('', 5), ('1', 7)");
    exec("INSERT INTO FSPro (ClientId) VALUES ('')");
    exec("INSERT INTO Legal (ClientId) VALUES ('')");
    exec("INSERT INTO Client (LastName) VALUES ('')");
    start();
    EXPECT_EQ(count("SELECT count(*) FROM Cash"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM FSPro WHERE ClientId = ''"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM Legal"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM Client"), 4);
}

TEST_F(MainWindowPagesTest, ListIsSortedByLastNameAndTotalsFollowTheSelection)
{
    start();
    enterWithoutLogin();
    EXPECT_EQ(listedLastNames(), QStringList({"adams", "Baker", "Young"}));
    EXPECT_EQ(grid()->currentIndex().row(), 0);
    EXPECT_EQ(main->dm1().CurrentClientId, "2");
    EXPECT_EQ(total("dbE1"), "$.00");
    EXPECT_EQ(total("dbE8"), "$10.00");
    EXPECT_EQ(total("dbTotalAssets"), "$500,000.00");
    EXPECT_EQ(total("dbNetWorth"), "-$150,000.00");

    selectListRow(2);
    EXPECT_EQ(main->dm1().CurrentClientId, "1");
    EXPECT_EQ(total("dbE1"), "$1,234.50");
    EXPECT_EQ(total("dbNetWorth"), "$1,234.50");

    // A statement whose totals were never computed shows empty totals.
    selectListRow(1);
    EXPECT_EQ(total("dbE1"), "");
    EXPECT_EQ(total("dbTotalAssets"), "");
    EXPECT_EQ(main->dm1().tblClient.Filtered(), false);
}

TEST_F(MainWindowPagesTest, StatementPageNeedsAStatementAndShowsItsName)
{
    exec("DELETE FROM Client");
    start();
    enterWithoutLogin();
    toStatementPage();
    EXPECT_EQ(messages->last(), "Please select a financial statement to work with");
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Error);
    EXPECT_EQ(currentPage(), "tsOverview");
    EXPECT_TRUE(main->OnOverview());
}

TEST_F(MainWindowPagesTest, StatementPageSelectsTheStatementOfTheList)
{
    start();
    enterWithoutLogin();
    selectListRow(1);
    toStatementPage();
    EXPECT_EQ(currentPage(), "tsFinancialStatement");
    EXPECT_TRUE(main->OnStatement());
    EXPECT_TRUE(child("imfs_white")->isVisible());
    EXPECT_FALSE(child("imover_white")->isVisible());
    EXPECT_EQ(main->dm1().tblClient.Filter(), "Id = 3");
    EXPECT_EQ(child<QLabel>("dbFullName2")->text(), "Bea Baker");
}

TEST_F(MainWindowPagesTest, SectionLinksCheckTheStatementThenOpenTheirWindow)
{
    start();
    enterWithoutLogin();
    selectListRow(0); // adams: a personal statement
    toStatementPage();

    click("lblCash");
    EXPECT_EQ(opened, QStringList({"TfrmCash"}));
    EXPECT_FALSE(main->isVisible());
    main->ReturnToMainWindow();
    lastOpened->close();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(currentPage(), "tsFinancialStatement");

    // The spouse sections of a personal statement are closed at the door.
    click("lblSpouseEmployment");
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Warning);
    EXPECT_EQ(messages->last(),
              "This is a \"PERSONAL\" Financial Statement: \n\r\"SPOUSE\" information is disabled.\n\r\n\rTo change "
              "the status to a \"JOINT\" Financial Statement, Open \"PERSONAL INFORMATION\" and click on \"Yes\" for "
              "\"Joint Financial Statement\".");
    main->dm1().tblClient.Cancel();
}

TEST_F(MainWindowPagesTest, SpouseLinkOfAJointStatementOpensItsWindowInEditState)
{
    start();
    enterWithoutLogin();
    selectListRow(1); // Baker: joint
    toStatementPage();
    click("lblSpouseInfo");
    EXPECT_EQ(opened, QStringList({"TfrmSpouseInfo"}));
    EXPECT_EQ(main->dm1().tblClient.state(), Table::State::Edit);
    EXPECT_EQ(main->dm1().tblClient.FieldByName("Id").AsString(), "3");
}

TEST_F(MainWindowPagesTest, SectionLinkWithoutStatementAsksForPersonalInformationFirst)
{
    exec("DELETE FROM Client");
    start();
    enterWithoutLogin();
    main->openSection("lblCash");
    EXPECT_EQ(messages->last(), "Personal Information must be entered before continuing.");
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MainWindowPagesTest, OtherAssetTotalsAllOpenTheOtherAssetsWindow)
{
    start();
    enterWithoutLogin();
    for (const char *total : {"dbE8", "dbE9", "dbE10"}) {
        click(total);
        ASSERT_FALSE(opened.isEmpty());
        EXPECT_EQ(opened.takeLast(), "TfrmOther") << total;
        lastOpened->close();
        main->ReturnToMainWindow();
        EXPECT_EQ(currentPage(), "tsOverview");
    }
    click("dbE12");
    EXPECT_EQ(opened.takeLast(), "TfrmRealEstate_Liabilities");
}

TEST_F(MainWindowPagesTest, AddStartsANewRowAndEditTheSelectedOne)
{
    start();
    enterWithoutLogin();
    clickImage("imAdd", "imAdd_Up");
    EXPECT_EQ(opened, QStringList({"TfrmPersonalInfo"}));
    Tdm1 &dm = main->dm1();
    EXPECT_EQ(dm.StatementEditMode, "Append");
    EXPECT_EQ(dm.tblClient.state(), Table::State::Insert);
    EXPECT_EQ(dm.CurrentClientId, "");
    // What the particulars window does on its save: the new row gets a fresh Id.
    dm.tblClient.FieldByName("LastName").SetAsString("Newcomer");
    dm.tblClient.Post();
    dm.SelectStatement();
    EXPECT_EQ(dm.CurrentClientId, "4");
    lastOpened->close();
    main->ReturnToMainWindow();
    EXPECT_EQ(listedLastNames(), QStringList({"adams", "Baker", "Newcomer", "Young"}));

    selectListRow(3);
    clickImage("imEdit", "imEdit_Up");
    EXPECT_EQ(dm.StatementEditMode, "Edit");
    EXPECT_EQ(dm.tblClient.state(), Table::State::Edit);
    EXPECT_EQ(dm.tblClient.FieldByName("LastName").AsString(), "Young");
    lastOpened->close();
    main->ReturnToMainWindow();

    // A link after Add works on the statement shown, never on a new row.
    selectListRow(0);
    toStatementPage();
    click("lblPersonalEmployment");
    EXPECT_EQ(dm.tblClient.state(), Table::State::Edit);
    EXPECT_EQ(dm.tblClient.FieldByName("LastName").AsString(), "adams");
}

TEST_F(MainWindowPagesTest, DeleteAsksAndRemovesOnlyOnYes)
{
    exec("INSERT INTO Cash (ClientId, Balance) VALUES ('2', 5), ('1', 7)");
    start();
    enterWithoutLogin();
    selectListRow(0);
    messages->answer(Messages::Answer::No);
    clickImage("imDelete", "imDelete_Up");
    // The question names the statement that would go (this one has no date yet).
    EXPECT_EQ(messages->last(), "Do you want to \"Delete\" this \"Financial Statement\"?\n\rAl B. adams");
    EXPECT_EQ(count("SELECT count(*) FROM Client"), 3);

    messages->answer(Messages::Answer::Yes);
    clickImage("imDelete", "imDelete_Up");
    EXPECT_EQ(messages->last(), "The \"Financial Statement\" was successfully deleted.");
    EXPECT_EQ(count("SELECT count(*) FROM Client WHERE Id = 2"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM Cash"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM FSPro"), 2);
    EXPECT_EQ(listedLastNames(), QStringList({"Baker", "Young"}));
    // The totals shown are those of the row now selected.
    EXPECT_EQ(main->dm1().CurrentClientId, "3");
    EXPECT_EQ(total("dbE1"), "");
}

TEST_F(MainWindowPagesTest, PrintHelpAndAboutRunTheirChecks)
{
    start();
    enterWithoutLogin();
    selectListRow(2);
    click("lblHelp");
    EXPECT_EQ(messages->last(), "Video Tutorial Coming Soon!");
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Information);
    // Help only speaks: the list keeps every statement, and the selection stays.
    EXPECT_EQ(listedLastNames().size(), 3);
    EXPECT_FALSE(main->dm1().tblClient.Filtered());
    EXPECT_EQ(main->dm1().tblClient.FieldByName("LastName").AsString(), "Young");
    // The active page's tab is white and takes no click; the page is shown again by code.
    QTest::mouseMove(child("imover_white"), {20, 20});
    EXPECT_FALSE(child("imover_orange")->isVisible());
    main->ShowOverviewPage();
    EXPECT_EQ(listedLastNames().size(), 3);

    clickImage("imPrint", "imPrint_Up");
    EXPECT_EQ(opened, QStringList({"TfrmPrint"}));
    lastOpened->close();
    main->ReturnToMainWindow();

    click("lblInfo");
    EXPECT_EQ(opened.last(), "TfrmInfo");
    lastOpened->close();
    main->ReturnToMainWindow();

    exec("DELETE FROM Client");
    main->dm1().tblClient.Refresh();
    main->ShowOverviewPage();
    clickImage("imPrint", "imPrint_Up");
    EXPECT_EQ(messages->last(), "Please select a \"Financial Statement to Print\".");
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Warning);
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(MainWindowPagesTest, HoverShowsTheHoverPictureAndTheSurfaceResetsIt)
{
    start();
    enterWithoutLogin();
    QWidget *addUp = child("imAdd_Up");
    QTest::mouseMove(child("imAdd"), {10, 10});
    EXPECT_TRUE(addUp->isVisible());
    QTest::mouseMove(child("dbE3"), {100, 5});
    EXPECT_FALSE(addUp->isVisible());
    EXPECT_EQ(child<QLabel>("dbE3")->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QTest::mouseMove(child("tsOverview"), {300, 360});
    EXPECT_NE(child<QLabel>("dbE3")->palette().color(QPalette::WindowText), QColor(Qt::blue));

    QTest::mouseMove(child("imset_blue"), {20, 20});
    EXPECT_TRUE(child("imset_orange")->isVisible());
    QTest::mouseMove(child("imBackground"), {400, 30});
    EXPECT_FALSE(child("imset_orange")->isVisible());
    EXPECT_TRUE(child("imover_white")->isVisible());

    QTest::mouseMove(child("imExit"), {20, 20});
    EXPECT_TRUE(child("imExit_Up")->isVisible());
}

TEST_F(MainWindowPagesTest, ReturningReopensTheSettingsPage)
{
    start();
    enterWithoutLogin();
    clickImage("imset_blue", "imset_orange");
    clickImage("imBackup", "imBackup_up");
    EXPECT_EQ(opened, QStringList({"TfrmBackup"}));
    EXPECT_FALSE(main->isVisible());
    lastOpened->close();
    main->ReturnToMainWindow();
    EXPECT_EQ(currentPage(), "tsSettings");
    EXPECT_TRUE(main->OnSettings());
}

using namespace Keyboard;

class MainWindowKeyboardTest : public MainWindowPagesTest
{
protected:
    QWidget *shown() const { return main->shownWindow(); }
    QWidget *inShown(const char *name) const { return shown() ? shown()->findChild<QWidget *>(name) : nullptr; }
};

TEST_F(MainWindowKeyboardTest, PictureButtonsTakeTheFocusAndWorkWithEnterSpaceAndShortcuts)
{
    start();
    enterWithoutLogin();
    ASSERT_TRUE(activate(main.get()));
    for (const auto &[picture, name, shortcut] :
         {std::tuple{"imAdd", "Add", "Ctrl+N"}, std::tuple{"imEdit", "Edit", "Ctrl+E"},
          std::tuple{"imDelete", "Delete", "Del"}, std::tuple{"imPrint", "Print", "Ctrl+P"}}) {
        EXPECT_EQ(child(picture)->accessibleName(), name);
        EXPECT_TRUE(child(picture)->toolTip().contains(shortcut)) << child(picture)->toolTip().toStdString();
    }
    EXPECT_EQ(child("imover_blue")->accessibleName(), "Overview");
    EXPECT_EQ(child("imset_blue")->accessibleName(), "Settings");

    // The tabs: Settings with Space, its buttons reachable, Overview with Enter.
    ASSERT_TRUE(tabTo(child("imset_blue")));
    press(Qt::Key_Space);
    EXPECT_EQ(currentPage(), "tsSettings");
    EXPECT_TRUE(tabTo(child("imBackup")));
    ASSERT_TRUE(tabTo(child("imover_blue")));
    press(Qt::Key_Return);
    EXPECT_EQ(currentPage(), "tsOverview");

    // Print with Enter on its picture, Delete with its key (answered No), Edit with Ctrl+E.
    ASSERT_TRUE(tabTo(child("imPrint")));
    press(Qt::Key_Return);
    EXPECT_EQ(opened, QStringList({"TfrmPrint"}));
    lastOpened->close();
    main->ReturnToMainWindow();
    ASSERT_TRUE(activate(main.get()));
    messages->answer(Messages::Answer::No);
    press(Qt::Key_Delete);
    EXPECT_TRUE(messages->last().startsWith("Do you want to \"Delete\" this \"Financial Statement\"?"));
    EXPECT_EQ(count("SELECT count(*) FROM Client"), 3);
    press(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(opened.last(), "TfrmPersonalInfo");
    ASSERT_TRUE(activate(shown()));
    ASSERT_TRUE(tabTo(inShown("btnCancel")));
    press(Qt::Key_Space);
    EXPECT_TRUE(main->isVisible());
    ASSERT_TRUE(activate(main.get()));
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(opened.last(), "TfrmPrint");
    lastOpened->close();
    main->ReturnToMainWindow();
}

TEST_F(MainWindowKeyboardTest, ANewStatementMadeWithTheKeyboardStaysSelectedAfterEachWindow)
{
    start();
    enterWithoutLogin();
    ASSERT_TRUE(activate(main.get()));
    // Add with Enter on its picture; the personal information typed and stored with Enter.
    ASSERT_TRUE(tabTo(child("imAdd")));
    press(Qt::Key_Return);
    ASSERT_EQ(opened, QStringList({"TfrmPersonalInfo"}));
    ASSERT_TRUE(activate(shown()));
    EXPECT_EQ(focused(), inShown("DBEditFirstName"));
    typeText("Jo");
    ASSERT_TRUE(tabTo(inShown("DBEditLastName")));
    typeText("Jointtest");
    ASSERT_TRUE(tabTo(inShown("cbMaritalStatus")));
    typeText("Single");
    ASSERT_TRUE(tabTo(inShown("DBEditDependants")));
    typeText("0");
    ASSERT_TRUE(tabTo(inShown("btnOK")));
    press(Qt::Key_Return);
    ASSERT_TRUE(main->isVisible());
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();

    Tdm1 &dm = main->dm1();
    const QString jo = text("SELECT Id FROM Client WHERE LastName = 'Jointtest'");
    const auto expectJoSelected = [&] {
        EXPECT_EQ(currentPage(), "tsOverview");
        EXPECT_FALSE(dm.tblClient.Filtered());
        EXPECT_EQ(listedLastNames().size(), 4);
        EXPECT_EQ(dm.tblClient.FieldByName("Id").AsString(), jo);
        EXPECT_EQ(dm.CurrentClientId, jo);
        EXPECT_EQ(grid()->currentIndex().data().toString(), "Jointtest");
        EXPECT_EQ(dm.tblFSPro.FieldByName("ClientId").AsString(), jo);
    };
    expectJoSelected();

    // The Financial Statement page opens Jo's statement; a section of it comes back to it.
    toStatementPage();
    EXPECT_EQ(child<QLabel>("dbFullName2")->text(), "Jo Jointtest");
    click("lblCash");
    ASSERT_EQ(opened.last(), "TfrmCash");
    ASSERT_TRUE(activate(shown()));
    typeText("Jo");
    press(Qt::Key_Tab);
    typeText("Cash on Hand");
    ASSERT_TRUE(tabTo(inShown("db4")));
    typeText("$500");
    ASSERT_TRUE(tabTo(inShown("btnClose")));
    press(Qt::Key_Space);
    ASSERT_TRUE(main->isVisible());
    EXPECT_EQ(child<QLabel>("dbFullName2")->text(), "Jo Jointtest");
    clickImage("imover_blue", "imover_orange");
    expectJoSelected();
    EXPECT_EQ(total("dbE1"), "$500.00");

    // Help leaves the list whole and Jo selected.
    click("lblHelp");
    expectJoSelected();
}

TEST(MainWindowStart, MissingDatabaseShowsTheConnectionErrorAndEnds)
{
    QTemporaryDir home;
    ScopedEnvironment dataHome("XDG_DATA_HOME", home.path().toUtf8());
    RecordingMessages messages;
    if (!Tdm1::LocateDatabaseFile().isEmpty())
        GTEST_SKIP() << "a database file is installed on this machine";
    TfrmMain main;
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last(), "There was an error connecting to the database.\n\rIf problem persists, please contact "
                               "technical support.");
    main.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !main.isVisible(); }, 2000));
}

} // namespace
