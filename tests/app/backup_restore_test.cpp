// The backup and restore windows driven as a user does: their layout, the log, the folder
// chooser, the copies both ways, the files a restore refuses and the close rule.
#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

#include <SQLiteCpp/SQLiteCpp.h>

#include "app/backup_generations.h"
#include "app/backup_reminder.h"
#include "app/tfrm_restore.h"
#include "crypt/envelope_seam.h"
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

// Dates a file as made then, as a backup made on another day would be.
void setFileTime(const QString &path, const QDateTime &made)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(made, QFileDevice::FileModificationTime));
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

TEST_P(BothCopyWindows, AMissingFolderIsNamedAsMissingAndNothingIsCreated)
{
    const QString missing = backupFolder.filePath("not/there");
    const QByteArray database = fileBytes(databasePath);
    openWindow(*GetParam());
    typeFolder(missing);
    const int typed = int(logLines().size());
    press("btnOK");
    const QString named = "The folder " + missing + " does not exist.";
    ASSERT_EQ(messages->texts(), QStringList({named}));
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Error);
    const QStringList lines = logLines().mid(typed);
    ASSERT_GE(lines.size(), 4);
    const QString operation = GetParam() == &Backup ? "Backup" : "Restore";
    EXPECT_EQ(lines.mid(lines.size() - 4), QStringList({named, operation + " Failed.", "The Worthsheet must be closed.",
                                                         "Click on \"Close\"."}));
    EXPECT_FALSE(QFileInfo::exists(backupFolder.filePath("not")));
    EXPECT_TRUE(fileBytes(databasePath) == database);
    // The database is disconnected even though nothing was copied: Close ends the program.
    expectConnected(false);
    press("btnClose");
    EXPECT_TRUE(waitForProgramEnd());
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

TEST_F(BackupTest, KeepsACopyAlreadyInTheFolderUnderItsDateWithoutAsking)
{
    // Whatever the folder's wks.ABS holds is the user's: it is kept, never replaced.
    writeFile(backupFile(backupFolder.path()), "an older backup");
    const QDateTime made(QDate(2026, 3, 14), QTime(9, 5, 7));
    setFileTime(backupFile(backupFolder.path()), made);
    openWindow(Backup);
    typeFolder(backupFolder.path());
    press("btnOK");
    const QString keptName = "wks 2026-03-14 09.05.07.ABS";
    EXPECT_EQ(messages->texts(), QStringList({"Backup Successful.\n\r\n\rThe earlier backup is kept as " + keptName + "."}));
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Information);
    EXPECT_TRUE(fileBytes(backupFile(backupFolder.path())) == fileBytes(databasePath));
    EXPECT_EQ(fileBytes(QDir(backupFolder.path()).filePath(keptName)), "an older backup");
    EXPECT_EQ(QDir(backupFolder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({keptName, "wks.ABS"}));
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

// Backups made on three days into one folder, each of a run of the program with the
// statement's last name changed, and the restore of one chosen among them.
class BackupGenerationsTest : public CopyWindowTest
{
protected:
    void SetUp() override
    {
        CopyWindowTest::SetUp();
        exec("INSERT INTO Client (Id, FirstName, LastName) VALUES (1, 'Zoe', 'None')");
        exec("INSERT INTO FSPro (ClientId) VALUES ('1')");
    }
    void backUpAs(const QString &lastName, const QDateTime &made)
    {
        exec("UPDATE Client SET LastName = '" + lastName + "'");
        messages->clear();
        openWindow(Backup);
        typeFolder(backupFolder.path());
        press("btnOK");
        ASSERT_EQ(messages->shown().size(), 1u);
        ASSERT_TRUE(messages->last().startsWith("Backup Successful.")) << messages->last().toStdString();
        press("btnClose");
        ASSERT_TRUE(waitForProgramEnd());
        setFileTime(backupFile(backupFolder.path()), made);
    }
    QString lastNameIn(const QString &path)
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        return QString::fromStdString(db.execAndGet("SELECT LastName FROM Client").getString());
    }
    QStringList listed(QComboBox *list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }
    const QDateTime monday{QDate(2026, 12, 7), QTime(9, 0, 0)};
    const QDateTime tuesday{QDate(2026, 12, 8), QTime(14, 5, 33)};
    const QDateTime wednesday{QDate(2026, 12, 9), QTime(18, 30, 1)};
};

TEST_F(BackupGenerationsTest, ThreeBackupsLeaveThreeGenerationsAndRestoreTakesExactlyTheOneChosen)
{
    backUpAs("First", monday);
    backUpAs("Second", tuesday);
    backUpAs("Third", wednesday);
    const QDir folder(backupFolder.path());
    const QString mondays = "wks 2026-12-07 09.00.00.ABS", tuesdays = "wks 2026-12-08 14.05.33.ABS";
    ASSERT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList({mondays, tuesdays, "wks.ABS"}));
    EXPECT_EQ(lastNameIn(folder.filePath(mondays)), "First");
    EXPECT_EQ(lastNameIn(folder.filePath(tuesdays)), "Second");
    EXPECT_EQ(lastNameIn(folder.filePath("wks.ABS")), "Third");
    // A file by a backup's name that is no statement database is listed, refused, with the reason.
    writeFile(folder.filePath("wks copy.ABS"), "not a database");
    setFileTime(folder.filePath("wks copy.ABS"), monday.addSecs(3600));

    exec("UPDATE Client SET LastName = 'Changed'");
    messages->clear();
    openWindow(Restore);
    typeFolder(backupFolder.path());
    auto *list = control<QComboBox>("cbBackups");
    ASSERT_TRUE(list);
    EXPECT_EQ(listed(list), QStringList({"12/09/2026 18:30:01   1 statement   wks.ABS",
                                         "12/08/2026 14:05:33   1 statement   " + tuesdays,
                                         "wks copy.ABS   refused: The file is not a database",
                                         "12/07/2026 09:00:00   1 statement   " + mondays}));
    auto *items = qobject_cast<QStandardItemModel *>(list->model());
    ASSERT_TRUE(items);
    EXPECT_FALSE(items->item(2)->isEnabled());
    // The newest is chosen until the user chooses another: here the second backup.
    EXPECT_EQ(list->currentIndex(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentIndex(), 1);
    const int typed = int(logLines().size());
    press("btnOK");
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_TRUE(messages->last().startsWith("Restore Successful.")) << messages->last().toStdString();
    EXPECT_TRUE(fileBytes(databasePath) == fileBytes(folder.filePath(tuesdays)));
    EXPECT_TRUE(logLines().mid(typed).contains("Restore File: " + tuesdays));
    // Restoring reads the backups and changes none of them.
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList({mondays, tuesdays, "wks copy.ABS", "wks.ABS"}));
    EXPECT_EQ(lastNameIn(folder.filePath("wks.ABS")), "Third");

    // Down from the second skips the refused file.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), 3);
}

TEST(BackupGenerations, AKeptGenerationTakesAFreeNameAndIsGivenBackWhenTheNewBackupFails)
{
    QTemporaryDir folder;
    const QString backup = backupFile(folder.path());
    writeFile(backup, "the backup of Monday");
    const QDateTime made(QDate(2026, 12, 7), QTime(9, 0, 0));
    setFileTime(backup, made);
    // Two backups within one second: the second kept one gets a number.
    writeFile(folder.filePath("wks 2026-12-07 09.00.00.ABS"), "kept before");
    QString kept, error;
    ASSERT_TRUE(keepEarlierGeneration(backup, &kept, &error)) << error.toStdString();
    EXPECT_EQ(kept, folder.filePath("wks 2026-12-07 09.00.00 (2).ABS"));
    EXPECT_EQ(fileBytes(kept), "the backup of Monday");
    EXPECT_EQ(QFileInfo(kept).lastModified(), made);
    restoreEarlierGeneration(backup, kept);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"wks 2026-12-07 09.00.00.ABS", "wks.ABS"}));
    EXPECT_EQ(fileBytes(backup), "the backup of Monday");
}

class BackupReminderTest : public CopyWindowTest
{
protected:
    // Ends the program with the Exit picture; true when it ended.
    bool exitProgram()
    {
        clickImage("imExit", "imExit_Up");
        return programEnded;
    }
};

TEST_F(BackupReminderTest, ABackupIsOfferedAtTheEndWhenThirtyDaysHavePassedOrTheUserAskedForIt)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString overdue = "No backup of your financial data has been made in the last 30 days.\n\r"
                            "Back it up now?";
    const QString asked = "Back up your financial data before the program ends?";
    struct Case
    {
        const char *name;
        std::optional<int> lastBackupDaysAgo; // none: no backup was ever made
        bool everyEnd;                        // the Settings page's box ticked
        QString question;                     // empty: nothing is offered
    };
    const Case cases[] = {
        {"never backed up, first use today", std::nullopt, false, {}},
        {"29 days ago", 29, false, {}},
        {"30 days ago", 30, false, overdue},
        {"a year ago", 365, false, overdue},
        {"a clock set two days ahead", -2, false, overdue},
        {"yesterday, asked for at every end", 1, true, asked},
        {"never, asked for at every end", std::nullopt, true, asked},
        {"overdue and asked for: the overdue question", 31, true, overdue},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(home.filePath("config/Norvale/Worthsheet.conf"));
        if (c.lastBackupDaysAgo)
            BackupReminder::recordBackup(now.addDays(-*c.lastBackupDaysAgo).addSecs(-60));
        messages->clear();
        if (!c.question.isEmpty())
            messages->answer(Messages::Answer::No);
        startOnSettings();
        // The box is ticked as the user ticks it, and the choice outlives the run.
        auto *box = main->findChild<QCheckBox *>("cbBackupAtEveryEnd");
        ASSERT_TRUE(box);
        EXPECT_TRUE(box->isVisible());
        EXPECT_FALSE(box->isChecked());
        if (c.everyEnd)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        EXPECT_EQ(BackupReminder::offeredAtEveryEnd(), c.everyEnd);
        EXPECT_TRUE(exitProgram());
        if (!c.question.isEmpty()) {
            ASSERT_EQ(messages->texts(), QStringList({c.question}));
            EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Confirmation);
            EXPECT_EQ(messages->shown().back().buttons, Messages::Buttons::YesNo);
        } else {
            EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
        }
        if (c.everyEnd) {
            startOnSettings();
            EXPECT_TRUE(main->findChild<QCheckBox *>("cbBackupAtEveryEnd")->isChecked());
        }
    }
    // The first end without a backup started the count: thirty days on, the offer comes.
    QFile::remove(home.filePath("config/Norvale/Worthsheet.conf"));
    EXPECT_TRUE(BackupReminder::questionAtEnd(now.addDays(-31)).isEmpty());
    EXPECT_FALSE(BackupReminder::questionAtEnd(now).isEmpty());
    // Before the login nothing is offered: the login page ends the program as it is.
    messages->clear();
    start();
    programEnded = false;
    QObject::connect(main.get(), &TfrmMain::closed, main.get(), [this] { programEnded = true; });
    main->close();
    EXPECT_TRUE(programEnded);
    EXPECT_TRUE(messages->texts().isEmpty());
}

TEST_F(BackupReminderTest, LeavingTheOfferedBackupWithoutOneLetsTheNextExitEndTheProgram)
{
    BackupReminder::recordBackup(QDateTime::currentDateTime().addDays(-40));
    messages->answer(Messages::Answer::Yes);
    startOnSettings();
    EXPECT_FALSE(exitProgram());
    ASSERT_TRUE(lastOpened);
    EXPECT_STREQ(lastOpened->metaObject()->className(), "TfrmBackup");
    press("btnClose");
    ASSERT_TRUE(QTest::qWaitFor([this] { return main->isVisible(); }, 1000));
    EXPECT_EQ(currentPage(), "tsSettings");
    messages->clear();
    EXPECT_TRUE(exitProgram());
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
    // Still overdue: the next run asks again.
    EXPECT_FALSE(BackupReminder::questionAtEnd(QDateTime::currentDateTime()).isEmpty());
}

TEST_F(BackupReminderTest, YesOpensTheBackupWhoseSuccessIsRememberedAndEndsTheProgram)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    BackupReminder::recordBackup(before.addDays(-40));
    messages->answer(Messages::Answer::Yes);
    startOnSettings();
    EXPECT_FALSE(exitProgram());
    ASSERT_TRUE(lastOpened);
    EXPECT_STREQ(lastOpened->metaObject()->className(), "TfrmBackup");
    EXPECT_FALSE(main->isVisible());
    typeFolder(backupFolder.path());
    press("btnOK");
    EXPECT_EQ(messages->last(), "Backup Successful.");
    EXPECT_GE(BackupReminder::lastBackup(), before);
    press("btnClose");
    EXPECT_TRUE(waitForProgramEnd());
    // Kept beside the database, never in it.
    EXPECT_TRUE(QFileInfo::exists(home.filePath("config/Norvale/Worthsheet.conf")));
    EXPECT_EQ(fileMode(home.filePath("config/Norvale/Worthsheet.conf")), 0600);
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
    const QDir dataFolder = QFileInfo(databasePath).dir();
    const QStringList entries = dataFolder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const QStringList lines = restoreFromFolder();
    // Refused before anything is copied: no temporary copy was even begun beside the database.
    EXPECT_EQ(dataFolder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entries);
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

// A backup of an encrypted file is the encrypted file; restoring it asks for its password
// and replaces nothing until the password opens it and the database inside is whole.
TEST_F(BackupTest, AnEncryptedBackupIsRestoredOnlyWithItsPassword)
{
    makeBackup(backupFolder.path(), "Encrypted");
    {
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(backupFile(backupFolder.path()));
        dm.db1.SetConnected(true);
        const EnvelopeSeam quick{{1, 8192}, std::nullopt};
        dm.db1.Encrypt("backup secret", &quick);
    }
    const QByteArray backup = fileBytes(backupFile(backupFolder.path()));
    const QByteArray before = fileBytes(databasePath);
    openWindow(Restore);
    typeFolder(backupFolder.path());
    EXPECT_TRUE(control("edBackupPassword")->isVisible());
    EXPECT_TRUE(control<QComboBox>("cbBackups")->currentText().contains("encrypted"));
    for (const auto &[password, message] : {std::pair(QString(), QString("The backup is encrypted. Please enter its password.")),
                                            std::pair(QString("backup secreT"), QString("Wrong password for this statement file."))}) {
        messages->clear();
        control<QLineEdit>("edBackupPassword")->setText(password);
        press("btnOK");
        EXPECT_EQ(messages->last(), message);
        EXPECT_TRUE(fileBytes(databasePath) == before) << "nothing is replaced";
        EXPECT_FALSE(QFileInfo::exists(databasePath + TfrmRestore::KeptSuffix));
        press("btnClose");
        ASSERT_TRUE(waitForProgramEnd());
        openWindow(Restore);
        typeFolder(backupFolder.path());
    }
    messages->clear();
    control<QLineEdit>("edBackupPassword")->setText("backup secret");
    press("btnOK");
    EXPECT_TRUE(messages->last().startsWith("Restore Successful.")) << messages->last().toStdString();
    EXPECT_TRUE(fileBytes(databasePath) == backup);
}
