#pragma once

#include <functional>

#include <QString>

// What a copy asks of the file system. Tests replace it to play a disk that fails to write
// its data through or has no room left; everything else uses the system's own calls.
struct FileSystemCalls
{
    // Makes what was written through the open descriptor (a file or a folder) durable.
    std::function<bool(int descriptor)> sync;
    // Bytes the user may still write in the folder, or -1 when the system cannot tell.
    std::function<qint64(const QString &folder)> bytesAvailable;
};

// The calls in use.
const FileSystemCalls &fileSystemCalls();

// Puts other calls in place for its lifetime (a test's scope).
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

// Copies source over target so that target is at every moment either its old self or a
// complete copy: the bytes go into a temporary file beside target, reach the disk, and only
// then is the temporary file renamed over target, and the folder's entry synced. On failure
// nothing new is left behind and *error (when given) says why. A target that is the source
// itself (through a link or a linked folder) is refused.
// The copy is private: a new file is readable and writable by its owner only; a replaced
// file keeps its owner's permissions and grants group and others no more than both the file
// replaced and the source did.
// verify, when given, sees the complete temporary copy before it replaces target; a non-empty
// answer refuses it and is the error.
bool copyFileReplacing(const QString &source, const QString &target, QString *error = nullptr,
                       const std::function<QString(const QString &copy)> &verify = {});

// Empty text when the folder has room for bytes more, else the reason.
QString checkRoom(const QString &folder, qint64 bytes);

// Makes a rename or a new entry in the folder durable: it is on disk once this returns true.
bool syncFolder(const QString &folder);

// Creates folder and the missing folders above it, each open to its owner only.
bool makePrivateFolders(const QString &folder);
