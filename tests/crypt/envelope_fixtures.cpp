#include "envelope_fixtures.h"

#include <sodium.h>

CreatedEnvelope createQuickly(QByteArrayView payload, const QString &password)
{
    return createEnvelopeWith(payload, password, {{KeyDerivationLimits::MinimumOpslimit, KeyDerivationLimits::MinimumMemlimit}, {}});
}

QByteArray payloadOfSize(qsizetype size, unsigned seed)
{
    requireSodium();
    QByteArray bytes(size, Qt::Uninitialized);
    unsigned char key[randombytes_SEEDBYTES] = {};
    key[0] = static_cast<unsigned char>(seed);
    randombytes_buf_deterministic(bytes.data(), std::size_t(size), key);
    return bytes;
}

namespace {

template<typename Open>
std::optional<CryptError::Kind> refusal(Open open)
{
    try {
        open();
    } catch (const CryptError &error) {
        return error.kind();
    }
    return std::nullopt;
}

} // namespace

std::optional<CryptError::Kind> refusalByPassword(QByteArrayView envelope, const QString &password)
{
    return refusal([&] { EnvelopeSession::open(envelope, password); });
}

std::optional<CryptError::Kind> refusalByRecoveryKey(QByteArrayView envelope, const QString &recoveryKey)
{
    return refusal([&] { EnvelopeSession::openWithRecoveryKey(envelope, recoveryKey); });
}

QByteArray withChecksumRedone(QByteArray envelope)
{
    auto *bytes = reinterpret_cast<unsigned char *>(envelope.data());
    crypto_generichash(bytes + EnvelopeFormat::ChecksumOffset, EnvelopeFormat::ChecksumBytes, bytes,
                       EnvelopeFormat::ChecksumOffset, nullptr, 0);
    return envelope;
}
