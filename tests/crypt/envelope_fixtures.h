#pragma once

#include <optional>
#include <ostream>

#include <QByteArray>
#include <QString>

#include "crypt/crypt_error.h"
#include "crypt/envelope_seam.h"
#include "crypt/envelope_session.h"

// Texts in failure messages as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// Envelopes for the tests: made with the least key derivation libsodium allows, so a test can
// open thousands of them; everything else as the program makes them.
inline constexpr char TestPassword[] = "Tr0ub4dor & 3, at the bank";
CreatedEnvelope createQuickly(QByteArrayView payload, const QString &password = QString::fromUtf8(TestPassword));

// `size` bytes that look random and are the same for the same seed.
QByteArray payloadOfSize(qsizetype size, unsigned seed = 1);

// Opening `envelope` with the password, and with the recovery key when one is given: the
// kind of the failure, or nothing when it opened. A payload returned although the file
// was refused is impossible by construction, so opened means not refused.
std::optional<CryptError::Kind> refusalByPassword(QByteArrayView envelope, const QString &password = QString::fromUtf8(TestPassword));
std::optional<CryptError::Kind> refusalByRecoveryKey(QByteArrayView envelope, const QString &recoveryKey);

// A changed header with its checksum made to match again, as a forger would.
QByteArray withChecksumRedone(QByteArray envelope);
