#include "file_copy.h"

#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 ChunkSize = 1 << 20;

bool syncToDisk(QFile &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return file.flush();
#endif
}

// Makes the rename itself durable: the folder's entry is on disk once this returns.
void syncFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

// A new file beside target that no one else uses; the name says what it is if a crash leaves it.
bool openTemporary(const QString &target, QFile &temporary)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary.setFileName(target + QStringLiteral(".partial-")
                              + QString::number(QRandomGenerator::global()->generate(), 16));
        if (temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly))
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
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1 cannot be read: %2").arg(source, in.errorString()));
    const QFileInfo targetInfo(target);
    if (!targetInfo.absoluteDir().exists())
        return fail(QStringLiteral("The folder %1 does not exist").arg(targetInfo.absolutePath()));

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
    if (!out.flush() || !syncToDisk(out))
        return abandon(QStringLiteral("Cannot write %1 to the disk: %2").arg(target, out.errorString()));
    if (targetInfo.exists())
        out.setPermissions(targetInfo.permissions());
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
    syncFolder(targetInfo.absolutePath());
    return true;
}
