#include "tfrm_restore.h"

#include <QFileInfo>

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
    // The restore names the database file it replaces.
    logStart(databaseFile);
    Outcome outcome;
    const QString backup = folderFile();
    if (!QFileInfo::exists(backup)) {
        outcome.note = QStringLiteral("There is no file ") + backup;
        return outcome;
    }
    // Everything is checked before anything is copied: a file that is not a complete
    // statement database, or one too large for the disk, never gets a copy beside the database.
    if (const QString problem = checkStatementDatabase(backup); !problem.isEmpty()) {
        outcome.note = problem + QStringLiteral(": ") + backup;
        return outcome;
    }
    const QString kept = databaseFile + KeptSuffix;
    // Room for the copy, and for the data kept from before the restore.
    const qint64 needed = QFileInfo(backup).size() + (m_kept ? 0 : QFileInfo(databaseFile).size());
    if (const QString noRoom = checkRoom(QFileInfo(databaseFile).absolutePath(), needed); !noRoom.isEmpty()) {
        outcome.note = noRoom;
        return outcome;
    }
    // The copy is checked again where it lies beside the database, so the bytes checked are
    // the very bytes that replace it.
    const auto checkAndKeep = [&](const QString &copy) -> QString {
        if (const QString problem = checkStatementDatabase(copy); !problem.isEmpty())
            return problem + QStringLiteral(": ") + backup;
        QString error;
        if (!m_kept && !copyFileReplacing(databaseFile, kept, &error))
            return error;
        m_kept = true;
        return {};
    };
    if (!copyFileReplacing(backup, databaseFile, &outcome.note, checkAndKeep))
        return outcome;
    outcome.succeeded = true;
    outcome.note = QStringLiteral("The data the restore replaced is kept in ") + kept;
    return outcome;
}
