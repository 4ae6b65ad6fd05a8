#include "tfrm_restore.h"

#include "data/schema.h"
#include "file_copy.h"

const QString TfrmRestore::KeptSuffix = QStringLiteral(".before-restore");

namespace {

DatabaseCopyWindow::Texts restoreTexts()
{
    return {"TfrmRestore",
            {QStringLiteral("IMPORTANT:  The Restore function will overwrite the current data. ")},
            {40, 131},
            {QStringLiteral("Directory containing backup file: "), QStringLiteral("File to be restored: wks.ABS"),
             QStringLiteral("Click \"OK\" to restore the backup file.")},
            QStringLiteral("Select Files to be Restored Folder"),
            QStringLiteral("Restore"),
            QStringLiteral("Restore Successful.\n\rThe Worthsheet must be closed for changes to be updated."),
            QStringLiteral("There was an error restoring the backup files.\n\rHINT:  Check to see if the selected "
                           "directory contains the backup file.")};
}

} // namespace

TfrmRestore::TfrmRestore(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : DatabaseCopyWindow(restoreTexts(), dm, navigator, parent)
{
}

DatabaseCopyWindow::Outcome TfrmRestore::transfer(const QString &databaseFile)
{
    logBeforeStep({QStringLiteral("Starting Restore..."), QStringLiteral("Restore Directory: ") + databaseFile,
                   QStringLiteral("Restore File: ") + FileName});
    Outcome outcome;
    const QString backup = folderFile();
    // A file that is not a complete statement database never replaces the user's data.
    if (const QString problem = checkStatementDatabase(backup); !problem.isEmpty()) {
        outcome.note = problem + QStringLiteral(": ") + backup;
        return outcome;
    }
    if (databaseFile.isEmpty()) {
        outcome.note = QStringLiteral("No database file was found to restore over");
        return outcome;
    }
    const QString kept = databaseFile + KeptSuffix;
    if (!m_kept && !copyFileReplacing(databaseFile, kept, &outcome.note))
        return outcome;
    m_kept = true;
    if (!copyFileReplacing(backup, databaseFile, &outcome.note))
        return outcome;
    outcome.succeeded = true;
    outcome.note = QStringLiteral("The data the restore replaced is kept in ") + kept;
    return outcome;
}
