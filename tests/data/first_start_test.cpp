// The first start: the user's private data folder and the copy of the empty database.
#include <sys/stat.h>

#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "base/whole_file.h"
#include <SQLiteCpp/SQLiteCpp.h>

#include "data/first_start.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "support/scoped_environment.h"

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & 07777;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Sets the process's file creation mask for one scope.
class ScopedUmask
{
public:
    explicit ScopedUmask(mode_t mask) : m_previous(::umask(mask)) {}
    ~ScopedUmask() { ::umask(m_previous); }

private:
    mode_t m_previous;
};

// A package's template (world-readable, as installed) in a temporary root, and a user whose
// data home does not exist yet.
class FirstStartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(createDatabaseFile(templatePath));
        ASSERT_TRUE(QFile::setPermissions(templatePath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                            | QFile::ReadOther));
        dataHome = std::make_unique<ScopedEnvironment>("XDG_DATA_HOME", dataHomePath.toUtf8());
        target = Tdm1::DatabaseFileCandidates().first();
    }

    QTemporaryDir root;
    const QString templatePath = root.path() + QStringLiteral("/usr/share/worthsheet/wks.ABS");
    const QString homePath = root.path() + QStringLiteral("/home");
    const QString dataHomePath = homePath + QStringLiteral("/.local/share");
    std::unique_ptr<ScopedEnvironment> dataHome;
    QString target;
};

TEST_F(FirstStartTest, CopiesTheTemplateIntoNewPrivateFoldersWhateverTheMask)
{
    QString error;
    QString found;
    {
        // A mask that takes nothing away: privacy must not depend on the user's mask.
        ScopedUmask open(0);
        found = provideDatabaseFile({templatePath}, &error);
    }
    ASSERT_EQ(found, target) << error.toStdString();
    EXPECT_EQ(Tdm1::LocateDatabaseFile(), target);
    EXPECT_EQ(bytesOf(target), bytesOf(templatePath));
    EXPECT_EQ(modeOf(target), 0600u);
    for (const QString &folder : {homePath, homePath + "/.local", dataHomePath, dataHomePath + "/Norvale",
                                  dataHomePath + "/Norvale/Worthsheet 2010", QFileInfo(target).path()})
        EXPECT_EQ(modeOf(folder), 0700u) << folder.toStdString();
    // Nothing but the database is left in its folder.
    EXPECT_EQ(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{"wks.ABS"});
}

TEST_F(FirstStartTest, TheCopyReachesTheDiskBeforeItTakesTheDatabasesName)
{
    // Each sync notes whether the database's name was taken then.
    std::vector<bool> targetThere;
    {
        ScopedFileSystemCalls watched({.sync = [&](int) {
                                           targetThere.push_back(QFileInfo::exists(target));
                                           return true;
                                       },
                                       .bytesAvailable = {}});
        ASSERT_EQ(provideDatabaseFile({templatePath}), target);
    }
    EXPECT_EQ(targetThere, (std::vector<bool>{false, true})) << "the copy is synced, renamed, then its folder";

    // A disk that does not write the copy through: nothing takes the name, nothing is left.
    ASSERT_TRUE(QFile::remove(target));
    QString error;
    {
        ScopedFileSystemCalls failing({.sync = [](int) { return false; }, .bytesAvailable = {}});
        EXPECT_EQ(provideDatabaseFile({templatePath}, &error), QString());
    }
    EXPECT_TRUE(error.contains(target)) << error.toStdString();
    EXPECT_TRUE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(CreateDatabaseFile, IsPrivateAndLeavesNothingWhenTheDiskDoesNotConfirmIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("new/wks.ABS");
    {
        ScopedFileSystemCalls failing({.sync = [](int) { return false; }, .bytesAvailable = {}});
        QString error;
        EXPECT_FALSE(createDatabaseFile(path, &error));
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
    }
    EXPECT_TRUE(QDir(dir.filePath("new")).entryList(QDir::Files | QDir::Hidden).isEmpty());

    QString error;
    ASSERT_TRUE(createDatabaseFile(path, &error)) << error.toStdString();
    EXPECT_EQ(modeOf(path), 0600u);
    EXPECT_EQ(checkStatementDatabase(path), QString());
    EXPECT_EQ(QDir(dir.filePath("new")).entryList(QDir::Files | QDir::Hidden), QStringList{"wks.ABS"});
    EXPECT_FALSE(createDatabaseFile(path, &error)) << "an existing file is never replaced";
}

TEST_F(FirstStartTest, LeavesFoldersAndFilesThatExistAsTheyAre)
{
    ASSERT_TRUE(QDir().mkpath(dataHomePath));
    const QFile::Permissions shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dataHomePath, shared));

    ASSERT_EQ(provideDatabaseFile({templatePath}), target);
    EXPECT_EQ(modeOf(dataHomePath), 0755u);
    EXPECT_EQ(modeOf(dataHomePath + "/Norvale"), 0700u);

    // The user's own file, with statements in it, is never replaced by the empty one.
    QFile::remove(target);
    writeBytes(target, "the user's statements");
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    EXPECT_EQ(provideDatabaseFile({templatePath}), target);
    EXPECT_EQ(bytesOf(target), "the user's statements");
    EXPECT_EQ(modeOf(target), 0640u);
}

TEST_F(FirstStartTest, TakesTheFirstTemplateThatIsACompleteDatabase)
{
    const QString damaged = root.path() + "/damaged/wks.ABS";
    writeBytes(damaged, "not a database at all");
    // A usable template after it, told apart by a statement it holds.
    const QString later = root.path() + "/later/wks.ABS";
    ASSERT_TRUE(QDir().mkpath(root.path() + "/later"));
    ASSERT_TRUE(createDatabaseFile(later));
    {
        SQLite::Database file(later.toStdString(), SQLite::OPEN_READWRITE);
        file.exec("INSERT INTO Client (LastName) VALUES ('Later')");
    }
    ASSERT_NE(bytesOf(later), bytesOf(templatePath));
    QString error;
    ASSERT_EQ(provideDatabaseFile({root.path() + "/missing/wks.ABS", damaged, templatePath, later}, &error), target)
        << error.toStdString();
    EXPECT_EQ(bytesOf(target), bytesOf(templatePath));
}

TEST_F(FirstStartTest, WithoutAUsableTemplateCreatesNothingAndSaysWhy)
{
    const QString damaged = root.path() + "/damaged/wks.ABS";
    writeBytes(damaged, "not a database at all");
    QString error;
    EXPECT_EQ(provideDatabaseFile({root.path() + "/missing/wks.ABS", damaged}, &error), QString());
    EXPECT_TRUE(error.contains(damaged)) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(homePath));

    EXPECT_EQ(provideDatabaseFile({}, &error), QString());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(homePath));
}

TEST_F(FirstStartTest, AFileWhereAFolderBelongsIsReportedAndKept)
{
    writeBytes(dataHomePath + "/Norvale", "a file, not a folder");
    QString error;
    EXPECT_EQ(provideDatabaseFile({templatePath}, &error), QString());
    EXPECT_TRUE(error.contains("is not a folder")) << error.toStdString();
    EXPECT_EQ(bytesOf(dataHomePath + "/Norvale"), "a file, not a folder");
}

TEST(DatabaseTemplate, IsLookedForInTheShareFolderBesideTheProgramThenInsideIt)
{
    EXPECT_EQ(databaseTemplateCandidates("/tmp/root/usr/bin"),
              (QStringList{"/tmp/root/usr/share/worthsheet/wks.ABS", "/tmp/root/usr/bin/share/worthsheet/wks.ABS"}));
}

} // namespace
