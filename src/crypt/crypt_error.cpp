#include "crypt_error.h"

CryptError::CryptError(Kind kind, const QString &message)
    : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message)
{
}

CryptError CryptError::damaged()
{
    return CryptError(Kind::Damaged, QStringLiteral("The file is damaged or is not an encrypted statement file."));
}

CryptError CryptError::wrongPassword()
{
    return CryptError(Kind::WrongPassword, QStringLiteral("Wrong password for this statement file."));
}
