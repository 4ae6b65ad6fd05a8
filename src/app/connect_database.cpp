#include "connect_database.h"

#include <cstdio>

#include <QDir>

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
