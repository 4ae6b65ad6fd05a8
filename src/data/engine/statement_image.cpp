#include "statement_image.h"

#include <QFile>

#include "crypt/crypt_error.h"
#include "crypt/envelope_session.h"
#include "engine_error.h"

QByteArray decryptStatementFile(const QString &path, const QString &password)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EngineError(QStringLiteral("The database file cannot be opened: ") + path);
    const QByteArray envelope = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EngineError(QStringLiteral("The database file cannot be read: ") + path);
    try {
        return EnvelopeSession::open(envelope, password).payload;
    } catch (const CryptError &e) {
        throw EngineError(e.message());
    }
}
