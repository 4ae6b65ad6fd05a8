#pragma once

#include <QString>

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
