#pragma once

#include <stdexcept>

#include <QString>

// Every failure of the encrypted envelope: its kind, for the caller that reacts to it (ask
// the password again, offer the recovery key), and a message to show as it is.
class CryptError : public std::runtime_error
{
public:
    enum class Kind {
        WrongPassword,
        WrongRecoveryKey,
        MistypedRecoveryKey, // a group does not match its check, or the key is not 8 groups
        EmptyPassword,
        Damaged,             // changed, cut or extended, or not an encrypted statement file
        NewerFormat,         // a format version this program does not read
        OutOfMemory,         // the key derivation could not have its memory
        Unavailable,         // the cryptographic library could not start
    };

    CryptError(Kind kind, const QString &message);

    Kind kind() const { return m_kind; }
    QString message() const { return m_message; }

    static CryptError damaged();
    static CryptError wrongPassword();

private:
    Kind m_kind;
    QString m_message;
};
