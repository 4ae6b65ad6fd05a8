#include "backup_generations.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "crypt/crypt_error.h"
#include "crypt/envelope_header.h"
#include "data/engine/connection.h"
#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/file_identity.h"
#include "data/engine/query.h"
#include "data/schema.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString Newest = QStringLiteral("wks.ABS");

// A dated name not yet taken in the folder: two backups within one second get "(2)", "(3)".
QString freeKeptPath(const QDir &folder, const QDateTime &made)
{
    const QString name = keptGenerationName(made);
    QString path = folder.filePath(name);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = folder.filePath(name.chopped(4) + QStringLiteral(" (%1).ABS").arg(n));
    return path;
}

BackupGeneration readGeneration(const QFileInfo &file)
{
    BackupGeneration generation;
    generation.path = file.absoluteFilePath();
    generation.fileName = file.fileName();
    generation.made = file.lastModified();
    generation.size = file.size();
    if (Database::isEncryptedFile(generation.path)) {
        // Checked whole with its password when it is restored; its header is checked now.
        generation.encrypted = true;
        QFile envelope(generation.path);
        try {
            if (!envelope.open(QIODevice::ReadOnly))
                throw CryptError::damaged();
            EnvelopeHeader::read(envelope.readAll());
        } catch (const CryptError &e) {
            generation.refusal = e.message();
        }
        return generation;
    }
    generation.refusal = checkStatementDatabase(generation.path);
    if (!generation.offered())
        return generation;
    try {
        Connection connection = Connection::immutable(generation.path);
        Query count(connection, "SELECT count(*) FROM Client");
        if (count.next())
            generation.statements = int(count.integer(0));
    } catch (const EngineError &e) {
        generation.refusal = QStringLiteral("The database file cannot be read: ") + e.message();
    }
    return generation;
}

} // namespace

QString keptGenerationName(const QDateTime &made)
{
    // Dots for colons: the name is valid on every file system a backup may go to.
    return QStringLiteral("wks %1.ABS").arg(made.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss")));
}

std::vector<BackupGeneration> listBackupGenerations(const QString &folder,
                                                    const std::vector<BackupGeneration> &known)
{
    std::vector<BackupGeneration> generations;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return generations;
    for (const QFileInfo &file : dir.entryInfoList({QStringLiteral("wks*.ABS")}, QDir::Files | QDir::Hidden)) {
        const auto same = std::find_if(known.begin(), known.end(), [&](const BackupGeneration &g) {
            return g.path == file.absoluteFilePath() && g.size == file.size() && g.made == file.lastModified();
        });
        generations.push_back(same != known.end() ? *same : readGeneration(file));
    }
    std::sort(generations.begin(), generations.end(), [](const BackupGeneration &a, const BackupGeneration &b) {
        if (a.made != b.made)
            return a.made > b.made;
        if ((a.fileName == Newest) != (b.fileName == Newest))
            return a.fileName == Newest;
        return a.fileName > b.fileName;
    });
    return generations;
}

bool keepEarlierGeneration(const QString &backup, QString *kept, QString *error)
{
    kept->clear();
    const QFileInfo info(backup);
    // A folder of that name is no backup: the copy itself refuses to replace it.
    if (!info.isFile())
        return true;
    const QString path = freeKeptPath(info.absoluteDir(), info.lastModified());
#ifdef Q_OS_UNIX
    // A second name: wks.ABS stays in place until the new backup replaces it in one step.
    if (::link(QFile::encodeName(backup).constData(), QFile::encodeName(path).constData()) == 0) {
        *kept = path;
        return true;
    }
#endif
    // File systems without links (a memory stick's) move it aside instead.
    if (QFile::rename(backup, path)) {
        *kept = path;
        return true;
    }
    *error = QStringLiteral("The earlier backup %1 cannot be kept as %2").arg(backup, path);
    return false;
}

void restoreEarlierGeneration(const QString &backup, const QString &kept)
{
    if (kept.isEmpty())
        return;
    if (isSameFile(backup, kept))
        QFile::remove(kept);
    else if (!QFileInfo::exists(backup))
        QFile::rename(kept, backup);
}
