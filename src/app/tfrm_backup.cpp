#include "tfrm_backup.h"

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
    outcome.succeeded = copyFileReplacing(databaseFile, folderFile(), &outcome.note);
    return outcome;
}
