// The mark of the keyboard focus: every control of the main window that takes the focus
// looks different while it has it, the program's pictures and click areas included.
#include "support/app/main_window_fixture.h"
#include "support/keyboard.h"

namespace {

class FocusMarkTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        exec("INSERT INTO Client (Id, FirstName, LastName, FullName2) VALUES (1, 'Zoe', 'Young', 'Zoe Young')");
        exec("INSERT INTO FSPro (ClientId, CashOnHand) VALUES ('1', 5)");
    }
    std::string unmarked() { return Keyboard::unmarkedFocus(main->clientArea()).join(", ").toStdString(); }
};

TEST_F(FocusMarkTest, EveryControlThatTakesTheFocusShowsIt)
{
    start();
    ASSERT_TRUE(Keyboard::activate(main.get()));
    EXPECT_EQ(unmarked(), "") << "login page";
    enterWithoutLogin();
    EXPECT_EQ(unmarked(), "") << "overview";
    clickImage("imfs_blue", "imfs_orange");
    EXPECT_EQ(unmarked(), "") << "statement page";
    clickImage("imset_blue", "imset_orange");
    EXPECT_EQ(unmarked(), "") << "settings";
}

} // namespace
