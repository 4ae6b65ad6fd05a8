#include "tfrm_restore.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardItemModel>

#include "data/engine/database.h"
#include "data/schema.h"
#include "file_copy.h"
#include "window_parts.h"

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

// The newest backup, wks.ABS, unless it is refused; then the newest one that is not.
int defaultChoice(const std::vector<BackupGeneration> &generations)
{
    int newest = -1;
    for (size_t i = 0; i < generations.size(); ++i) {
        if (!generations[i].offered())
            continue;
        if (generations[i].fileName == DatabaseCopyWindow::FileName)
            return int(i);
        if (newest < 0)
            newest = int(i);
    }
    return newest;
}

} // namespace

TfrmRestore::TfrmRestore(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : DatabaseCopyWindow(restoreTexts(), dm, navigator, parent)
{
    QLabel *label = addLabel(this, QStringLiteral("Backup to Restore:"), {40, 217});
    label->setObjectName(QStringLiteral("lblBackups"));
    m_cbBackups = new QComboBox(this);
    m_cbBackups->setObjectName(QStringLiteral("cbBackups"));
    m_cbBackups->setGeometry(165, 213, 338, 22);
    label->setBuddy(m_cbBackups);
    // After the window's own order: folder, OK, Close, Browse, log.
    setTabOrder(findChild<QWidget *>(QStringLiteral("Memo1")), m_cbBackups);
    m_lblBackupPassword = addLabel(this, QStringLiteral("Backup's password:"), {40, 247});
    m_lblBackupPassword->setObjectName(QStringLiteral("lblBackupPassword"));
    m_edBackupPassword = new QLineEdit(this);
    m_edBackupPassword->setObjectName(QStringLiteral("edBackupPassword"));
    m_edBackupPassword->setEchoMode(QLineEdit::Password);
    m_edBackupPassword->setGeometry(165, 243, 338, 22);
    m_lblBackupPassword->setBuddy(m_edBackupPassword);
    setTabOrder(m_cbBackups, m_edBackupPassword);
    connect(m_cbBackups, &QComboBox::currentIndexChanged, this, [this] { showPasswordRow(); });
    listBackups();
    showPasswordRow();
}

void TfrmRestore::showPasswordRow()
{
    const QString backup = chosenBackup();
    const bool encrypted = !backup.isEmpty() && Database::isEncryptedFile(backup);
    m_lblBackupPassword->setVisible(encrypted);
    m_edBackupPassword->setVisible(encrypted);
    if (auto *log = findChild<QPlainTextEdit *>(QStringLiteral("Memo1")))
        log->setGeometry(40, encrypted ? 272 : 240, 463, encrypted ? 105 : 137);
}

void TfrmRestore::folderChanged()
{
    listBackups();
}

void TfrmRestore::listBackups()
{
    m_generations = listBackupGenerations(folder(), m_generations);
    m_cbBackups->clear();
    auto *items = qobject_cast<QStandardItemModel *>(m_cbBackups->model());
    int widest = 0;
    for (const BackupGeneration &g : m_generations) {
        QString text = g.offered() ? QStringLiteral("%1   %2 statement%3   %4")
                                         .arg(g.made.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss")))
                                         .arg(g.statements)
                                         .arg(g.statements == 1 ? QString() : QStringLiteral("s"), g.fileName)
                                   : QStringLiteral("%1   refused: %2").arg(g.fileName, g.refusal);
        if (g.offered() && g.encrypted)
            text = QStringLiteral("%1   encrypted   %2")
                       .arg(g.made.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss")), g.fileName);
        m_cbBackups->addItem(text, g.path);
        const int row = m_cbBackups->count() - 1;
        m_cbBackups->setItemData(row, QDir::toNativeSeparators(g.path), Qt::ToolTipRole);
        if (!g.offered() && items)
            items->item(row)->setEnabled(false);
        widest = qMax(widest, m_cbBackups->fontMetrics().horizontalAdvance(text));
    }
    m_cbBackups->setCurrentIndex(defaultChoice(m_generations));
    m_cbBackups->view()->setMinimumWidth(widest + 2 * m_cbBackups->fontMetrics().averageCharWidth());
    QString placeholder;
    if (!missingFolder().isEmpty())
        placeholder = QStringLiteral("The folder does not exist.");
    else if (m_generations.empty())
        placeholder = QStringLiteral("No backup in this folder");
    else
        placeholder = QStringLiteral("No backup in this folder can be restored");
    m_cbBackups->setPlaceholderText(folder().isEmpty() ? QString() : placeholder);
}

QString TfrmRestore::chosenBackup() const
{
    const int row = m_cbBackups->currentIndex();
    if (row >= 0 && size_t(row) < m_generations.size() && m_generations[size_t(row)].offered())
        return m_generations[size_t(row)].path;
    return folderFile();
}

DatabaseCopyWindow::Outcome TfrmRestore::transfer(const QString &databaseFile)
{
    const QString backup = chosenBackup();
    // The restore names the database file it replaces, and the backup it restores.
    logStart(databaseFile, QFileInfo(backup).fileName());
    Outcome outcome;
    if (const QString missing = missingFolder(); !missing.isEmpty()) {
        outcome.note = outcome.failureMessage = missing;
        return outcome;
    }
    if (!QFileInfo::exists(backup)) {
        outcome.note = QStringLiteral("There is no file ") + backup;
        return outcome;
    }
    // Everything is checked before anything is copied: a file that is not a complete
    // statement database, or one too large for the disk, never gets a copy beside the database.
    // An encrypted backup is checked whole with its password, in memory.
    const bool encrypted = Database::isEncryptedFile(backup);
    const QString password = m_edBackupPassword->text();
    if (encrypted && password.isEmpty()) {
        outcome.note = outcome.failureMessage = QStringLiteral("The backup is encrypted. Please enter its password.");
        return outcome;
    }
    const auto check = [&](const QString &file) {
        return encrypted ? checkEncryptedStatementDatabase(file, password) : checkStatementDatabase(file);
    };
    if (const QString problem = check(backup); !problem.isEmpty()) {
        outcome.note = problem + QStringLiteral(": ") + backup;
        if (encrypted)
            outcome.failureMessage = problem;
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
        if (const QString problem = check(copy); !problem.isEmpty())
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
