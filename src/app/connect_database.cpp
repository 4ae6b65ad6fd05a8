#include "connect_database.h"

#include <cstdio>

#include <memory>

#include <QApplication>
#include <QDir>
#include <QScopeGuard>
#include <QElapsedTimer>
#include <QProgressDialog>

#include "base/messages.h"
#include "base/pending_messages.h"
#include "data/engine/engine_error.h"
#include "data/tdm1.h"

const QString ConnectionErrorText = QStringLiteral(
    "There was an error connecting to the database.\n\rIf problem persists, please contact technical support.");

QString damagedFileText(const QString &path)
{
    return QStringLiteral("The database file\n\r%1\n\ris damaged. Nothing more will be written to it.\n\r\n\rTo keep "
                          "what can still be read, make a Backup to another folder on the Settings page. Then "
                          "Restore a backup made before the damage, or ask technical support for help.")
        .arg(QDir::toNativeSeparators(path));
}

const QString UpgradeProgressText =
    QStringLiteral("Bringing the statement file up to date. A copy of it is kept first, in case anything goes wrong.");

namespace {

// The window that shows how far the copy kept aside before the file is brought up to date
// has come. It appears only once the copy has run a moment, and is repainted a few times a
// second, so a small file shows nothing and a large one is copied as fast as without it.
class UpgradeProgressWindow
{
public:
    void show(qint64 copied, qint64 total)
    {
        if (!m_dialog) {
            m_dialog = std::make_unique<QProgressDialog>(UpgradeProgressText, QString(), 0, 1000);
            m_dialog->setObjectName(QStringLiteral("dlgUpgradeProgress"));
            m_dialog->setWindowTitle(QStringLiteral("Worthsheet"));
            m_dialog->setCancelButton(nullptr);
            m_dialog->setMinimumDuration(300);
            m_dialog->setAutoClose(false);
            m_dialog->setAutoReset(false);
            m_shown.start();
        }
        const int permille = total > 0 ? int(copied * 1000 / total) : 1000;
        if (copied < total && m_shown.elapsed() < 50 && m_dialog->value() >= 0)
            return;
        m_shown.restart();
        m_dialog->setValue(permille);
        // Only painting: nothing the user does reaches the program before it is connected.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_shown;
};

} // namespace

Tdm1 *ConnectDatabase(QObject *owner, Messages &messages)
{
    auto *dm1 = new Tdm1(owner);
    dm1->db1.SetConnected(false);
    const QString path = Tdm1::LocateDatabaseFile();
    if (path.isEmpty()) {
        messages.show(Messages::Kind::Error, ConnectionErrorText);
        return dm1;
    }
    try {
        dm1->db1.SetDatabaseFileName(path);
        dm1->db1.SetDatabaseName(QStringLiteral("wks.ABS"));
        dm1->db1.SetKeepConnection(false);
        // An encrypted file waits for its password (EncryptionPage).
        if (Database::isEncryptedFile(path))
            return dm1;
        UpgradeProgressWindow progress;
        if (qobject_cast<QApplication *>(QCoreApplication::instance()))
            dm1->db1.SetUpgradeProgress([&progress](qint64 copied, qint64 total) { progress.show(copied, total); });
        const auto noMoreProgress = qScopeGuard([dm1] { dm1->db1.SetUpgradeProgress({}); });
        dm1->db1.SetConnected(true);
        dm1->OpenTables();
    } catch (const EngineError &e) {
        // A file that is not a usable statement database is left exactly as it is; the
        // reason goes to the console for whoever supports the user.
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        dm1->db1.SetConnected(false);
        messages.show(Messages::Kind::Error, ConnectionErrorText);
        return dm1;
    }
    letPendingMessagesRun();
    return dm1;
}
