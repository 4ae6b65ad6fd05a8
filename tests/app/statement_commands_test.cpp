// The main window's commands beyond its picture buttons: copying and comparing from the
// Overview's statement list, the readiness check from the Financial Statement page.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "base/dates.h"
#include "data/tdm1.h"
#include "support/app/main_window_fixture.h"
#include "ui/db_grid.h"

namespace {

// With WORTHSHEET_SHOTS set, a window is also kept as a picture there, to be looked at.
void keepPicture(QWidget *widget, const char *name)
{
    if (const QByteArray folder = qgetenv("WORTHSHEET_SHOTS"); !folder.isEmpty())
        widget->grab().save(QString::fromLocal8Bit(folder) + '/' + name + ".png");
}

class BeyondCommandsTest : public MainWindowTest
{
protected:
    const Dates::FixedToday fixedToday{QDate(2027, 6, 30)};
    // Young has two statements, the older one with a cash row; adams has one.
    void SetUp() override
    {
        MainWindowTest::SetUp();
        exec("INSERT INTO Client (Id, FirstName, LastName, JointStatement, FullName2) VALUES "
             "(1, 'Zoe', 'Young', 'No', 'Zoe Young'), (2, 'Al', 'adams', 'No', 'Al adams'), "
             "(3, 'Zoe', 'Young', 'No', 'Zoe Young')");
        exec("INSERT INTO FSPro (ClientId, Date, CashOnHand, TotalAssets, NetWorth) VALUES "
             "('1', '11/30/2025', 1234.5, 1234.5, 1234.5), ('2', '01/01/2026', 0, 0, 0), "
             "('3', '02/01/2025', 0, 0, 0)");
        exec("INSERT INTO Cash (ClientId, Balance) VALUES ('1', 1234.5)");
    }

    DBGrid *grid() { return child<DBGrid>("DBGrid1"); }
    void selectListRow(int row)
    {
        grid()->selectRow(row);
        QApplication::processEvents();
    }
    QAction *action(const char *name) { return main->findChild<QAction *>(name); }
};

TEST_F(BeyondCommandsTest, TheListOffersCopyAndCompareInItsContextMenuWithShortcuts)
{
    start();
    enterWithoutLogin();
    EXPECT_EQ(grid()->contextMenuPolicy(), Qt::ActionsContextMenu);
    // Other commands may share the menu; these two are in it.
    QAction *copy = action("actCopyStatement");
    QAction *compare = action("actCompareStatements");
    ASSERT_TRUE(copy && compare);
    EXPECT_TRUE(grid()->actions().contains(copy));
    EXPECT_TRUE(grid()->actions().contains(compare));
    EXPECT_EQ(copy->text(), "Copy as of Today");
    EXPECT_EQ(copy->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_EQ(compare->text(), "Compare with Earlier Statement...");
    EXPECT_EQ(compare->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
}

TEST_F(BeyondCommandsTest, CopyingSelectsTheNewStatementDatedToday)
{
    start();
    enterWithoutLogin();
    selectListRow(1); // Young, statement 1
    ASSERT_EQ(main->dm1().CurrentClientId, "1");
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Client"), 4);
    const QString copy = text("SELECT MAX(Id) FROM Client");
    EXPECT_EQ(main->dm1().CurrentClientId, copy);
    EXPECT_EQ(main->dm1().tblClient.FieldByName("Id").AsString(), copy);
    EXPECT_EQ(text(QString("SELECT Date FROM FSPro WHERE ClientId = '%1'").arg(copy)),
              "06/30/2027");
    EXPECT_EQ(child<QLabel>("dbE1")->text(), "$1,234.50");
    EXPECT_EQ(grid()->model()->rowCount(), 4);
    keepPicture(main.get(), "overview_after_copy");
    EXPECT_EQ(grid()->model()->index(grid()->currentIndex().row(), 0).data().toString(), "Young");
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->last().toStdString();
}

TEST_F(BeyondCommandsTest, CompareOpensOnlyWhereThePersonHasAnotherStatement)
{
    start();
    enterWithoutLogin();
    selectListRow(0); // adams: one statement
    action("actCompareStatements")->trigger();
    EXPECT_EQ(messages->last(), "There is no other statement of Al adams to compare with.");
    EXPECT_TRUE(opened.isEmpty());

    selectListRow(1);
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(opened, QStringList({"TfrmCompare"}));
    EXPECT_EQ(main->dm1().CurrentClientId, "1");
    EXPECT_FALSE(main->isVisible());
}

TEST_F(BeyondCommandsTest, TheStatementPageOpensTheReadinessCheck)
{
    start();
    enterWithoutLogin();
    selectListRow(2);
    clickImage("imfs_blue", "imfs_orange");
    ASSERT_TRUE(main->OnStatement());
    keepPicture(main.get(), "statement_page");
    click("btnReadiness");
    EXPECT_EQ(opened, QStringList({"TfrmReadiness"}));
    EXPECT_EQ(main->dm1().CurrentClientId, "3");
    ASSERT_TRUE(lastOpened);
    // Statement 3 is more than ninety days old, among other things.
    EXPECT_TRUE(lastOpened->findChild<QLabel *>("lblFinding1")->text().startsWith("The statement is dated 02/01/2025"));
}

TEST_F(BeyondCommandsTest, TheProgramsPrintWindowChecksAStatementBeforePreviewingIt)
{
    start();
    enterWithoutLogin();
    selectListRow(2); // statement 3, more than ninety days old
    clickImage("imPrint", "imPrint_Up");
    ASSERT_EQ(opened, QStringList({"TfrmPrint"}));
    QWidget *print = lastOpened;
    ASSERT_TRUE(print && QTest::qWaitForWindowExposed(print));
    QWidget *preview = print->findChild<QWidget *>("imPreview");
    QWidget *hover = print->findChild<QWidget *>("imPreview_Up");
    ASSERT_TRUE(preview && hover);
    QTest::mouseMove(print, {20, 430});
    QTest::mouseMove(preview, preview->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([hover] { return hover->isVisible(); }, 1000));
    // A preview shown unchecked would wait for the user: it is closed and noted.
    bool previewShown = false;
    QTimer::singleShot(0, print, [&previewShown] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            previewShown = true;
            modal->close();
        }
    });
    QTest::mouseClick(hover, Qt::LeftButton, {}, hover->rect().center());
    QApplication::processEvents();
    EXPECT_FALSE(previewShown);
    // The findings stand over the print window.
    auto *finding = print->findChild<QLabel *>("lblFinding1");
    ASSERT_NE(finding, nullptr);
    EXPECT_TRUE(finding->isVisible());
    EXPECT_TRUE(finding->text().startsWith("The statement is dated 02/01/2025"));
    print->close();
}

} // namespace
