#include "file_copy.h"

#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStorageInfo>

#include "file_identity.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 ChunkSize = 1 << 20;
constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions OwnerBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions OthersBits = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
    | QFile::WriteOther | QFile::ExeOther;

FileSystemCalls systemCalls()
{
    FileSystemCalls calls;
    calls.sync = [](int descriptor) {
#ifdef Q_OS_UNIX
        return ::fsync(descriptor) == 0;
#else
        Q_UNUSED(descriptor);
        return true;
#endif
    };
    calls.bytesAvailable = [](const QString &folder) -> qint64 {
        const QStorageInfo storage(folder);
        return storage.isValid() ? storage.bytesAvailable() : -1;
    };
    return calls;
}

FileSystemCalls &currentCalls()
{
    static FileSystemCalls calls = systemCalls();
    return calls;
}

// A new file beside target that no one else uses and no one else may read; the name says
// what it is if a crash leaves it.
bool openTemporary(const QString &target, QFile &temporary)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary.setFileName(target + QStringLiteral(".partial-")
                              + QString::number(QRandomGenerator::global()->generate(), 16));
        if (temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly, OwnerOnly))
            return true;
        if (QFileInfo::exists(temporary.fileName()))
            continue;
        return false;
    }
    return false;
}

std::filesystem::path nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

} // namespace

const FileSystemCalls &fileSystemCalls()
{
    return currentCalls();
}

ScopedFileSystemCalls::ScopedFileSystemCalls(FileSystemCalls replacement) : m_saved(currentCalls())
{
    if (!replacement.sync)
        replacement.sync = m_saved.sync;
    if (!replacement.bytesAvailable)
        replacement.bytesAvailable = m_saved.bytesAvailable;
    currentCalls() = std::move(replacement);
}

ScopedFileSystemCalls::~ScopedFileSystemCalls()
{
    currentCalls() = std::move(m_saved);
}

bool syncFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = currentCalls().sync(fd);
    ::close(fd);
    return synced;
#else
    Q_UNUSED(folder);
    return true;
#endif
}

QString checkRoom(const QString &folder, qint64 bytes)
{
    const qint64 available = currentCalls().bytesAvailable(folder);
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
                       const std::function<QString(const QString &copy)> &verify)
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

    QFile out;
    if (!openTemporary(target, out))
        return fail(QStringLiteral("Cannot write in %1: %2").arg(targetInfo.absolutePath(), out.errorString()));
    const auto abandon = [&](const QString &why) {
        out.close();
        QFile::remove(out.fileName());
        return fail(why);
    };

    QByteArray chunk;
    while (!in.atEnd()) {
        chunk = in.read(ChunkSize);
        if (chunk.isEmpty()) {
            if (in.error() != QFileDevice::NoError)
                return abandon(QStringLiteral("%1 cannot be read: %2").arg(source, in.errorString()));
            break;
        }
        if (out.write(chunk) != chunk.size())
            return abandon(QStringLiteral("Cannot write %1: %2").arg(target, out.errorString()));
    }
    if (!out.flush() || !currentCalls().sync(out.handle()))
        return abandon(QStringLiteral("Cannot write %1 to the disk").arg(target));
    if (targetInfo.exists()) {
        const QFile::Permissions replaced = targetInfo.permissions();
        if (!out.setPermissions((replaced & OwnerBits) | (replaced & sourceInfo.permissions() & OthersBits)))
            return abandon(QStringLiteral("Cannot set the permissions of %1").arg(target));
    }
    out.close();
    if (out.error() != QFileDevice::NoError)
        return abandon(QStringLiteral("Cannot write %1: %2").arg(target, out.errorString()));
    if (verify)
        if (const QString refusal = verify(out.fileName()); !refusal.isEmpty())
            return abandon(refusal);

    // rename() replaces the target in one step; a directory of that name is not replaced.
    std::error_code failure;
    std::filesystem::rename(nativePath(out.fileName()), nativePath(target), failure);
    if (failure) {
        QFile::remove(out.fileName());
        return fail(QStringLiteral("Cannot replace %1: %2").arg(target, QString::fromStdString(failure.message())));
    }
    if (!syncFolder(targetInfo.absolutePath()))
        return fail(QStringLiteral("%1 was written, but the disk did not confirm it").arg(target));
    return true;
}
