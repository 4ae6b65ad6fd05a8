#include "tfrm_backup.h"

#include <QDateTime>
#include <QFileInfo>

#include "backup_generations.h"
#include "backup_reminder.h"
#include "file_copy.h"

namespace {

DatabaseCopyWindow::Texts backupTexts()
{
    return {"TfrmBackup",
            {QStringLiteral("We recommend backing up your data when any changes are made to"),
             QStringLiteral("your Worthsheet.")},
            {40, 119},
            {QStringLiteral("Backup Directory: "), QStringLiteral("Backup File: wks.ABS"),
             QStringLiteral("Click \"OK\" to backup.")},
            QStringLiteral("Select Backup Directory"),
            QStringLiteral("Backup"),
            QStringLiteral("Backup Successful."),
            QStringLiteral("There was an error backing up the files.\n\rHINT:  Check to see if you have administrative "
                           "rights to backup \nto the chosen directory.")};
}

} // namespace

TfrmBackup::TfrmBackup(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : DatabaseCopyWindow(backupTexts(), dm, navigator, parent)
{
}

DatabaseCopyWindow::Outcome TfrmBackup::transfer(const QString &databaseFile)
{
    logStart(folder());
    Outcome outcome;
    if (const QString missing = missingFolder(); !missing.isEmpty()) {
        outcome.note = outcome.failureMessage = missing;
        return outcome;
    }
    // The backup already in the folder is kept under its date once the new copy is whole,
    // just before the copy takes its place; a copy that fails leaves the folder as it was.
    const QString target = folderFile();
    QString kept;
    const auto keepEarlier = [&](const QString &) {
        QString error;
        keepEarlierGeneration(target, &kept, &error);
        return error;
    };
    outcome.succeeded = copyFileReplacing(databaseFile, target, &outcome.note, keepEarlier);
    if (!outcome.succeeded) {
        restoreEarlierGeneration(target, kept);
        return outcome;
    }
    BackupReminder::recordBackup(QDateTime::currentDateTime());
    if (!kept.isEmpty())
        outcome.note = QStringLiteral("The earlier backup is kept as %1.").arg(QFileInfo(kept).fileName());
    return outcome;
}
