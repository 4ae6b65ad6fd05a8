// The program's first start in an empty home: the copied database opens and the login
// offers a new user name and password, as on a delivered file.
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include "data/first_start.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "support/app/main_window_fixture.h"

namespace {

class FirstStartWindowTest : public MainWindowTest
{
protected:
    // Unlike the other window tests, no file is delivered: the data home does not exist.
    void SetUp() override
    {
        dataHome = std::make_unique<ScopedEnvironment>("XDG_DATA_HOME", (home.path() + "/new/.local/share").toUtf8());
        databasePath = Tdm1::DatabaseFileCandidates().first();
        messages = std::make_unique<RecordingMessages>();
        ASSERT_TRUE(createDatabaseFile(templatePath));
    }

    const QString templatePath = home.path() + "/usr/share/worthsheet/wks.ABS";
};

TEST_F(FirstStartWindowTest, ACopiedTemplateStartsOnTheNewLoginPageAndOpensTheProgram)
{
    ASSERT_FALSE(QFileInfo::exists(databasePath));
    QString error;
    ASSERT_EQ(provideDatabaseFile({templatePath}, &error), databasePath) << error.toStdString();

    start();
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_EQ(currentPage(), "tsLogin");
    EXPECT_EQ(child<QLabel>("lblLoginUserTitle")->text(), "Enter a NEW Username and Password");
    enterWithoutLogin();
    EXPECT_EQ(currentPage(), "tsOverview");
}

} // namespace
