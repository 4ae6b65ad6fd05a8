#include "whole_file.h"

#include <filesystem>
#include <system_error>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStorageInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

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
    calls.write = [](QFile &file, QByteArrayView bytes) {
        return file.write(bytes.data(), bytes.size()) == bytes.size();
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
        if (temporary.open(QIODevice::ReadWrite | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner))
            return true;
        if (!QFileInfo::exists(temporary.fileName()))
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
    if (!replacement.write)
        replacement.write = m_saved.write;
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

bool writeFileWhole(const QString &target, const std::function<bool(QFile &file, QString *why)> &fill,
                    QString *error, AtTarget atTarget, const std::function<QString(QFile &file)> &finish)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QString folder = QFileInfo(target).absolutePath();
    if (atTarget == AtTarget::Keep && QFileInfo::exists(target))
        return fail(QStringLiteral("A file already exists at %1").arg(target));

    QFile file;
    if (!openTemporary(target, file))
        return fail(QStringLiteral("Cannot write in %1: %2").arg(folder, file.errorString()));
    const auto abandon = [&](const QString &why) {
        file.close();
        QFile::remove(file.fileName());
        return fail(why);
    };

    QString why;
    if (!fill(file, &why))
        return abandon(QStringLiteral("Cannot write %1: %2").arg(target, why.isEmpty() ? file.errorString() : why));
    if (!file.flush())
        return abandon(QStringLiteral("Cannot write %1: %2").arg(target, file.errorString()));
    if (!currentCalls().sync(file.handle()))
        return abandon(QStringLiteral("Cannot write %1 to the disk").arg(target));
    if (finish)
        if (const QString refusal = finish(file); !refusal.isEmpty())
            return abandon(refusal);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return abandon(QStringLiteral("Cannot write %1: %2").arg(target, file.errorString()));

    if (atTarget == AtTarget::Replace) {
        // rename() replaces the target in one step; a folder of that name is not replaced.
        std::error_code failure;
        std::filesystem::rename(nativePath(file.fileName()), nativePath(target), failure);
        if (failure) {
            QFile::remove(file.fileName());
            return fail(QStringLiteral("Cannot replace %1: %2").arg(target, QString::fromStdString(failure.message())));
        }
    } else if (!QFile::rename(file.fileName(), target)) {
        // This rename never replaces a file: one that appeared meanwhile stays as it is.
        QFile::remove(file.fileName());
        if (QFileInfo::exists(target))
            return fail(QStringLiteral("A file already exists at %1").arg(target));
        return fail(QStringLiteral("Cannot put the file at %1").arg(target));
    }
    if (!syncFolder(folder))
        return fail(QStringLiteral("%1 was written, but the disk did not confirm it").arg(target));
    return true;
}
