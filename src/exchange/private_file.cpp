#include "private_file.h"

#include <QFile>
#include <QFileInfo>

#include "base/whole_file.h"
#include "data/engine/file_identity.h"
#include "exchange/exchange_error.h"

void writePrivateFile(const QString &path, const std::function<bool(QIODevice &device, QString *error)> &write)
{
    if (const QString refusal = outputRefusal(path); !refusal.isEmpty())
        throw ExchangeError(refusal);
    QString why;
    if (QFileInfo(path).isDir())
        why = QStringLiteral("it is a folder");
    else if (writeFileWhole(path, [&write](QFile &file, QString *error) { return write(file, error); }, &why))
        return;
    throw ExchangeError(QStringLiteral("%1 cannot be written: %2").arg(path, why));
}

void writePrivateFile(const QString &path, const QByteArray &content)
{
    writePrivateFile(path, [&](QIODevice &device, QString *) { return device.write(content) == content.size(); });
}
