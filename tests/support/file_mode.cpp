#include "file_mode.h"

#include <QFile>

#include <sys/stat.h>

#include <gtest/gtest.h>

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

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
