// The encrypted statement file through the real main window: encrypted from the Settings
// page with its recovery key shown once, opened at start with its password (which is its
// login) or with the recovery key and a new password, given a new password, and made plain.
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include "app/encryption_page.h"
#include "data/engine/database.h"
#include "data/tdm1.h"
#include "support/app/main_window_fixture.h"
#include "support/file_mode.h"

namespace {

const QByteArray SqliteMagic("SQLite format 3\0", 16);

class EncryptedFileWindowTest : public MainWindowTest
{
protected:
    // A start on an encrypted file stops at its password.
    void startEncrypted()
    {
        if (main) {
            main->close();
            main.reset();
        }
        start(false);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        ASSERT_EQ(currentPage(), "tsEncryption");
        EXPECT_FALSE(child("imset_blue")->isEnabled()) << "nothing is reached before the password";
    }
    void settingsCommand(const char *button)
    {
        clickImage("imset_blue", "imset_orange");
        ASSERT_EQ(currentPage(), "tsSettings");
        ASSERT_TRUE(child(button)->isVisible()) << button;
        click(button);
        ASSERT_EQ(currentPage(), "tsEncryption");
    }
    void newPassword(const QString &password, const QString &again)
    {
        type("edNewEncryptionPassword", password);
        type("edNewEncryptionPasswordAgain", again);
    }
    bool encrypted() { return Database::isEncryptedFile(databasePath); }
};

TEST_F(EncryptedFileWindowTest, EncryptOpenRecoverChangeAndRemoveThroughTheWindows)
{
    exec("INSERT INTO Client (LastName) VALUES ('Okafor')");
    exec("INSERT INTO FSPro (ClientId) SELECT CAST(Id AS TEXT) FROM Client");
    start();
    enterWithoutLogin();

    // Encrypting says first what losing both secrets means; a mistyped repetition encrypts nothing.
    settingsCommand("btnEncrypt");
    EXPECT_TRUE(child<QLabel>("lblEncryptionText")->text().contains(EncryptionPage::LossWarningText));
    newPassword("first secret", "first secreT");
    click("btnEncryptionOK");
    EXPECT_TRUE(messages->last().contains("differ")) << messages->last().toStdString();
    EXPECT_FALSE(encrypted());
    newPassword("first secret", "first secret");
    click("btnEncryptionOK");
    ASSERT_TRUE(encrypted());
    EXPECT_EQ(fileMode(databasePath), 0600);
    const QString shown = child<QLabel>("lblRecoveryKey")->text();
    const QRegularExpression groups(QStringLiteral("^([0-9A-Z]{5}-){3}[0-9A-Z]{5}\n-([0-9A-Z]{5}-){3}[0-9A-Z]{5}$"));
    EXPECT_TRUE(groups.match(shown).hasMatch()) << shown.toStdString();
    click("btnEncryptionOK");
    EXPECT_EQ(currentPage(), "tsSettings");
    EXPECT_TRUE(child<QLabel>("lblRecoveryKey")->text().isEmpty()) << "shown only once";
    EXPECT_FALSE(child("btnEncrypt")->isVisible());
    EXPECT_FALSE(fileBytes(databasePath).contains(SqliteMagic));

    // At the next start the password is the login; the hint question recovers nothing.
    startEncrypted();
    EXPECT_TRUE(child<QLabel>("lblEncryptionText")->text().contains(EncryptionPage::HintRecoversNothingText));
    type("edEncryptionPassword", "first secret ");
    click("btnEncryptionOK");
    EXPECT_EQ(messages->last(), "Wrong password for this statement file.");
    EXPECT_EQ(currentPage(), "tsEncryption");
    type("edEncryptionPassword", "first secret");
    click("btnEncryptionOK");
    EXPECT_EQ(currentPage(), "tsOverview");
    EXPECT_EQ(main->LoginState(), "In");

    // Log Out asks for the password again, with nothing of the statements left open.
    main->lock();
    EXPECT_EQ(currentPage(), "tsEncryption");
    EXPECT_FALSE(main->dm1().db1.Connected());
    EXPECT_FALSE(child("imset_blue")->isEnabled());
    type("edEncryptionPassword", "not it");
    click("btnEncryptionOK");
    EXPECT_EQ(messages->last(), "Wrong password for this statement file.");
    type("edEncryptionPassword", "first secret");
    click("btnEncryptionOK");
    EXPECT_EQ(currentPage(), "tsOverview");
    EXPECT_EQ(main->dm1().tblClient.FieldByName(QStringLiteral("LastName")).AsString(), "Okafor");

    // A new password; the current one is asked first.
    settingsCommand("btnChangeEncryptionPassword");
    type("edEncryptionPassword", "not it");
    newPassword("second secret", "second secret");
    click("btnEncryptionOK");
    EXPECT_EQ(messages->last(), "Wrong password for this statement file.");
    type("edEncryptionPassword", "first secret");
    newPassword("second secret", "second secret");
    click("btnEncryptionOK");
    EXPECT_EQ(currentPage(), "tsSettings");

    // The password lost: the recovery key, typed as people do, opens the file and sets a new one.
    startEncrypted();
    click("lblUseRecoveryKey");
    type("edRecoveryKey", shown.toLower().replace(u'\n', u' '));
    newPassword("third secret", "third secret");
    click("btnEncryptionOK");
    EXPECT_EQ(currentPage(), "tsOverview") << messages->last().toStdString();

    startEncrypted();
    type("edEncryptionPassword", "second secret");
    click("btnEncryptionOK");
    EXPECT_EQ(messages->last(), "Wrong password for this statement file.");
    type("edEncryptionPassword", "third secret");
    click("btnEncryptionOK");
    EXPECT_EQ(currentPage(), "tsOverview");

    // Removing the encryption asks for the password too.
    settingsCommand("btnRemoveEncryption");
    type("edEncryptionPassword", "second secret");
    click("btnEncryptionOK");
    EXPECT_TRUE(encrypted());
    type("edEncryptionPassword", "third secret");
    click("btnEncryptionOK");
    EXPECT_FALSE(encrypted());
    EXPECT_EQ(text("SELECT LastName FROM Client"), "Okafor");
    restart();
    EXPECT_EQ(currentPage(), "tsLogin") << "a plain file has the login it always had";
}

} // namespace
