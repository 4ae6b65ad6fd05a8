#pragma once

#include <functional>

#include <QByteArrayView>
#include <QString>

class QFile;

// What writing a file asks of the file system. Tests replace it to play a disk that fails to
// write its data through or has no room left; everything else uses the system's own calls.
struct FileSystemCalls
{
    // Makes what was written through the open descriptor (a file or a folder) durable.
    std::function<bool(int descriptor)> sync;
    // Bytes the user may still write in the folder, or -1 when the system cannot tell.
    std::function<qint64(const QString &folder)> bytesAvailable;
    // Writes bytes through the open file; false when not all of them were taken.
    std::function<bool(QFile &file, QByteArrayView bytes)> write;
};

// The calls in use.
const FileSystemCalls &fileSystemCalls();

// Puts other calls in place for its lifetime (a test's scope); a call left empty stays as it
// was.
class ScopedFileSystemCalls
{
public:
    explicit ScopedFileSystemCalls(FileSystemCalls replacement);
    ~ScopedFileSystemCalls();
    ScopedFileSystemCalls(const ScopedFileSystemCalls &) = delete;
    ScopedFileSystemCalls &operator=(const ScopedFileSystemCalls &) = delete;

private:
    FileSystemCalls m_saved;
};

// Makes a rename or a new entry in the folder durable: it is on disk once this returns true.
bool syncFolder(const QString &folder);

// How a file already at the target is met.
enum class AtTarget {
    Replace, // the new file takes its place in one step
    Keep,    // it stays, and the write fails
};

// Writes a file so that target is at every moment either what it was or the whole new file,
// and no one but its owner may read it meanwhile:
// 1. a new temporary file beside target, readable and writable by its owner alone (0600);
// 2. fill writes it through the open file (a writer that opens files by name, such as
//    SQLite, finds it at file.fileName()); false abandons it, with *why saying why;
// 3. its bytes reach the disk (FileSystemCalls::sync);
// 4. finish, when given, sees the complete temporary file, still open, and may change its
//    permissions or refuse it with a non-empty reason;
// 5. it takes target's name, and the folder's entry reaches the disk.
// On failure no temporary file is left and *error (when given) says why; a failure of the
// last step leaves the new file in place but is still reported, since the disk did not
// confirm it.
bool writeFileWhole(const QString &target, const std::function<bool(QFile &file, QString *why)> &fill,
                    QString *error = nullptr, AtTarget atTarget = AtTarget::Replace,
                    const std::function<QString(QFile &file)> &finish = {});
