#include "file_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/whole_file.h"
#include "file_identity.h"

namespace {

constexpr qint64 ChunkSize = 1 << 20;
constexpr QFile::Permissions OwnerBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions OthersBits = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
    | QFile::WriteOther | QFile::ExeOther;

} // namespace

QString checkRoom(const QString &folder, qint64 bytes)
{
    const qint64 available = fileSystemCalls().bytesAvailable(folder);
    if (available >= 0 && available < bytes)
        return QStringLiteral("There is not enough room in %1: %2 bytes are needed, %3 are free")
            .arg(folder)
            .arg(bytes)
            .arg(available);
    return {};
}

bool makePrivateFolders(const QString &folder)
{
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (QFileInfo(absolute).isDir())
        return true;
    const QString parent = QFileInfo(absolute).path();
    if (parent == absolute || !makePrivateFolders(parent))
        return false;
    return QDir().mkdir(absolute, OwnerBits) || QFileInfo(absolute).isDir();
}

bool copyFileReplacing(const QString &source, const QString &target, QString *error,
                       const std::function<QString(const QString &copy)> &verify, const CopyProgress &progress)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (source.isEmpty())
        return fail(QStringLiteral("No file to copy was found"));
    if (target.isEmpty())
        return fail(QStringLiteral("No file to replace was found"));
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.exists())
        return fail(QStringLiteral("There is no file %1").arg(source));
    if (!sourceInfo.isFile())
        return fail(QStringLiteral("%1 is not a file").arg(source));
    // A backup into the database's own folder (or one linked to it) would be no copy at all.
    if (isSameFile(source, target))
        return fail(QStringLiteral("%1 and %2 are one file; a file is not copied onto itself").arg(source, target));
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1 cannot be read: %2").arg(source, in.errorString()));
    const QFileInfo targetInfo(target);
    if (!targetInfo.absoluteDir().exists())
        return fail(QStringLiteral("The folder %1 does not exist").arg(targetInfo.absolutePath()));
    if (const QString noRoom = checkRoom(targetInfo.absolutePath(), in.size()); !noRoom.isEmpty())
        return fail(noRoom);

    QString readFailure;
    const qint64 total = in.size();
    qint64 copied = 0;
    const auto copy = [&](QFile &out, QString *why) {
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(ChunkSize);
            if (chunk.isEmpty()) {
                if (in.error() == QFileDevice::NoError)
                    break;
                readFailure = QStringLiteral("%1 cannot be read: %2").arg(source, in.errorString());
                *why = readFailure;
                return false;
            }
            if (out.write(chunk) != chunk.size())
                return false;
            copied += chunk.size();
            if (progress)
                progress(copied, total);
        }
        return true;
    };
    const auto finish = [&](QFile &out) -> QString {
        if (targetInfo.exists()) {
            const QFile::Permissions replaced = targetInfo.permissions();
            if (!out.setPermissions((replaced & OwnerBits) | (replaced & sourceInfo.permissions() & OthersBits)))
                return QStringLiteral("Cannot set the permissions of %1").arg(target);
        }
        if (!verify)
            return {};
        if (!out.flush())
            return QStringLiteral("Cannot write %1: %2").arg(target, out.errorString());
        return verify(out.fileName());
    };
    QString why;
    if (writeFileWhole(target, copy, &why, AtTarget::Replace, finish))
        return true;
    return fail(readFailure.isEmpty() ? why : readFailure);
}
