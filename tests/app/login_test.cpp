// The login pages of the main window: first start, logging in, recovery, changing and
// removing the login.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/login_pages.h"
#include "support/app/main_window_fixture.h"

namespace {

class LoginTest : public MainWindowTest
{
protected:
    void storeLogin(const QString &user, const QString &password, const QString &question, const QString &answer)
    {
        exec(QString("INSERT INTO User (User, Password, HintQuestion1, HintAnswer1) VALUES ('%1', '%2', '%3', '%4')")
                 .arg(user, password, question, answer));
    }
    void fillNewLogin(const QString &user, const QString &password, const QString &question, const QString &answer)
    {
        type("edLoginUser", user);
        type("edLoginPassword", password);
        child<QComboBox>("cbHint")->setEditText(question);
        type("edAnswer", answer);
    }
    // A stored login, passed, then the Settings page.
    void loginToSettings()
    {
        storeLogin("Ann", "pw", "Q?", "A");
        start();
        type("edLoginUser1", "Ann");
        type("edLoginPassword1", "pw");
        click("btnSecureOK");
        clickImage("imset_blue", "imset_orange");
    }
    bool tabsEnabled()
    {
        return child("imover_blue")->isEnabled() && child("imfs_blue")->isEnabled() && child("imset_blue")->isEnabled();
    }
};

TEST_F(LoginTest, FirstStartOffersANewLoginAndGoingOnWithoutOneStoresNothing)
{
    start();
    EXPECT_EQ(currentPage(), "tsLogin");
    EXPECT_EQ(child<QLabel>("lblLoginUserTitle")->text(), "Enter a NEW Username and Password");
    EXPECT_TRUE(child("imNotProtected")->isVisible());
    EXPECT_FALSE(child("imProtected")->isVisible());
    EXPECT_FALSE(child("btnLoginCancel")->isVisible());
    EXPECT_FALSE(tabsEnabled());
    EXPECT_EQ(main->LoginState(), "");
    EXPECT_EQ(child<QComboBox>("cbHint")->count(), 11);
    EXPECT_EQ(child<QComboBox>("cbHint")->itemText(1), "What high school did you attend?");

    enterWithoutLogin();
    EXPECT_EQ(currentPage(), "tsOverview");
    EXPECT_EQ(main->LoginState(), "In");
    EXPECT_TRUE(main->OnOverview());
    EXPECT_TRUE(tabsEnabled());
    EXPECT_EQ(count("SELECT count(*) FROM User WHERE User <> ''"), 0);

    restart();
    EXPECT_EQ(currentPage(), "tsLogin");
}

TEST_F(LoginTest, IncompleteNewLoginMarksEveryMissingFieldAndSavesNothing)
{
    start();
    fillNewLogin("ann", "", "", "blue");
    click("btnLoginOK");
    EXPECT_EQ(currentPage(), "tsLogin");
    EXPECT_EQ(child<QLabel>("lblLoginUserTitle")->text(), "Please Complete All Information");
    EXPECT_EQ(colour("lblLoginUserTitle"), QColor(Qt::red));
    EXPECT_EQ(colour("lblLoginUser"), QColor(Qt::black));
    EXPECT_EQ(colour("lblLoginPassword"), QColor(Qt::red));
    EXPECT_EQ(colour("lblHintQuestion"), QColor(Qt::red));
    EXPECT_EQ(colour("lblHintAnswer"), QColor(Qt::black));
    EXPECT_EQ(count("SELECT count(*) FROM User"), 0);

    // Completing the page clears the marks and stores the login as typed.
    fillNewLogin("ann", "s3cret ", "My own question?", "blue");
    click("btnLoginOK");
    EXPECT_EQ(currentPage(), "tsOverview");
    EXPECT_EQ(text("SELECT User || '|' || Password || '|' || HintQuestion1 || '|' || HintAnswer1 FROM User"),
              "ann|s3cret |My own question?|blue");
}

TEST_F(LoginTest, StoredLoginIsCheckedExactly)
{
    storeLogin("Ann", "pw", "What city were you born in?", "Paris");
    start();
    EXPECT_EQ(currentPage(), "tsSecureLogin");
    EXPECT_EQ(child<QLabel>("lblSecureHeader")->text(), "Enter Username and Password");

    click("btnSecureOK");
    EXPECT_EQ(child<QLabel>("lblSecureHeader")->text(), "Please Complete All Information");
    EXPECT_EQ(colour("lblLoginUser1"), QColor(Qt::red));
    EXPECT_EQ(colour("lblLoginPassword1"), QColor(Qt::red));

    const std::pair<QString, QString> wrong[] = {{"ann", "pw"}, {"Ann", "pw "}, {"Ann", "PW"}, {" Ann", "pw"}};
    for (const auto &[user, password] : wrong) {
        type("edLoginUser1", user);
        type("edLoginPassword1", password);
        click("btnSecureOK");
        EXPECT_EQ(child<QLabel>("lblSecureHeader")->text(), "Invalid Username and/or Password") << user.toStdString();
        EXPECT_EQ(colour("lblSecureHeader"), QColor(Qt::red));
        EXPECT_EQ(colour("lblLoginUser1"), QColor(Qt::black));
        EXPECT_EQ(currentPage(), "tsSecureLogin");
    }
    EXPECT_FALSE(child("imover_blue")->isEnabled());

    type("edLoginUser1", "Ann");
    type("edLoginPassword1", "pw");
    click("btnSecureOK");
    EXPECT_EQ(currentPage(), "tsOverview");
    EXPECT_TRUE(tabsEnabled());
}

TEST_F(LoginTest, RecoveryRevealsTheLoginOnTheExactAnswer)
{
    storeLogin("Ann", "pw", "Name of my boat?", "Daisy");
    start();
    click("lblForgot");
    EXPECT_EQ(currentPage(), "tsForgot");
    EXPECT_EQ(child<QLabel>("lblQuestion")->text(), "Name of my boat?");
    for (const char *name : {"lblForgot1", "lblForgotUser", "lblForgot2", "lblForgotPassword"})
        EXPECT_FALSE(child(name)->isVisible()) << name;

    // The field takes no more characters than the stored answer has.
    type("edAnswerForgot", "Daisy!");
    EXPECT_EQ(child<QLineEdit>("edAnswerForgot")->text(), "Daisy");
    EXPECT_TRUE(child("lblForgotUser")->isVisible());
    EXPECT_EQ(child<QLabel>("lblForgotUser")->text(), "Ann");
    EXPECT_EQ(child<QLabel>("lblForgotPassword")->text(), "pw");
    EXPECT_EQ(colour("lblForgotPassword"), QColor(128, 0, 0));

    // Once shown the labels stay; a wrong answer on OK is refused with a message.
    type("edAnswerForgot", "daisy");
    EXPECT_TRUE(child("lblForgotUser")->isVisible());
    click("btnForgotOK");
    EXPECT_EQ(messages->last(), "The password hint answer provided is incorrect.\n\rPlease try again.");
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Error);
    EXPECT_EQ(currentPage(), "tsForgot");

    type("edAnswerForgot", "Daisy");
    click("btnForgotOK");
    EXPECT_EQ(currentPage(), "tsSecureLogin");

    click("lblForgot");
    click("btnForgotCancel");
    EXPECT_EQ(currentPage(), "tsSecureLogin");
}

TEST_F(LoginTest, ChangingTheLoginFromSettings)
{
    loginToSettings();
    EXPECT_EQ(currentPage(), "tsSettings");

    clickImage("imUpdateLogin", "imUpdateLogin_up");
    EXPECT_EQ(currentPage(), "tsLogin");
    EXPECT_TRUE(child("btnLoginCancel")->isVisible());
    EXPECT_TRUE(child("imProtected")->isVisible());
    EXPECT_FALSE(child("imNotProtected")->isVisible());
    EXPECT_EQ(child<QLineEdit>("edLoginUser")->text(), "Ann");
    EXPECT_EQ(child<QComboBox>("cbHint")->currentText(), "Q?");
    // The tab buttons stay usable: leaving for another page saves nothing.
    EXPECT_TRUE(tabsEnabled());
    type("edLoginUser", "Bob");
    clickImage("imover_blue", "imover_orange");
    EXPECT_EQ(currentPage(), "tsOverview");
    EXPECT_EQ(text("SELECT User FROM User"), "Ann");

    clickImage("imset_blue", "imset_orange");
    clickImage("imUpdateLogin", "imUpdateLogin_up");
    type("edLoginUser", "Bob");
    click("btnLoginCancel");
    EXPECT_EQ(currentPage(), "tsSettings");
    EXPECT_EQ(text("SELECT User FROM User"), "Ann");

    clickImage("imUpdateLogin", "imUpdateLogin_up");
    type("edLoginUser", "Bob");
    click("btnLoginOK");
    EXPECT_EQ(messages->last(), "Login successfully updated.");
    EXPECT_EQ(currentPage(), "tsSettings");
    EXPECT_EQ(text("SELECT User || Password FROM User"), "Bobpw");
    EXPECT_EQ(count("SELECT count(*) FROM User"), 1);
}

TEST_F(LoginTest, RemovingTheLoginLeavesTheProgramUnprotected)
{
    loginToSettings();
    clickImage("imUpdateLogin", "imUpdateLogin_up");
    child<QWidget>("cbLogin_continue")->setProperty("checked", true);
    click("btnLoginOK");
    EXPECT_EQ(messages->last(), "Login successfully updated.");
    EXPECT_EQ(text("SELECT User || Password || HintQuestion1 || HintAnswer1 FROM User"), "");

    restart();
    EXPECT_EQ(currentPage(), "tsLogin");
    EXPECT_TRUE(child("imNotProtected")->isVisible());
}

} // namespace

namespace {

TEST_F(LoginTest, EnterInAFieldLogsInAndEscGivesUpAChangeOfTheLogin)
{
    storeLogin("Ann", "pw", "Q?", "A");
    start();
    type("edLoginUser1", "Ann");
    type("edLoginPassword1", "pw");
    QTest::keyClick(child("edLoginPassword1"), Qt::Key_Return);
    EXPECT_EQ(main->LoginState(), "In");
    EXPECT_EQ(currentPage(), "tsOverview");

    clickImage("imset_blue", "imset_orange");
    clickImage("imUpdateLogin", "imUpdateLogin_up");
    ASSERT_EQ(currentPage(), "tsLogin");
    type("edLoginUser", "Someone");
    QTest::keyClick(child("edLoginUser"), Qt::Key_Escape);
    EXPECT_EQ(currentPage(), "tsSettings");
    EXPECT_EQ(text("SELECT User FROM User"), "Ann");

    // Without a Cancel shown (a first login), Esc leaves the page as it is.
    restart();
    EXPECT_EQ(currentPage(), "tsSecureLogin");
    QTest::keyClick(child("edLoginUser1"), Qt::Key_Escape);
    EXPECT_EQ(currentPage(), "tsSecureLogin");
    EXPECT_EQ(main->LoginState(), "");
}

} // namespace
