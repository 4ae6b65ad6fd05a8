#pragma once

#include <QString>

// Keeps every output off a statement database: while the object lives, no output may
// replace the file at path nor the journals SQLite keeps beside it (-journal, -wal, -shm).
// A connected Database holds one for its file.
class ProtectedFile
{
public:
    explicit ProtectedFile(const QString &path);
    ~ProtectedFile();
    ProtectedFile(const ProtectedFile &) = delete;
    ProtectedFile &operator=(const ProtectedFile &) = delete;

private:
    QString m_path;
};

// Empty text when an output may be written at path; otherwise why not, naming path: it is
// a protected database, one of its journals, or a file the program holds open. Files are
// compared by identity (device and inode, links followed), never by the text of the path,
// so a symbolic link, a hard link or a path through a linked folder is seen for the file
// it reaches; a path where no file is yet is compared by its folder's identity and name.
// Every routine that writes an output asks this before it creates anything.
QString outputRefusal(const QString &path);

// Whether both paths reach one existing file, however they are spelled.
bool isSameFile(const QString &first, const QString &second);
