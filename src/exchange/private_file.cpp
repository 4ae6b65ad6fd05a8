#include "private_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "data/engine/file_identity.h"
#include "exchange/exchange_error.h"

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

void writePrivateFile(const QString &path, const std::function<bool(QIODevice &device, QString *error)> &write)
{
    const auto fail = [&](const QString &why) {
        throw ExchangeError(QStringLiteral("%1 cannot be written: %2").arg(path, why));
    };
    if (const QString refusal = outputRefusal(path); !refusal.isEmpty())
        throw ExchangeError(refusal);
    if (QFileInfo(path).isDir())
        fail(QStringLiteral("it is a folder"));
    QByteArray temporary = QFile::encodeName(path) + QByteArrayLiteral(".XXXXXX");
    // mkstemp creates the file 0600, whatever the umask.
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        fail(systemError());
    bool written = false;
    QString why;
    {
        QFile file;
        if (file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            written = write(file, &why) && file.flush();
            if (!written && why.isEmpty())
                why = file.errorString();
            file.close();
        } else {
            why = file.errorString();
        }
    }
    if (written && ::fsync(fd) != 0) {
        written = false;
        why = systemError();
    }
    if (::close(fd) != 0 && written) {
        written = false;
        why = systemError();
    }
    if (written && std::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        written = false;
        why = systemError();
    }
    if (!written) {
        ::unlink(temporary.constData());
        fail(why);
    }
}

void writePrivateFile(const QString &path, const QByteArray &content)
{
    writePrivateFile(path, [&](QIODevice &device, QString *) { return device.write(content) == content.size(); });
}
