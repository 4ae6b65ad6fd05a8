#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "base/whole_file.h"
#include "data/engine/engine_error.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "fixture.h"
#include "support/crafted_files.h"
#include "support/full_statement.h"
#include "support/older_files.h"
#include "support/temp_database.h"

namespace {

// The empty file the delivering tool of version 1 wrote, kept as it was delivered.
void deliveredVersion1Template(const QString &path)
{
    QFile packed(QStringLiteral(WORTHSHEET_DATA_TESTS_DIR "/files/delivered-version-1.ABS.qz"));
    ASSERT_TRUE(packed.open(QIODevice::ReadOnly));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::NewOnly | QIODevice::WriteOnly));
    out.write(qUncompress(packed.readAll()));
}

void withoutVersion(const QString &path)
{
    deliveredVersion1Template(path);
    SQLite::Database(path.toStdString(), SQLite::OPEN_READWRITE).exec("PRAGMA user_version = 0");
}

// Statements written by the current program, then carried into a file of version 1.
void asVersion1(const QString &path, const std::function<void(const QString &current)> &write)
{
    QTemporaryDir dir;
    const QString current = dir.filePath("current.ABS");
    write(current);
    writeVersion1Copy(current, path);
}

void generatedFixture(const QString &path)
{
    asVersion1(path, [](const QString &current) {
        QString error;
        ASSERT_TRUE(writeFixture(current, FixtureMinimumStatements + 3, &error, true)) << error.toStdString();
    });
}

void everyTableFilled(const QString &path)
{
    asVersion1(path, [](const QString &current) {
        ASSERT_TRUE(createDatabaseFile(current));
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(current);
        dm.db1.SetConnected(true);
        dm.OpenTables();
        writeFullStatement(dm, 3);
        writeFullStatement(dm, 2, QStringLiteral("Vale"));
        dm.tblUser.Append();
        dm.tblUser.FieldByName(QStringLiteral("User")).SetAsString(QStringLiteral("ada"));
        dm.tblUser.FieldByName(QStringLiteral("Password")).SetAsString(QStringLiteral("secret"));
        dm.tblUser.Post();
    });
}

struct OlderFile
{
    const char *name;
    void (*make)(const QString &path);
};

const OlderFile OlderFiles[] = {
    {"DeliveredTemplate", deliveredVersion1Template},
    {"DeliveredWithoutAVersion", withoutVersion},
    {"GeneratedFixture", generatedFixture},
    {"EveryTableFilled", everyTableFilled},
};

QString newFileSchema()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("new.ABS");
    EXPECT_TRUE(createDatabaseFile(path));
    return schemaText(path);
}

// Each report of the copy kept aside before the step: bytes copied, bytes in all.
using Progress = std::vector<std::pair<qint64, qint64>>;

void connectAndClose(const QString &path, Progress *progress = nullptr)
{
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(path);
    if (progress)
        dm.db1.SetUpgradeProgress([progress](qint64 copied, qint64 total) { progress->push_back({copied, total}); });
    dm.db1.SetConnected(true);
    dm.OpenTables();
    dm.CloseTables();
    dm.db1.Close();
}

qint64 userVersion(const QString &path)
{
    return SQLite::Database(path.toStdString(), SQLite::OPEN_READONLY).execAndGet("PRAGMA user_version").getInt64();
}

QString integrity(const QString &path)
{
    return QString::fromStdString(
        SQLite::Database(path.toStdString(), SQLite::OPEN_READONLY).execAndGet("PRAGMA integrity_check").getString());
}

TEST(FileVersion, AVersion1FileOfEveryKindIsBroughtToVersion2OnceKeepingEveryValue)
{
    const QString current = newFileSchema();
    for (const OlderFile &kind : OlderFiles) {
        SCOPED_TRACE(kind.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("wks.ABS");
        kind.make(path);
        ASSERT_EQ(Database::versionOf(int(userVersion(path))), 1);
        const QString before = version1Dump(path);
        // What restore and merge take: a file of version 1 is a statement database.
        EXPECT_EQ(checkStatementDatabase(path), "");

        const qint64 size = QFileInfo(path).size();
        Progress progress;
        ASSERT_NO_THROW(connectAndClose(path, &progress));
        // The copy's progress rises to the whole file, in steps of no more than a chunk.
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(progress.back(), std::make_pair(size, size));
        for (size_t i = 0; i < progress.size(); ++i) {
            EXPECT_EQ(progress[i].second, size);
            EXPECT_GT(progress[i].first, i ? progress[i - 1].first : 0);
            EXPECT_LE(progress[i].first - (i ? progress[i - 1].first : 0), 1 << 20);
        }
        EXPECT_EQ(userVersion(path), Database::UserVersion);
        EXPECT_EQ(schemaText(path).toStdString(), current.toStdString()) << "a migrated file has the schema of a new one";
        EXPECT_EQ(version1Dump(path).toStdString(), before.toStdString());
        EXPECT_EQ(filledNewFields(path).toStdString(), "");
        EXPECT_EQ(integrity(path).toStdString(), "ok");
        EXPECT_FALSE(QFileInfo::exists(path + Database::UpgradeCopySuffix)) << "the copy goes once the step is done";
        EXPECT_FALSE(QFileInfo::exists(path + "-journal"));

        // The step runs once: connecting again writes nothing.
        const QByteArray migrated = fileDigest(path);
        progress.clear();
        ASSERT_NO_THROW(connectAndClose(path, &progress));
        EXPECT_EQ(fileDigest(path), migrated);
        EXPECT_TRUE(progress.empty()) << "no copy is kept aside for a file up to date";
    }
}

TEST(FileVersion, ALaterVersionOrAFileUnlikeItsVersionIsRefusedUntouched)
{
    struct Case
    {
        const char *name;
        void (*make)(const QString &path);
    };
    const Case cases[] = {
        {"Version3", [](const QString &path) {
             ASSERT_TRUE(createDatabaseFile(path));
             fillOneStatement(path);
             SQLite::Database(path.toStdString(), SQLite::OPEN_READWRITE).exec("PRAGMA user_version = 3");
         }},
        {"Version2TablesCalledVersion1", [](const QString &path) {
             ASSERT_TRUE(createDatabaseFile(path));
             fillOneStatement(path);
             SQLite::Database(path.toStdString(), SQLite::OPEN_READWRITE).exec("PRAGMA user_version = 1");
         }},
        {"Version1TablesCalledVersion2", [](const QString &path) {
             writeVersion1File(path);
             fillOneStatement(path);
             SQLite::Database(path.toStdString(), SQLite::OPEN_READWRITE).exec("PRAGMA user_version = 2");
         }},
        {"Version1HalfWayToVersion2", [](const QString &path) {
             writeVersion1File(path);
             fillOneStatement(path);
             SQLite::Database(path.toStdString(), SQLite::OPEN_READWRITE)
                 .exec("ALTER TABLE \"Bank\" ADD COLUMN \"BankAddress\" TEXT NOT NULL DEFAULT ''");
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("wks.ABS");
        c.make(path);
        const QDateTime past = QDateTime::currentDateTimeUtc().addDays(-3);
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(past, QFileDevice::FileModificationTime));
        }
        const QByteArray before = fileDigest(path);
        const QStringList entries = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);

        EXPECT_THROW(connectAndClose(path), EngineError);
        EXPECT_FALSE(checkStatementDatabase(path).isEmpty());
        EXPECT_EQ(fileDigest(path), before);
        EXPECT_EQ(QFileInfo(path).lastModified().toUTC(), past);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), entries) << "nothing is made beside it";
    }
}

// A kill at the n-th write, sync, truncation or deletion of a file, whoever does it: SQLite
// or the routine that copies the file aside.
int countdown = 0;

void tick()
{
    if (countdown > 0 && --countdown == 0)
        ::kill(::getpid(), SIGKILL);
}

sqlite3_vfs *realVfs = nullptr;
sqlite3_io_methods countingMethods;

struct CountingFile
{
    sqlite3_file base;
    sqlite3_file *real;
};

sqlite3_file *realOf(sqlite3_file *file)
{
    return reinterpret_cast<CountingFile *>(file)->real;
}

int countingOpen(sqlite3_vfs *, const char *name, sqlite3_file *file, int flags, int *outFlags)
{
    auto *counting = reinterpret_cast<CountingFile *>(file);
    counting->real = reinterpret_cast<sqlite3_file *>(counting + 1);
    counting->base.pMethods = nullptr;
    const int rc = realVfs->xOpen(realVfs, name, counting->real, flags, outFlags);
    if (counting->real->pMethods)
        counting->base.pMethods = &countingMethods;
    return rc;
}

void installCountingVfs()
{
    static sqlite3_vfs counting;
    realVfs = sqlite3_vfs_find(nullptr);
    counting = *realVfs;
    counting.zName = "counting";
    counting.szOsFile = int(sizeof(CountingFile)) + realVfs->szOsFile;
    counting.xOpen = countingOpen;
    counting.xDelete = [](sqlite3_vfs *, const char *name, int syncDir) {
        tick();
        return realVfs->xDelete(realVfs, name, syncDir);
    };
    countingMethods = {};
    countingMethods.iVersion = 1;
    countingMethods.xClose = [](sqlite3_file *f) { return realOf(f)->pMethods->xClose(realOf(f)); };
    countingMethods.xRead = [](sqlite3_file *f, void *data, int amount, sqlite3_int64 offset) {
        return realOf(f)->pMethods->xRead(realOf(f), data, amount, offset);
    };
    countingMethods.xWrite = [](sqlite3_file *f, const void *data, int amount, sqlite3_int64 offset) {
        tick();
        return realOf(f)->pMethods->xWrite(realOf(f), data, amount, offset);
    };
    countingMethods.xTruncate = [](sqlite3_file *f, sqlite3_int64 size) {
        tick();
        return realOf(f)->pMethods->xTruncate(realOf(f), size);
    };
    countingMethods.xSync = [](sqlite3_file *f, int flags) {
        tick();
        return realOf(f)->pMethods->xSync(realOf(f), flags);
    };
    countingMethods.xFileSize = [](sqlite3_file *f, sqlite3_int64 *size) {
        return realOf(f)->pMethods->xFileSize(realOf(f), size);
    };
    countingMethods.xLock = [](sqlite3_file *f, int lock) { return realOf(f)->pMethods->xLock(realOf(f), lock); };
    countingMethods.xUnlock = [](sqlite3_file *f, int lock) { return realOf(f)->pMethods->xUnlock(realOf(f), lock); };
    countingMethods.xCheckReservedLock = [](sqlite3_file *f, int *out) {
        return realOf(f)->pMethods->xCheckReservedLock(realOf(f), out);
    };
    countingMethods.xFileControl = [](sqlite3_file *f, int op, void *arg) {
        return realOf(f)->pMethods->xFileControl(realOf(f), op, arg);
    };
    countingMethods.xSectorSize = [](sqlite3_file *f) { return realOf(f)->pMethods->xSectorSize(realOf(f)); };
    countingMethods.xDeviceCharacteristics = [](sqlite3_file *f) {
        return realOf(f)->pMethods->xDeviceCharacteristics(realOf(f));
    };
    sqlite3_vfs_register(&counting, 1);
}

// Runs the migration in a child process killed at its n-th file operation; true when it
// was killed, false when it ended on its own first.
bool migrateKilledAt(const QString &path, int operation)
{
    const pid_t child = ::fork();
    if (child == 0) {
        installCountingVfs();
        ScopedFileSystemCalls calls({[](int descriptor) {
                                         tick();
                                         return ::fsync(descriptor) == 0;
                                     },
                                     {}});
        countdown = operation;
        try {
            connectAndClose(path);
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) << "at " << operation;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// A kill at any moment leaves the file of version 1 and whole, the interrupted step played
// back, or of version 2 and whole; the next start then brings it to version 2.
TEST(FileVersion, AKillAtAnyMomentOfTheStepLeavesVersion1WholeOrVersion2Whole)
{
    QTemporaryDir dir;
    const QString pristine = dir.filePath("pristine.ABS");
    everyTableFilled(pristine);
    const QString before = version1Dump(pristine);
    const QString schemas[] = {schemaText(pristine), newFileSchema()};
    int killed = 0;
    bool sawVersion1 = false, sawVersion2 = false;
    for (int operation = 1;; ++operation) {
        ASSERT_LT(operation, 500) << "the step never ended on its own";
        SCOPED_TRACE(operation);
        QTemporaryDir work;
        const QString path = work.filePath("wks.ABS");
        ASSERT_TRUE(QFile::copy(pristine, path));
        if (!migrateKilledAt(path, operation))
            break;
        ++killed;

        // What lies on the disk, with SQLite's own playback of a journal, in a place of its own.
        QTemporaryDir look;
        const QString seen = look.filePath("wks.ABS");
        ASSERT_TRUE(QFile::copy(path, seen));
        if (QFileInfo::exists(path + "-journal"))
            ASSERT_TRUE(QFile::copy(path + "-journal", seen + "-journal"));
        SQLite::Database(seen.toStdString(), SQLite::OPEN_READWRITE).exec("SELECT COUNT(*) FROM sqlite_master");
        const int version = Database::versionOf(int(userVersion(seen)));
        ASSERT_TRUE(version == 1 || version == 2) << version;
        (version == 1 ? sawVersion1 : sawVersion2) = true;
        EXPECT_EQ(schemaText(seen).toStdString(), schemas[version - 1].toStdString());
        EXPECT_EQ(integrity(seen).toStdString(), "ok");
        EXPECT_EQ(version1Dump(seen).toStdString(), before.toStdString());

        // The program itself takes it from there to version 2.
        ASSERT_NO_THROW(connectAndClose(path));
        EXPECT_EQ(schemaText(path).toStdString(), schemas[1].toStdString());
        EXPECT_EQ(version1Dump(path).toStdString(), before.toStdString());
        EXPECT_EQ(filledNewFields(path).toStdString(), "");
    }
    EXPECT_GT(killed, 5);
    EXPECT_TRUE(sawVersion1);
    EXPECT_TRUE(sawVersion2);
}

} // namespace
