// Esc and Enter in the windows of a statement: Esc does what Cancel does (Close where there
// is no Cancel), Enter in a field presses the default button, Enter on a button that button;
// and the focus shows wherever it is.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data/tdm1.h"
#include "list_window_fixture.h"
#include "support/keyboard.h"

namespace {

using namespace Keyboard;

class WindowKeysTest : public ListWindowTest
{
protected:
    QWidget *field(const char *name) { return window()->controlOf(name); }
    void focusField(const char *name)
    {
        field(name)->setFocus();
        QApplication::processEvents();
    }
};

TEST_F(WindowKeysTest, InAListWindowEnterIsOkAndEscIsCancel)
{
    ASSERT_TRUE(openFromLink("lblCash"));
    ASSERT_TRUE(activate(window()));
    typeInto("RegisteredName", "Ann Avery");
    typeInto("Type", "Savings Account");
    typeInto("Balance", "1200");
    focusField("Balance");
    press(Qt::Key_Return);
    // OK: stored, recomputed, the window stays on its first field.
    EXPECT_EQ(text("SELECT Balance FROM Cash WHERE ClientId = '1'").toDouble(), 1200);
    EXPECT_EQ(totalLabel(), "Total: $1,200.00");
    EXPECT_EQ(shownClass(), "TfrmCash");

    // A change given up with Esc: the row is as stored, the window still open.
    typeInto("RegisteredName", "Someone Else");
    press(Qt::Key_Escape);
    EXPECT_EQ(qobject_cast<QLineEdit *>(field("RegisteredName"))->text(), "Ann Avery");
    EXPECT_EQ(text("SELECT RegisteredName FROM Cash WHERE ClientId = '1'"), "Ann Avery");
    EXPECT_EQ(shownClass(), "TfrmCash");

    // Enter on a button the user tabbed to presses that button, not OK.
    auto *next = window()->findChild<QPushButton *>("btnNext");
    ASSERT_TRUE(tabTo(next));
    press(Qt::Key_Return);
    EXPECT_EQ(shownClass(), "TfrmInvestments");
    EXPECT_EQ(count("SELECT COUNT(*) FROM Cash"), 1);
}

TEST_F(WindowKeysTest, InTheParticularsWalkEnterIsNextAndEscIsCancel)
{
    exec("UPDATE Client SET MaritalStatus = 'Married', Dependants = '0' WHERE Id = 1");
    clickImage("imfs_blue", "imfs_orange");
    click("lblPersonalInformation");
    ASSERT_EQ(shownClass(), "TfrmPersonalInfo");
    ASSERT_TRUE(activate(shown()));
    auto *first = shown()->findChild<QLineEdit *>();
    ASSERT_TRUE(first);
    first->setFocus();
    press(Qt::Key_Enter);
    EXPECT_EQ(shownClass(), "TfrmPersonalEmployment") << messages->last().toStdString();

    ASSERT_TRUE(activate(shown()));
    auto *employer = shown()->findChild<QLineEdit *>();
    ASSERT_TRUE(employer);
    employer->setFocus();
    QTest::keyClicks(employer, "typed then given up");
    press(Qt::Key_Escape);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(count("SELECT COUNT(*) FROM Client WHERE Employer = 'typed then given up'"), 0);
}

TEST_F(WindowKeysTest, EveryControlOfAListWindowShowsTheFocus)
{
    ASSERT_TRUE(openFromLink("lblCash"));
    ASSERT_TRUE(activate(window()));
    EXPECT_EQ(unmarkedFocus(window()).join(", ").toStdString(), "");
}

} // namespace
