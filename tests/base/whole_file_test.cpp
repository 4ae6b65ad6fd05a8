// The one routine that writes a file: whole or not at all, private from the start, on the
// disk before it takes its name.
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "base/whole_file.h"
#include "support/file_mode.h"

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool writeNew(QFile &file, QString *)
{
    return file.write("new") == 3;
}

TEST(WholeFile, IsPrivateAndOnTheDiskBeforeItTakesItsName)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("out.txt");
    // Each sync notes whether target was already there and what mode the written file had.
    std::vector<bool> targetThere;
    int modeWhileWritten = 0;
    {
        ScopedFileSystemCalls watched({.sync = [&](int) {
                                           targetThere.push_back(QFileInfo::exists(target));
                                           return true;
                                       },
                                       .bytesAvailable = {}});
        // A mask that takes nothing away: privacy must not depend on the user's mask.
        const ScopedUmask open(0);
        ASSERT_TRUE(writeFileWhole(target, [&](QFile &file, QString *why) {
            modeWhileWritten = fileMode(file.fileName());
            return writeNew(file, why);
        }));
    }
    EXPECT_EQ(targetThere, (std::vector<bool>{false, true})) << "the file is synced, renamed, then its folder";
    EXPECT_EQ(modeWhileWritten, 0600);
    EXPECT_EQ(fileMode(target), 0600);
    EXPECT_EQ(bytesOf(target), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.txt"});
}

// A failure at every step: the old file stays as it was (or, once renamed, the failure is
// still reported) and no temporary file is left.
TEST(WholeFile, AFailureAtAnyStepIsReportedAndLeavesNothingBehind)
{
    struct Case
    {
        const char *name;
        int failingSync; // 1: the file's, 2: the folder's; 0: none
        bool fillFails;
        bool finishRefuses;
        QByteArray left; // at target afterwards
    };
    const Case cases[] = {
        {"the writer fails", 0, true, false, "old"},
        {"the file does not reach the disk", 1, false, false, "old"},
        {"the complete file is refused", 0, false, true, "old"},
        {"the folder does not reach the disk", 2, false, false, "new"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString target = dir.filePath("out.txt");
        writeBytes(target, "old");
        int syncs = 0;
        ScopedFileSystemCalls disk({.sync = [&](int) { return ++syncs != c.failingSync; }, .bytesAvailable = {}});
        QString error;
        const bool written = writeFileWhole(
            target,
            [&](QFile &file, QString *why) {
                if (c.fillFails) {
                    *why = QStringLiteral("no more data");
                    return false;
                }
                return writeNew(file, why);
            },
            &error, AtTarget::Replace,
            [&](QFile &) { return c.finishRefuses ? QStringLiteral("not a database") : QString(); });
        EXPECT_FALSE(written);
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(bytesOf(target), c.left);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.txt"});
    }
}

TEST(WholeFile, KeepsAFileThatIsThereWhenAskedTo)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("mine.txt");
    writeBytes(target, "mine");
    QString error;
    EXPECT_FALSE(writeFileWhole(target, writeNew, &error, AtTarget::Keep));
    EXPECT_TRUE(error.contains("already exists")) << error.toStdString();
    EXPECT_EQ(bytesOf(target), "mine");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"mine.txt"});

    const QString fresh = dir.filePath("fresh.txt");
    EXPECT_TRUE(writeFileWhole(fresh, writeNew, &error, AtTarget::Keep)) << error.toStdString();
    EXPECT_EQ(bytesOf(fresh), "new");
}

} // namespace
