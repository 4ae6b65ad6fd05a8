#pragma once

#include <QByteArray>
#include <QString>

// A file's bytes (none when it cannot be read), and a file written with the given bytes.
QByteArray fileBytes(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

// The permission bits of a file or folder (0600, 0755...), or -1 when it is missing.
int fileMode(const QString &path);

// Sets the process's umask for its lifetime, as a user's login would (022: files readable
// by everyone unless the program says otherwise).
class ScopedUmask
{
public:
    explicit ScopedUmask(int mask);
    ~ScopedUmask();
    ScopedUmask(const ScopedUmask &) = delete;
    ScopedUmask &operator=(const ScopedUmask &) = delete;

private:
    int m_saved;
};
