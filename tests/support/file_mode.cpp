#include "file_mode.h"

#include <QFile>

#include <sys/stat.h>

int fileMode(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return -1;
    return int(status.st_mode & 07777);
}

ScopedUmask::ScopedUmask(int mask) : m_saved(int(::umask(mode_t(mask))))
{
}

ScopedUmask::~ScopedUmask()
{
    ::umask(mode_t(m_saved));
}
