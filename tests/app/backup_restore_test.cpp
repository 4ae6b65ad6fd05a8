// The backup and restore windows driven as a user does: their layout, the log, the folder
// chooser, the copies both ways, the files a restore refuses and the close rule.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <SQLiteCpp/SQLiteCpp.h>

#include "app/tfrm_restore.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "data/engine/file_copy.h"
#include "maintenance_fixture.h"
#include "support/crafted_files.h"
#include "support/file_mode.h"
#include "support/older_files.h"

namespace {

const QString RestoreFailure = "There was an error restoring the backup files.\n\rHINT:  Check to see if the selected "
                               "directory contains the backup file.";
const QString BackupFailure = "There was an error backing up the files.\n\rHINT:  Check to see if you have "
                              "administrative rights to backup \nto the chosen directory.";
const QStringList RestoreFailedLines = {"Restore Failed.", "The Worthsheet must be closed.", "Click on \"Close\"."};

// A folder whose full path is longer than 600 characters, beyond what some file APIs take.
QString longFolder(const QString &base)
{
    QString path = base;
    while (path.size() <= 600)
        path += "/" + QString(60, QChar('d')) + QString::number(path.size());
    EXPECT_TRUE(QDir().mkpath(path));
    return path;
}

QString backupFile(const QString &folder)
{
    return QDir(folder).filePath("wks.ABS");
}

// A statement database with one statement of that last name, as a backup would hold it.
void makeBackup(const QString &folder, const QString &lastName)
{
    const QString path = backupFile(folder);
    ASSERT_TRUE(createDatabaseFile(path));
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec(QString("INSERT INTO Client (Id, FirstName, LastName) VALUES (1, 'Ann', '%1')").arg(lastName).toStdString());
    db.exec("INSERT INTO FSPro (ClientId) VALUES ('1')");
}

struct WindowTexts
{
    const char *settingsButton;
    const char *className;
    const char *caption;
    QStringList notice;
    QStringList changeLines; // the first is followed by the folder text
    const char *browseTitle;
};

const WindowTexts Backup = {"imBackup",
                            "TfrmBackup",
                            "Backup Financial Data",
                            {"We recommend backing up your data when any changes are made to", "your Worthsheet."},
                            {"Backup Directory: ", "Backup File: wks.ABS", "Click \"OK\" to backup."},
                            "Select Backup Directory"};
const WindowTexts Restore = {"imRestore",
                             "TfrmRestore",
                             "Restore Financial Data",
                             {"IMPORTANT:  The Restore function will overwrite the current data. "},
                             {"Directory containing backup file: ", "File to be restored: wks.ABS",
                              "Click \"OK\" to restore the backup file."},
                             "Select Files to be Restored Folder"};

class CopyWindowTest : public MaintenanceWindowTest
{
protected:
    void openWindow(const WindowTexts &texts)
    {
        startOnSettings();
        openFromSettings(texts.settingsButton);
        ASSERT_TRUE(lastOpened);
        ASSERT_STREQ(lastOpened->metaObject()->className(), texts.className);
    }
    QStringList changeLines(const WindowTexts &texts, const QString &folder)
    {
        return {texts.changeLines[0] + folder, texts.changeLines[1], texts.changeLines[2]};
    }
    QLabel *labelWithText(const QString &text)
    {
        for (QLabel *label : lastOpened->findChildren<QLabel *>())
            if (label->text() == text)
                return label;
        return nullptr;
    }
    void expectConnected(bool connected) { EXPECT_EQ(main->dm1().db1.Connected(), connected); }
    QTemporaryDir backupFolder;
};

void PrintTo(const WindowTexts *texts, std::ostream *out)
{
    *out << texts->className;
}

class BothCopyWindows : public CopyWindowTest, public ::testing::WithParamInterface<const WindowTexts *>
{
};

TEST_P(BothCopyWindows, ShowTheirControlsInPlaceInTabOrder)
{
    const WindowTexts &texts = *GetParam();
    openWindow(texts);
    EXPECT_EQ(lastOpened->windowTitle(), texts.caption);
    EXPECT_EQ(lastOpened->objectName(), QString(texts.className).mid(1));
    EXPECT_EQ(lastOpened->size(), QSize(553, 447));
    QPoint noticeAt = texts.notice.size() == 2 ? QPoint(40, 119) : QPoint(40, 131);
    for (const QString &line : texts.notice) {
        QLabel *notice = labelWithText(line);
        ASSERT_TRUE(notice) << line.toStdString();
        EXPECT_EQ(notice->font().pixelSize(), 13);
        EXPECT_EQ(notice->x(), noticeAt.x());
        EXPECT_GE(notice->y(), noticeAt.y());
        noticeAt.ry() = notice->geometry().bottom();
    }
    EXPECT_EQ(control<QLabel>("Label1")->text(), "Select Backup Folder:");
    EXPECT_EQ(control("Label1")->pos(), QPoint(40, 191));
    EXPECT_EQ(control("edWorkDirInfo")->pos(), QPoint(165, 188));
    EXPECT_EQ(control("edWorkDirInfo")->width(), 257);
    EXPECT_EQ(control<QPushButton>("btnBrowse")->text(), "Browse");
    EXPECT_EQ(control("btnBrowse")->pos(), QPoint(428, 187));
    auto *memo = control<QPlainTextEdit>("Memo1");
    EXPECT_EQ(memo->geometry(), QRect(40, 240, 463, 137));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->font().pixelSize(), 11);
    EXPECT_EQ(control("Label7")->pos(), QPoint(40, 397));
    EXPECT_EQ(control<QPushButton>("btnClose")->text(), "Close");
    EXPECT_EQ(control("btnClose")->pos(), QPoint(359, 392));
    EXPECT_EQ(control<QPushButton>("btnOK")->text(), "OK");
    EXPECT_EQ(control("btnOK")->pos(), QPoint(440, 392));
    EXPECT_EQ(lastOpened->font().pixelSize(), 12);
    EXPECT_FALSE(lastOpened->windowFlags() & Qt::WindowCloseButtonHint);

    // Tab walks folder, OK, Close, Browse, log and round again.
    QWidget *widget = control("edWorkDirInfo");
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        order << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(lastOpened))
            widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order, QStringList({"edWorkDirInfo", "btnOK", "btnClose", "btnBrowse", "Memo1"}));
}

TEST_P(BothCopyWindows, EveryChangeOfTheFolderTextLogsThreeLines)
{
    const WindowTexts &texts = *GetParam();
    openWindow(texts);
    EXPECT_TRUE(logLines().isEmpty());
    typeFolder("/tmp/abcde");
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 30);
    EXPECT_EQ(lines.mid(0, 3), changeLines(texts, "/"));
    EXPECT_EQ(lines.mid(27), changeLines(texts, "/tmp/abcde"));
    QTest::keyClick(control("edWorkDirInfo"), Qt::Key_Backspace);
    EXPECT_EQ(logLines().size(), 33);
    EXPECT_EQ(logLines().mid(30), changeLines(texts, "/tmp/abcd"));
}

TEST_P(BothCopyWindows, BrowseOffersTheChooserAndItsAnswerReplacesTheFolder)
{
    const WindowTexts &texts = *GetParam();
    openWindow(texts);
    typeFolder("/tmp");
    shell->choose(backupFolder.path());
    press("btnBrowse");
    ASSERT_EQ(shell->choosers().size(), 1u);
    EXPECT_EQ(shell->choosers()[0].title, texts.browseTitle);
    EXPECT_EQ(shell->choosers()[0].startFolder, "/tmp");
    EXPECT_EQ(control<QLineEdit>("edWorkDirInfo")->text(), backupFolder.path());
    EXPECT_EQ(logLines().mid(12), changeLines(texts, backupFolder.path()));

    // Cancelling empties the field, and the log says so with an empty folder.
    press("btnBrowse");
    EXPECT_EQ(shell->choosers()[1].startFolder, backupFolder.path());
    EXPECT_EQ(control<QLineEdit>("edWorkDirInfo")->text(), "");
    EXPECT_EQ(logLines().size(), 18);
    EXPECT_EQ(logLines().mid(15), changeLines(texts, ""));
    EXPECT_TRUE(messages->shown().empty());
}

TEST_P(BothCopyWindows, OkWithoutAFolderAsksForOneAndCloseGoesBackToSettings)
{
    openWindow(*GetParam());
    press("btnOK");
    ASSERT_EQ(messages->texts(), QStringList({"Please enter the backup directory."}));
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Error);
    EXPECT_TRUE(logLines().isEmpty());
    expectConnected(true);

    press("btnClose");
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(currentPage(), "tsSettings");
    expectConnected(true);
    EXPECT_FALSE(programEnded);
    // The database is still in use: the overview reads it.
    clickImage("imover_blue", "imover_orange");
    EXPECT_EQ(currentPage(), "tsOverview");
}

INSTANTIATE_TEST_SUITE_P(BackupAndRestore, BothCopyWindows, ::testing::Values(&Backup, &Restore),
                         [](const auto &info) { return std::string(info.param->className); });

class BackupTest : public CopyWindowTest
{
protected:
    void SetUp() override
    {
        CopyWindowTest::SetUp();
        exec("INSERT INTO Client (Id, FirstName, LastName) VALUES (1, 'Zoe', 'Young')");
    }
};

TEST_F(BackupTest, CopiesTheDatabaseIntoAnEmptyFolderAndThenCloseEndsTheProgram)
{
    openWindow(Backup);
    typeFolder(backupFolder.path());
    const int typed = int(logLines().size());
    press("btnOK");
    EXPECT_EQ(logLines().mid(typed),
              QStringList({"Disconnecting Database...", "Disconnecting Tables...", "Starting Backup...",
                           "Backup Directory: " + backupFolder.path(), "Backup File: wks.ABS", "Backup Successful.",
                           "The Worthsheet must be closed for changes to be updated.", "Click on \"Close\"."}));
    ASSERT_EQ(messages->texts(), QStringList({"Backup Successful."}));
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Information);
    expectConnected(false);
    EXPECT_TRUE(fileBytes(backupFile(backupFolder.path())) == fileBytes(databasePath));
    EXPECT_EQ(QDir(backupFolder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"wks.ABS"}));

    press("btnClose");
    EXPECT_TRUE(waitForProgramEnd());
}

TEST_F(BackupTest, TheCopyIsPrivateWhateverTheUmask)
{
    ScopedUmask userMask(022);
    ASSERT_EQ(fileMode(databasePath), 0600);
    openWindow(Backup);
    typeFolder(backupFolder.path());
    press("btnOK");
    ASSERT_EQ(messages->texts(), QStringList({"Backup Successful."}));
    EXPECT_EQ(fileMode(backupFile(backupFolder.path())), 0600);
}

TEST_F(BackupTest, ACopyThatDoesNotReachTheDiskFailsAndLeavesNoFile)
{
    ScopedFileSystemCalls failingDisk({.sync = [](int) { return false; }, .bytesAvailable = {}});
    openWindow(Backup);
    typeFolder(backupFolder.path());
    press("btnOK");
    EXPECT_EQ(messages->texts(), QStringList({BackupFailure}));
    EXPECT_TRUE(QDir(backupFolder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

TEST_F(BackupTest, ReplacesACopyAlreadyInTheFolderWithoutAsking)
{
    writeFile(backupFile(backupFolder.path()), "an older backup");
    openWindow(Backup);
    typeFolder(backupFolder.path());
    press("btnOK");
    EXPECT_EQ(messages->texts(), QStringList({"Backup Successful."}));
    EXPECT_TRUE(fileBytes(backupFile(backupFolder.path())) == fileBytes(databasePath));
    EXPECT_EQ(QDir(backupFolder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(BackupTest, AMissingFolderFailsAndCreatesNothing)
{
    const QString missing = backupFolder.filePath("not/there");
    openWindow(Backup);
    typeFolder(missing);
    const int typed = int(logLines().size());
    press("btnOK");
    ASSERT_EQ(messages->texts(), QStringList({BackupFailure}));
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Error);
    const QStringList lines = logLines().mid(typed);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.mid(lines.size() - 3),
              QStringList({"Backup Failed.", "The Worthsheet must be closed.", "Click on \"Close\"."}));
    EXPECT_FALSE(QFileInfo::exists(backupFolder.filePath("not")));
    // The database is disconnected even though nothing was copied: Close ends the program.
    expectConnected(false);
    press("btnClose");
    EXPECT_TRUE(waitForProgramEnd());
}

TEST_F(BackupTest, AFileThatCannotBeReplacedFailsAndLeavesNothingBehind)
{
    // A folder named like the copy stands where the file would go.
    ASSERT_TRUE(QDir(backupFolder.path()).mkdir("wks.ABS"));
    openWindow(Backup);
    typeFolder(backupFolder.path());
    press("btnOK");
    EXPECT_EQ(messages->texts(), QStringList({BackupFailure}));
    EXPECT_EQ(QDir(backupFolder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"wks.ABS"}));
    EXPECT_TRUE(QFileInfo(backupFile(backupFolder.path())).isDir());
}

TEST_F(BackupTest, AFolderPathOfMoreThan600CharactersIsBackedUpAndRestoredInFull)
{
    const QString folder = longFolder(backupFolder.path());
    ASSERT_GT(backupFile(folder).size(), 600);
    openWindow(Backup);
    typeFolder(folder);
    press("btnOK");
    EXPECT_EQ(messages->texts(), QStringList({"Backup Successful."}));
    EXPECT_TRUE(fileBytes(backupFile(folder)) == fileBytes(databasePath));
    press("btnClose");
    ASSERT_TRUE(waitForProgramEnd());

    // The next run changes the statement, then restores the copy from the long folder.
    exec("UPDATE Client SET LastName = 'Changed'");
    messages->clear();
    openWindow(Restore);
    typeFolder(folder);
    press("btnOK");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->last().startsWith("Restore Successful.")) << logLines().mid(logLines().size() - 4).join("\n").toStdString();
    EXPECT_EQ(text("SELECT LastName FROM Client"), "Young");
}

class RestoreTest : public CopyWindowTest
{
protected:
    void SetUp() override
    {
        CopyWindowTest::SetUp();
        exec("INSERT INTO Client (Id, FirstName, LastName) VALUES (1, 'Zoe', 'Current')");
    }
    QString keptFile() const { return databasePath + ".before-restore"; }
    // Runs a restore from the backup folder; returns the log lines OK wrote.
    QStringList restoreFromFolder()
    {
        openWindow(Restore);
        typeFolder(backupFolder.path());
        const int typed = int(logLines().size());
        press("btnOK");
        return logLines().mid(typed);
    }
    QStringList listedLastNames()
    {
        QStringList names;
        Table &clients = main->dm1().tblClient;
        for (clients.First(); !clients.Eof(); clients.Next())
            names << clients.FieldByName("LastName").AsString();
        return names;
    }
};

TEST_F(RestoreTest, AGoodBackupReplacesTheDatabaseKeepsTheOldOneAndIsReadAtTheNextStart)
{
    makeBackup(backupFolder.path(), "Restored");
    const QByteArray before = fileBytes(databasePath);
    const QStringList lines = restoreFromFolder();
    const QString keptNote = "The data the restore replaced is kept in " + keptFile();
    EXPECT_EQ(lines, QStringList({"Disconnecting Database...", "Disconnecting Tables...", "Starting Restore...",
                                  "Restore Directory: " + databasePath, "Restore File: wks.ABS", keptNote,
                                  "Restore Successful.", "The Worthsheet must be closed for changes to be updated.",
                                  "Click on \"Close\"."}));
    ASSERT_EQ(messages->texts(),
              QStringList({"Restore Successful.\n\rThe Worthsheet must be closed for changes to be updated.\n\r\n\r"
                           + keptNote}));
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Information);
    EXPECT_TRUE(fileBytes(databasePath) == fileBytes(backupFile(backupFolder.path())));
    EXPECT_TRUE(fileBytes(keptFile()) == before);

    press("btnClose");
    ASSERT_TRUE(waitForProgramEnd());
    restart();
    enterWithoutLogin();
    EXPECT_EQ(listedLastNames(), QStringList({"Restored"}));
}

// A backup made before version 2 is restored as it is and brought to version 2 at the next
// start by the same step as any file of version 1; one of a later version is refused.
TEST_F(RestoreTest, ABackupOfVersion1IsRestoredAndBroughtToVersion2AtTheNextStart)
{
    const QString backup = backupFile(backupFolder.path());
    {
        QTemporaryDir work;
        makeBackup(work.path(), "Older");
        writeVersion1Copy(backupFile(work.path()), backup);
    }
    SQLite::Database(backup.toStdString(), SQLite::OPEN_READWRITE).exec("PRAGMA user_version = 3");
    const QByteArray current = fileBytes(databasePath);
    restoreFromFolder();
    EXPECT_FALSE(messages->last().startsWith("Restore Successful."));
    EXPECT_TRUE(fileBytes(databasePath) == current);
    press("btnClose");
    ASSERT_TRUE(waitForProgramEnd());
    restart();
    enterWithoutLogin();

    SQLite::Database(backup.toStdString(), SQLite::OPEN_READWRITE).exec("PRAGMA user_version = 1");
    const QString values = version1Dump(backup);
    restoreFromFolder();
    EXPECT_TRUE(messages->last().startsWith("Restore Successful."));
    EXPECT_TRUE(fileBytes(databasePath) == fileBytes(backup));
    press("btnClose");
    ASSERT_TRUE(waitForProgramEnd());
    restart();
    enterWithoutLogin();
    EXPECT_EQ(listedLastNames(), QStringList({"Older"}));
    EXPECT_EQ(Database::fileUserVersion(databasePath), Database::UserVersion);
    EXPECT_EQ(version1Dump(databasePath).toStdString(), values.toStdString());
}

TEST_F(RestoreTest, TheRestoredDatabaseAndTheDataKeptFromBeforeArePrivate)
{
    ScopedUmask userMask(022);
    makeBackup(backupFolder.path(), "Restored");
    ASSERT_TRUE(QFile::setPermissions(backupFile(backupFolder.path()),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    restoreFromFolder();
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->last().startsWith("Restore Successful."));
    EXPECT_EQ(fileMode(databasePath), 0600);
    EXPECT_EQ(fileMode(keptFile()), 0600);
}

TEST_F(RestoreTest, ASecondRestoreInTheSameWindowKeepsTheDataFromBeforeTheFirst)
{
    makeBackup(backupFolder.path(), "Restored");
    const QByteArray original = fileBytes(databasePath);
    restoreFromFolder();
    messages->clear();
    press("btnOK");
    EXPECT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->last().startsWith("Restore Successful."));
    EXPECT_TRUE(fileBytes(keptFile()) == original);
}

TEST_F(RestoreTest, AFolderWithoutABackupFailsAndTheProgramMustStillBeClosed)
{
    const QByteArray before = fileBytes(databasePath);
    const QStringList lines = restoreFromFolder();
    ASSERT_EQ(messages->texts(), QStringList({RestoreFailure}));
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Error);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines.mid(lines.size() - 3), RestoreFailedLines);
    EXPECT_EQ(lines[lines.size() - 4], "There is no file " + backupFile(backupFolder.path()));
    EXPECT_TRUE(fileBytes(databasePath) == before);
    EXPECT_FALSE(QFileInfo::exists(keptFile()));
    press("btnClose");
    EXPECT_TRUE(waitForProgramEnd());
}

// Files a restore must refuse, each written as the folder's wks.ABS.
using BadBackup = void (*)(const QString &path);

void emptyFile(const QString &path)
{
    writeFile(path, {});
}

void randomBytes(const QString &path)
{
    QByteArray bytes(8192, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7919 + 13) % 251);
    writeFile(path, bytes);
}

void truncatedBackup(const QString &path)
{
    ASSERT_TRUE(createDatabaseFile(path));
    QFile file(path);
    ASSERT_TRUE(file.resize(file.size() / 2));
}

void anotherProgramsDatabase(const QString &path)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("CREATE TABLE Client (Id INTEGER PRIMARY KEY, LastName TEXT)");
}

void ourDatabaseWithATableMissing(const QString &path)
{
    ASSERT_TRUE(createDatabaseFile(path));
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec("DROP TABLE Legal");
}

void ourDatabaseWithAFieldMissing(const QString &path)
{
    ASSERT_TRUE(createDatabaseFile(path));
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec("ALTER TABLE Cash DROP COLUMN Balance");
}

void damagedPage(const QString &path)
{
    ASSERT_TRUE(createDatabaseFile(path));
    overwriteRootPage(path, "FSPro_ClientId");
}

void withAJournalBeside(const QString &path)
{
    ASSERT_TRUE(createDatabaseFile(path));
    writeFile(path + "-journal", QByteArray(512, '\x01'));
}

struct BadBackupCase
{
    const char *name;
    BadBackup make;
};

void PrintTo(const BadBackupCase &badBackup, std::ostream *out)
{
    *out << badBackup.name;
}

class RefusedBackup : public RestoreTest, public ::testing::WithParamInterface<BadBackupCase>
{
};

TEST_P(RefusedBackup, FailsAndLeavesTheDatabaseAndTheChosenFileByteForByteAsTheyWere)
{
    GetParam().make(backupFile(backupFolder.path()));
    const QByteArray database = fileBytes(databasePath);
    const QByteArray backup = fileDigest(backupFile(backupFolder.path()));
    QElapsedTimer clock;
    clock.start();
    const QStringList lines = restoreFromFolder();
    // Refused before anything is copied: a file of gigabytes is not read first.
    EXPECT_LT(clock.elapsed(), 1000);
    ASSERT_EQ(messages->texts(), QStringList({RestoreFailure}));
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines.mid(lines.size() - 3), RestoreFailedLines);
    // The line before them gives the reason and the file.
    EXPECT_TRUE(lines[lines.size() - 4].endsWith(backupFile(backupFolder.path())));
    EXPECT_TRUE(fileBytes(databasePath) == database);
    EXPECT_TRUE(fileDigest(backupFile(backupFolder.path())) == backup);
    EXPECT_FALSE(QFileInfo::exists(keptFile()));
    EXPECT_EQ(QDir(QFileInfo(databasePath).path()).entryList(QDir::Files | QDir::Hidden), QStringList({"wks.ABS"}));

    press("btnClose");
    ASSERT_TRUE(waitForProgramEnd());
    restart();
    enterWithoutLogin();
    EXPECT_EQ(listedLastNames(), QStringList({"Current"}));
}

std::vector<BadBackupCase> badBackups()
{
    std::vector<BadBackupCase> cases = {
        {"Empty", emptyFile},
        {"RandomBytes", randomBytes},
        {"Truncated", truncatedBackup},
        {"AnotherProgramsDatabase", anotherProgramsDatabase},
        {"TableMissing", ourDatabaseWithATableMissing},
        {"FieldMissing", ourDatabaseWithAFieldMissing},
        {"DamagedPage", damagedPage},
        {"JournalBeside", withAJournalBeside},
    };
    for (int i = 0; i < CraftedFileCount; ++i)
        cases.push_back({CraftedFiles[i].name, CraftedFiles[i].make});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Restore, RefusedBackup, ::testing::ValuesIn(badBackups()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(RestoreTest, AFolderWithoutRoomForTheCopyFailsBeforeCopyingAnything)
{
    makeBackup(backupFolder.path(), "Restored");
    const QByteArray database = fileBytes(databasePath);
    const qint64 needed = QFileInfo(backupFile(backupFolder.path())).size() + database.size();
    QStringList asked;
    ScopedFileSystemCalls fullDisk({.sync = {}, .bytesAvailable = [&](const QString &folder) -> qint64 {
                                        asked << folder;
                                        return needed - 1;
                                    }});
    const QStringList lines = restoreFromFolder();
    ASSERT_EQ(messages->texts(), QStringList({RestoreFailure}));
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[lines.size() - 4].startsWith("There is not enough room in " + QFileInfo(databasePath).path()))
        << lines[lines.size() - 4].toStdString();
    EXPECT_EQ(asked, QStringList({QFileInfo(databasePath).path()}));
    EXPECT_TRUE(fileBytes(databasePath) == database);
    EXPECT_EQ(QDir(QFileInfo(databasePath).path()).entryList(QDir::Files | QDir::Hidden), QStringList({"wks.ABS"}));
}

TEST_F(RestoreTest, ATriggerInABackupNeverReachesTheDatabase)
{
    // The trigger would delete every income and expense row at the first save of a cash row.
    CraftedFiles[0].make(backupFile(backupFolder.path()));
    restoreFromFolder();
    EXPECT_EQ(messages->texts(), QStringList({RestoreFailure}));
    EXPECT_EQ(text("SELECT count(*) FROM sqlite_master WHERE type = 'trigger'"), "0");
}

} // namespace
