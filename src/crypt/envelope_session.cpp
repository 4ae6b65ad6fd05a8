#include "envelope_session.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include <sodium.h>

#include "crypt_error.h"
#include "envelope_seam.h"

using namespace EnvelopeFormat;

namespace {

using StreamState = crypto_secretstream_xchacha20poly1305_state;

void requirePassword(const QString &password)
{
    if (password.isEmpty())
        throw CryptError(CryptError::Kind::EmptyPassword,
                         QStringLiteral("An encrypted statement file needs a password; an empty one would protect nothing."));
}

template<std::size_t N>
void fill(std::array<unsigned char, N> &into, const std::array<unsigned char, N> *fixed)
{
    if (fixed)
        into = *fixed;
    else
        randombytes_buf(into.data(), N);
}

EnvelopeSlot wrapFileKey(SlotKind kind, const SecureBytes &fileKey, const SecureBytes &secret,
                         const KeyDerivationLimits &limits, const EnvelopeSeam::FixedValues *fixed)
{
    const std::size_t index = kind == SlotKind::Password ? 0 : 1;
    EnvelopeSlot slot;
    slot.kind = kind;
    slot.limits = limits;
    fill(slot.salt, fixed ? &fixed->salts[index] : nullptr);
    fill(slot.nonce, fixed ? &fixed->nonces[index] : nullptr);
    const SecureBytes wrappingKey = deriveKey(secret, slot.salt.data(), limits);
    const QByteArray additional = slot.additionalData();
    crypto_aead_xchacha20poly1305_ietf_encrypt(slot.wrappedKey.data(), nullptr, fileKey.data(), fileKey.size(),
                                               reinterpret_cast<const unsigned char *>(additional.constData()),
                                               std::size_t(additional.size()), nullptr, slot.nonce.data(),
                                               wrappingKey.data());
    return slot;
}

// The file key, or null when the secret is not the slot's (or the slot was forged).
std::shared_ptr<const SecureBytes> unwrapFileKey(const EnvelopeSlot &slot, const SecureBytes &secret)
{
    const SecureBytes wrappingKey = deriveKey(secret, slot.salt.data(), slot.limits);
    const QByteArray additional = slot.additionalData();
    auto fileKey = std::make_shared<SecureBytes>(FileKeyBytes);
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(fileKey->data(), nullptr, nullptr, slot.wrappedKey.data(),
                                                   slot.wrappedKey.size(),
                                                   reinterpret_cast<const unsigned char *>(additional.constData()),
                                                   std::size_t(additional.size()), slot.nonce.data(), wrappingKey.data())
        != 0)
        return nullptr;
    return fileKey;
}

StreamState *streamState(SecureBytes &memory)
{
    return reinterpret_cast<StreamState *>(memory.data());
}

// The payload of a file whose header has been read: every chunk authenticated in its place,
// the first with the whole header, the last, and only the last, final.
QByteArray openStream(QByteArrayView envelope, const EnvelopeHeader &header, const SecureBytes &fileKey)
{
    SecureBytes state(sizeof(StreamState));
    if (crypto_secretstream_xchacha20poly1305_init_pull(streamState(state), header.streamHeader.data(), fileKey.data()) != 0)
        throw CryptError::damaged();
    QByteArray payload(qsizetype(header.payloadLength), Qt::Uninitialized);
    const auto *from = reinterpret_cast<const unsigned char *>(envelope.data());
    auto *to = reinterpret_cast<unsigned char *>(payload.data());
    const qint64 chunks = chunkCount(header.payloadLength);
    qint64 left = header.payloadLength;
    for (qint64 i = 0; i < chunks; ++i) {
        const qint64 length = std::min(left, ChunkBytes);
        const unsigned char *chunk = from + HeaderBytes + i * (ChunkBytes + ChunkOverheadBytes);
        unsigned char tag = 0;
        const bool first = i == 0;
        const unsigned char expected = i == chunks - 1 ? crypto_secretstream_xchacha20poly1305_TAG_FINAL
                                                       : crypto_secretstream_xchacha20poly1305_TAG_MESSAGE;
        if (crypto_secretstream_xchacha20poly1305_pull(streamState(state), to + i * ChunkBytes, nullptr, &tag, chunk,
                                                       std::size_t(length + ChunkOverheadBytes), first ? from : nullptr,
                                                       first ? HeaderBytes : 0)
                != 0
            || tag != expected) {
            sodium_memzero(payload.data(), std::size_t(payload.size()));
            throw CryptError::damaged();
        }
        left -= length;
    }
    return payload;
}

} // namespace

EnvelopeSession::EnvelopeSession(std::shared_ptr<const SecureBytes> fileKey, const EnvelopeHeader &keySlots,
                                 UnlockedBy unlockedBy)
    : m_fileKey(std::move(fileKey)), m_slots(keySlots), m_unlockedBy(unlockedBy)
{
}

bool EnvelopeSession::looksEncrypted(QByteArrayView fileStart)
{
    return fileStart.size() >= qsizetype(Magic.size()) && std::memcmp(fileStart.data(), Magic.data(), Magic.size()) == 0;
}

CreatedEnvelope EnvelopeSession::create(QByteArrayView payload, const QString &password)
{
    requirePassword(password);
    // The computer's speed does not change while the program runs: measured once, the
    // limits serve every envelope it makes, and a second export does not wait for them.
    static const KeyDerivationLimits limits = calibrateKeyDerivation();
    return createEnvelopeWith(payload, password, {limits, std::nullopt});
}

CreatedEnvelope createEnvelopeWith(QByteArrayView payload, const QString &password, const EnvelopeSeam &seam)
{
    requirePassword(password);
    if (!seam.limits.acceptable())
        throw std::invalid_argument("key derivation limits a file could not be opened with");
    const EnvelopeSeam::FixedValues *fixed = seam.fixed ? &*seam.fixed : nullptr;
    auto fileKey = std::make_shared<SecureBytes>(FileKeyBytes);
    if (fixed)
        std::memcpy(fileKey->data(), fixed->fileKey.data(), FileKeyBytes);
    else
        crypto_secretstream_xchacha20poly1305_keygen(fileKey->data());
    RecoveryKey recoveryKey = fixed ? RecoveryKey::fromSecret(fixed->recoverySecret.data()) : RecoveryKey::generate();

    EnvelopeHeader keySlots;
    keySlots.keySlots[0] = wrapFileKey(SlotKind::Password, *fileKey, SecureBytes::fromPassword(password), seam.limits, fixed);
    keySlots.keySlots[1] = wrapFileKey(SlotKind::RecoveryKey, *fileKey, recoveryKey.secret(), seam.limits, fixed);
    EnvelopeSession session(std::move(fileKey), keySlots, EnvelopeSession::UnlockedBy::Password);
    QByteArray envelope = session.seal(payload);
    return {std::move(session), std::move(envelope), std::move(recoveryKey)};
}

OpenedEnvelope EnvelopeSession::open(QByteArrayView envelope, const QString &password)
{
    return unlock(envelope, SecureBytes::fromPassword(password), SlotKind::Password);
}

OpenedEnvelope EnvelopeSession::openWithRecoveryKey(QByteArrayView envelope, const QString &typedRecoveryKey)
{
    const RecoveryKey recoveryKey = RecoveryKey::parse(typedRecoveryKey);
    return unlock(envelope, recoveryKey.secret(), SlotKind::RecoveryKey);
}

OpenedEnvelope EnvelopeSession::unlock(QByteArrayView envelope, const SecureBytes &secret, SlotKind kind)
{
    const EnvelopeHeader header = EnvelopeHeader::read(envelope);
    const bool byPassword = kind == SlotKind::Password;
    auto fileKey = unwrapFileKey(header.keySlots[byPassword ? 0 : 1], secret);
    if (!fileKey) {
        if (byPassword)
            throw CryptError::wrongPassword();
        throw CryptError(CryptError::Kind::WrongRecoveryKey, QStringLiteral("Wrong recovery key for this statement file."));
    }
    QByteArray payload = openStream(envelope, header, *fileKey);
    return {EnvelopeSession(std::move(fileKey), header, byPassword ? UnlockedBy::Password : UnlockedBy::RecoveryKey),
            std::move(payload)};
}

QByteArray EnvelopeSession::seal(QByteArrayView payload) const
{
    QByteArray envelope;
    envelope.reserve(qsizetype(fileSize(payload.size())));
    seal(payload, [&](QByteArrayView piece) { envelope.append(piece); });
    return envelope;
}

void EnvelopeSession::seal(QByteArrayView payload, const std::function<void(QByteArrayView piece)> &write) const
{
    EnvelopeHeader header = m_slots;
    header.payloadLength = payload.size();
    SecureBytes state(sizeof(StreamState));
    crypto_secretstream_xchacha20poly1305_init_push(streamState(state), header.streamHeader.data(), m_fileKey->data());
    const QByteArray headerBytes = header.bytes();
    write(headerBytes);
    const auto *from = reinterpret_cast<const unsigned char *>(payload.data());
    QByteArray chunk(ChunkBytes + ChunkOverheadBytes, Qt::Uninitialized);
    auto *to = reinterpret_cast<unsigned char *>(chunk.data());
    const qint64 chunks = chunkCount(payload.size());
    qint64 left = payload.size();
    for (qint64 i = 0; i < chunks; ++i) {
        const qint64 length = std::min(left, ChunkBytes);
        const bool first = i == 0;
        const unsigned char tag = i == chunks - 1 ? crypto_secretstream_xchacha20poly1305_TAG_FINAL
                                                  : crypto_secretstream_xchacha20poly1305_TAG_MESSAGE;
        static const unsigned char nothing = 0;
        crypto_secretstream_xchacha20poly1305_push(
            streamState(state), to, nullptr, length ? from + i * ChunkBytes : &nothing, std::size_t(length),
            first ? reinterpret_cast<const unsigned char *>(headerBytes.constData()) : nullptr, first ? HeaderBytes : 0, tag);
        write(QByteArrayView(chunk.constData(), length + ChunkOverheadBytes));
        left -= length;
    }
}

EnvelopeSession EnvelopeSession::withChangedPassword(const QString &currentPassword, const QString &newPassword) const
{
    requirePassword(newPassword);
    const auto current = unwrapFileKey(m_slots.keySlots[0], SecureBytes::fromPassword(currentPassword));
    if (!current || !(*current == *m_fileKey))
        throw CryptError::wrongPassword();
    return withPasswordSlot(newPassword);
}

EnvelopeSession EnvelopeSession::withNewPassword(const QString &newPassword) const
{
    if (m_unlockedBy != UnlockedBy::RecoveryKey)
        throw std::logic_error("a password is set without the current one only after opening with the recovery key");
    return withPasswordSlot(newPassword);
}

EnvelopeSession EnvelopeSession::withPasswordSlot(const QString &newPassword) const
{
    requirePassword(newPassword);
    EnvelopeHeader keySlots = m_slots;
    keySlots.keySlots[0] = wrapFileKey(SlotKind::Password, *m_fileKey, SecureBytes::fromPassword(newPassword),
                                 m_slots.keySlots[0].limits, nullptr);
    return EnvelopeSession(m_fileKey, keySlots, m_unlockedBy);
}
