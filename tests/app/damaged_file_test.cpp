// A file that the full check finds damaged: the user is told at the start, nothing is
// written to the file from then on whatever the user does, and what can be read is still
// backed up. A whole file starts as before.
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/connect_database.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "maintenance_fixture.h"
#include "support/crafted_files.h"

namespace {

struct StartCase
{
    const char *name;
    void (*make)(const QString &path);
    bool damaged;
};

void PrintTo(const StartCase &start, std::ostream *out)
{
    *out << start.name;
}

void wholeFile(const QString &path)
{
    ASSERT_TRUE(createDatabaseFile(path));
    fillOneStatement(path);
}

class StartOnACheckedFile : public MaintenanceWindowTest, public ::testing::WithParamInterface<StartCase>
{
protected:
    void SetUp() override
    {
        MaintenanceWindowTest::SetUp();
        QFile::remove(databasePath);
        GetParam().make(databasePath);
        // A row of no statement, which the start-up purge of a whole file deletes.
        exec("INSERT INTO Cash (ClientId, Balance) VALUES ('', 5)");
    }

    void pressIn(QWidget *window, const char *button)
    {
        auto *found = window ? window->findChild<QPushButton *>(button) : nullptr;
        ASSERT_TRUE(found) << button;
        QTest::mouseClick(found, Qt::LeftButton);
    }

    QTemporaryDir backupFolder;
};

TEST_P(StartOnACheckedFile, TellsOfDamageFirstAndWritesNothingAfterIt)
{
    const bool damaged = GetParam().damaged;
    const QByteArray before = fileBytes(databasePath);
    startOnSettings();
    const QString refusal = "The database file is damaged, so nothing more is written to it: " + databasePath;
    EXPECT_EQ(messages->texts(), damaged ? QStringList({damagedFileText(databasePath)}) : QStringList());
    EXPECT_EQ(count("SELECT count(*) FROM Cash WHERE ClientId = ''"), damaged ? 1 : 0);
    messages->clear();

    // A new login is refused with the reason, and the page stays as typed.
    clickImage("imUpdateLogin", "imUpdateLogin_up");
    type("edLoginUser", "Ann");
    type("edLoginPassword", "pw");
    child<QComboBox>("cbHint")->setEditText("Q?");
    type("edAnswer", "A");
    click("btnLoginOK");
    EXPECT_EQ(messages->texts(), QStringList({damaged ? refusal : "Login successfully updated."}));
    EXPECT_EQ(currentPage(), damaged ? "tsLogin" : "tsSettings");
    messages->clear();

    // A section window with nothing typed is still left by its Close.
    clickImage("imfs_blue", "imfs_orange");
    ASSERT_EQ(currentPage(), "tsFinancialStatement");
    click("lblCash");
    ASSERT_TRUE(lastOpened && QTest::qWaitForWindowExposed(lastOpened));
    ASSERT_STREQ(lastOpened->metaObject()->className(), "TfrmCash");
    pressIn(lastOpened, "btnClose");
    EXPECT_TRUE(QTest::qWaitFor([this] { return main->isVisible(); }, 2000));
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();

    // What can be read is backed up as it is.
    clickImage("imset_blue", "imset_orange");
    openFromSettings("imBackup");
    typeFolder(backupFolder.path());
    press("btnOK");
    EXPECT_EQ(messages->texts(), QStringList({"Backup Successful."}));
    EXPECT_TRUE(fileBytes(backupFolder.filePath("wks.ABS")) == fileBytes(databasePath));
    press("btnClose");
    ASSERT_TRUE(waitForProgramEnd());
    main.reset();
    EXPECT_EQ(fileBytes(databasePath) == before, damaged);
}

INSTANTIATE_TEST_SUITE_P(DamagedFile, StartOnACheckedFile,
                         ::testing::Values(StartCase{"Whole", wholeFile, false},
                                           StartCase{"DamagedIndexPage", damagedIndexPage, true},
                                           StartCase{"IndexThatLies", anIndexThatLies, true}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
