// A list window used with the keyboard alone: from the main window's page to a saved row
// and back, with Tab, Shift+Tab, the arrows, Enter and Space.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "data/engine/table.h"
#include "data/tdm1.h"
#include "list_window_fixture.h"
#include "support/keyboard.h"
#include "ui/db_grid.h"

namespace {

using namespace Keyboard;

class KeyboardTest : public ListWindowTest
{
protected:
    QWidget *control(const char *name) { return window()->findChild<QWidget *>(name); }
    QWidget *field(const char *name) { return window()->controlOf(name); }
};

TEST_F(KeyboardTest, ACashRowIsEnteredAndSavedWithTheKeyboardAlone)
{
    ASSERT_TRUE(activate(main.get()));
    ASSERT_TRUE(tabTo(child("imfs_blue")));
    press(Qt::Key_Return);
    ASSERT_EQ(currentPage(), "tsFinancialStatement");
    ASSERT_TRUE(tabTo(child("lblCash")));
    press(Qt::Key_Return);
    ASSERT_TRUE(window());
    ASSERT_TRUE(activate(window()));
    // The window opens with the focus, visible, on its first field.
    EXPECT_EQ(focused(), field("RegisteredName"));

    typeText("Ann Avery");
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), field("Type"));
    typeText("Savings Account");
    ASSERT_TRUE(tabTo(field("Balance")));
    typeText("$1,200.00");
    ASSERT_TRUE(tabTo(control("btnOK")));
    press(Qt::Key_Return);
    EXPECT_EQ(text("SELECT Balance FROM Cash WHERE ClientId = '1'").toDouble(), 1200);

    // A second row through Add, pressed with Space.
    ASSERT_TRUE(tabTo(control("btnAdd"), true));
    press(Qt::Key_Space);
    EXPECT_EQ(focused(), field("RegisteredName"));
    typeText("Avery Trust");
    press(Qt::Key_Tab);
    typeText("Checking Account");
    ASSERT_TRUE(tabTo(field("Balance")));
    typeText("(250.00)");
    ASSERT_TRUE(tabTo(control("btnOK")));
    press(Qt::Key_Space);
    EXPECT_EQ(count("SELECT count(*) FROM Cash WHERE ClientId = '1'"), 2);

    // Tab reaches the grid and leaves it again; the arrows move between its rows.
    auto *grid = window()->findChild<DBGrid *>("DBGrid1");
    ASSERT_TRUE(tabTo(grid));
    Table &cash = main->dm1().tblCash;
    const QString first = cash.FieldByName("RegisteredName").AsString();
    press(Qt::Key_Down);
    if (cash.FieldByName("RegisteredName").AsString() == first)
        press(Qt::Key_Up);
    EXPECT_NE(cash.FieldByName("RegisteredName").AsString(), first);
    EXPECT_EQ(focused(), grid);
    press(Qt::Key_Tab);
    EXPECT_NE(focused(), grid);
    EXPECT_TRUE(tabTo(grid, true));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(focused(), grid);

    ASSERT_TRUE(tabTo(control("btnClose")));
    press(Qt::Key_Space);
    ASSERT_EQ(window(), nullptr);
    ASSERT_TRUE(activate(main.get()));
    ASSERT_TRUE(tabTo(child("imover_blue")));
    press(Qt::Key_Enter);
    EXPECT_EQ(currentPage(), "tsOverview");
    EXPECT_EQ(child<QLabel>("dbE1")->text(), "$950.00");
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
}

TEST_F(KeyboardTest, EveryFieldIsNamedByItsCaption)
{
    ASSERT_TRUE(openFromLink("lblRealEstate"));
    EXPECT_EQ(field("PercentOwned")->accessibleName(), "Owned");
    EXPECT_EQ(field("Type")->accessibleName(), "Property Type");
    EXPECT_EQ(field("RegisteredName")->accessibleName(), "Title in Name of");
    EXPECT_EQ(control("DBGrid1")->accessibleName(), "Assets - Real Estate");
    clickButton("btnClose");
    // A legal answer is named by its question.
    if (currentPage() != QLatin1String("tsFinancialStatement"))
        clickImage("imfs_blue", "imfs_orange");
    click("lblLegal1");
    QWidget *legal = main->shownWindow();
    ASSERT_TRUE(legal);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(legal));
    EXPECT_EQ(legal->findChild<QWidget *>("dbCombo1")->accessibleName(), "Do you have a will?");
    EXPECT_EQ(legal->findChild<QWidget *>("db1")->accessibleName(), "Executor");
    QTest::mouseClick(legal->findChild<QPushButton *>("btnClose"), Qt::LeftButton);
}

} // namespace
