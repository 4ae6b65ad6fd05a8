// The one copy of the database file: whole or not at all.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/engine/file_copy.h"
#include "support/child_process.h"
#include "support/file_mode.h"

namespace {

class FileCopyTest : public ::testing::Test
{
protected:
    QStringList entries(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QTemporaryDir target;
};

TEST_F(FileCopyTest, CopiesEveryByteOfALargeFileAndLeavesOnlyTheCopy)
{
    QByteArray bytes(3 * 1024 * 1024 + 17, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i % 253);
    writeFile(path("source"), bytes);
    QString error;
    ASSERT_TRUE(copyFileReplacing(path("source"), target.filePath("wks.ABS"), &error)) << error.toStdString();
    EXPECT_TRUE(fileBytes(target.filePath("wks.ABS")) == bytes);
    EXPECT_EQ(entries(target.path()), QStringList({"wks.ABS"}));
    EXPECT_TRUE(fileBytes(path("source")) == bytes);
}

TEST_F(FileCopyTest, ReplacesAnExistingFileAndKeepsItsPermissions)
{
    writeFile(path("source"), "new contents");
    const QString copy = target.filePath("wks.ABS");
    writeFile(copy, "old contents that were longer");
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(copy, permissions));
    ASSERT_TRUE(copyFileReplacing(path("source"), copy));
    EXPECT_EQ(fileBytes(copy), "new contents");
    // Owner, group and others; the user bits merely repeat the owner's for the caller.
    EXPECT_EQ(int(QFile::permissions(copy) & 0x7077), int(permissions & 0x7077));
    EXPECT_EQ(entries(target.path()), QStringList({"wks.ABS"}));
}

TEST_F(FileCopyTest, ACopyIsPrivateWhileItIsWrittenAndAfterAndNeverGrantsMoreThanItsSource)
{
    ScopedUmask userMask(022);
    writeFile(path("source"), "statement");
    ASSERT_EQ(fileMode(path("source")), 0644);
    int modeWhileWritten = -1;
    ASSERT_TRUE(copyFileReplacing(path("source"), target.filePath("new"), nullptr, [&](const QString &copy) {
        modeWhileWritten = fileMode(copy);
        return QString();
    }));
    EXPECT_EQ(modeWhileWritten, 0600);
    EXPECT_EQ(fileMode(target.filePath("new")), 0600);

    // Replacing a file others could read with a private source leaves it private.
    writeFile(target.filePath("open"), "old");
    ASSERT_EQ(fileMode(target.filePath("open")), 0644);
    ASSERT_TRUE(QFile::setPermissions(path("source"), QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(copyFileReplacing(path("source"), target.filePath("open")));
    EXPECT_EQ(fileMode(target.filePath("open")), 0600);
}

TEST_F(FileCopyTest, FoldersMadeForADatabaseAreOpenToTheirOwnerOnly)
{
    ScopedUmask userMask(022);
    ASSERT_TRUE(makePrivateFolders(path("a/b/c")));
    for (const char *folder : {"a", "a/b", "a/b/c"})
        EXPECT_EQ(fileMode(path(folder)), 0700) << folder;
    // A folder that exists is left as it is.
    ASSERT_TRUE(QDir(dir.path()).mkdir("open"));
    ASSERT_TRUE(makePrivateFolders(path("open")));
    EXPECT_EQ(fileMode(path("open")), 0755);
}

TEST_F(FileCopyTest, ACopyWhoseSyncFailsIsAFailureAndLeavesNoFileBehind)
{
    writeFile(path("source"), "new contents");
    const QString copy = target.filePath("wks.ABS");
    QString error;
    {
        ScopedFileSystemCalls failingDisk({.sync = [](int) { return false; }, .bytesAvailable = {}});
        EXPECT_FALSE(copyFileReplacing(path("source"), copy, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(entries(target.path()).isEmpty());

        writeFile(copy, "kept");
        EXPECT_FALSE(copyFileReplacing(path("source"), copy, &error));
        EXPECT_EQ(fileBytes(copy), "kept");
        EXPECT_EQ(entries(target.path()), QStringList({"wks.ABS"}));
    }
    // The file's own sync succeeds, the folder's does not: the rename may not last, and
    // the copy is no success.
    int syncs = 0;
    ScopedFileSystemCalls folderFails({.sync = [&](int) { return ++syncs == 1; }, .bytesAvailable = {}});
    EXPECT_FALSE(copyFileReplacing(path("source"), copy, &error));
    EXPECT_EQ(syncs, 2);
    EXPECT_TRUE(error.contains("did not confirm")) << error.toStdString();
}

TEST_F(FileCopyTest, AFolderWithoutRoomIsRefusedBeforeAByteIsWritten)
{
    writeFile(path("source"), QByteArray(4096, 'x'));
    ScopedFileSystemCalls fullDisk({.sync = {}, .bytesAvailable = [](const QString &) -> qint64 { return 4095; }});
    QString error;
    EXPECT_FALSE(copyFileReplacing(path("source"), target.filePath("wks.ABS"), &error));
    EXPECT_TRUE(error.startsWith("There is not enough room")) << error.toStdString();
    EXPECT_TRUE(entries(target.path()).isEmpty());
}

TEST_F(FileCopyTest, AMissingSourceOrFolderFailsWithAReasonAndChangesNothing)
{
    const QString copy = target.filePath("wks.ABS");
    writeFile(copy, "kept");
    QString error;
    EXPECT_FALSE(copyFileReplacing(path("absent"), copy, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(copyFileReplacing({}, copy, &error));
    EXPECT_EQ(fileBytes(copy), "kept");

    writeFile(path("source"), "bytes");
    error.clear();
    EXPECT_FALSE(copyFileReplacing(path("source"), target.filePath("missing/wks.ABS"), &error));
    EXPECT_TRUE(error.contains("missing")) << error.toStdString();
    EXPECT_FALSE(copyFileReplacing(path("source"), {}, &error));
    EXPECT_EQ(entries(target.path()), QStringList({"wks.ABS"}));
    // A folder as the source is no file to copy.
    EXPECT_FALSE(copyFileReplacing(target.path(), path("copy")));
    EXPECT_FALSE(QFileInfo::exists(path("copy")));
}

TEST_F(FileCopyTest, AFolderTheUserCannotWriteFailsAndStaysEmpty)
{
    writeFile(path("source"), "bytes");
    ASSERT_TRUE(QFile::setPermissions(path("source"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QDir(dir.path()).mkdir("locked");
    const QString locked = path("locked");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    // As root every folder can be written; the copy runs as an unprivileged user then.
    const int status = runUnprivileged(locked, [&] {
        if (!QFile(path("source")).open(QIODevice::ReadOnly))
            return 3;
        QString error;
        const bool copied = copyFileReplacing(path("source"), QDir(locked).filePath("wks.ABS"), &error);
        return copied ? 1 : (error.isEmpty() ? 2 : 0);
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(entries(locked).isEmpty());
}

} // namespace
