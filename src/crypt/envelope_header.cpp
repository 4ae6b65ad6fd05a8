#include "envelope_header.h"

#include <cstring>

#include <QtEndian>

#include <sodium.h>

#include "crypt_error.h"

using namespace EnvelopeFormat;

static_assert(NonceBytes == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
static_assert(WrappedKeyBytes == FileKeyBytes + crypto_aead_xchacha20poly1305_ietf_ABYTES);
static_assert(FileKeyBytes == crypto_secretstream_xchacha20poly1305_KEYBYTES);
static_assert(StreamHeaderBytes == crypto_secretstream_xchacha20poly1305_HEADERBYTES);
static_assert(ChunkOverheadBytes == crypto_secretstream_xchacha20poly1305_ABYTES);
static_assert(SlotBytes == SlotAuthenticatedBytes + NonceBytes + WrappedKeyBytes);
static_assert(HeaderBytes == 268);

namespace {

constexpr std::uint8_t Argon2id = crypto_pwhash_ALG_ARGON2ID13;
static_assert(Argon2id == 2, "the stored algorithm number is libsodium's for Argon2id version 1.3");

void appendFixedPart(QByteArray &out)
{
    out.append(reinterpret_cast<const char *>(Magic.data()), Magic.size());
    out.append(char(Version));
    out.append(char(SlotCount));
    out.append(2, '\0');
}

template<typename T>
void appendLittleEndian(QByteArray &out, T value)
{
    unsigned char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(reinterpret_cast<const char *>(bytes), sizeof(T));
}

template<std::size_t N>
void appendBytes(QByteArray &out, const std::array<unsigned char, N> &bytes)
{
    out.append(reinterpret_cast<const char *>(bytes.data()), N);
}

void appendSlotAuthenticated(QByteArray &out, const EnvelopeSlot &slot)
{
    out.append(char(slot.kind));
    out.append(char(Argon2id));
    out.append(2, '\0');
    appendLittleEndian<std::uint32_t>(out, slot.limits.opslimit);
    appendLittleEndian<std::uint64_t>(out, slot.limits.memlimit);
    appendBytes(out, slot.salt);
}

class Reader
{
public:
    explicit Reader(const unsigned char *at)
        : m_at(at)
    {
    }
    std::uint8_t byte() { return *m_at++; }
    template<typename T>
    T littleEndian()
    {
        const T value = qFromLittleEndian<T>(m_at);
        m_at += sizeof(T);
        return value;
    }
    template<std::size_t N>
    void bytes(std::array<unsigned char, N> &into)
    {
        std::memcpy(into.data(), m_at, N);
        m_at += N;
    }

private:
    const unsigned char *m_at;
};

} // namespace

qint64 EnvelopeFormat::chunkCount(qint64 payloadLength)
{
    return payloadLength == 0 ? 1 : (payloadLength + ChunkBytes - 1) / ChunkBytes;
}

qint64 EnvelopeFormat::fileSize(qint64 payloadLength)
{
    return HeaderBytes + payloadLength + chunkCount(payloadLength) * ChunkOverheadBytes;
}

QByteArray EnvelopeSlot::additionalData() const
{
    QByteArray out;
    appendFixedPart(out);
    appendSlotAuthenticated(out, *this);
    return out;
}

QByteArray EnvelopeHeader::bytes() const
{
    QByteArray out;
    out.reserve(HeaderBytes);
    appendFixedPart(out);
    for (const EnvelopeSlot &slot : keySlots) {
        appendSlotAuthenticated(out, slot);
        appendBytes(out, slot.nonce);
        appendBytes(out, slot.wrappedKey);
    }
    appendLittleEndian<std::uint64_t>(out, std::uint64_t(payloadLength));
    appendBytes(out, streamHeader);
    unsigned char checksum[ChecksumBytes];
    crypto_generichash(checksum, sizeof checksum, reinterpret_cast<const unsigned char *>(out.constData()),
                       std::size_t(out.size()), nullptr, 0);
    out.append(reinterpret_cast<const char *>(checksum), sizeof checksum);
    return out;
}

EnvelopeHeader EnvelopeHeader::read(QByteArrayView file)
{
    const auto *data = reinterpret_cast<const unsigned char *>(file.data());
    if (file.size() < qsizetype(Magic.size() + 1) || std::memcmp(data, Magic.data(), Magic.size()) != 0)
        throw CryptError::damaged();
    const std::uint8_t version = data[Magic.size()];
    if (version > Version)
        throw CryptError(CryptError::Kind::NewerFormat,
                         QStringLiteral("This encrypted statement file has format %1, which this version of the program "
                                        "cannot read (it reads format %2). A newer version of the program wrote it, or it "
                                        "is damaged.")
                             .arg(version)
                             .arg(Version));
    if (version != Version || file.size() < HeaderBytes)
        throw CryptError::damaged();

    unsigned char checksum[ChecksumBytes];
    crypto_generichash(checksum, sizeof checksum, data, ChecksumOffset, nullptr, 0);
    if (sodium_memcmp(checksum, data + ChecksumOffset, ChecksumBytes) != 0)
        throw CryptError::damaged();

    Reader reader(data + Magic.size() + 1);
    if (reader.byte() != SlotCount || reader.littleEndian<std::uint16_t>() != 0)
        throw CryptError::damaged();
    EnvelopeHeader header;
    const SlotKind kinds[SlotCount] = {SlotKind::Password, SlotKind::RecoveryKey};
    for (int i = 0; i < SlotCount; ++i) {
        EnvelopeSlot &slot = header.keySlots[std::size_t(i)];
        slot.kind = SlotKind(reader.byte());
        const std::uint8_t algorithm = reader.byte();
        const auto reserved = reader.littleEndian<std::uint16_t>();
        slot.limits.opslimit = reader.littleEndian<std::uint32_t>();
        slot.limits.memlimit = reader.littleEndian<std::uint64_t>();
        reader.bytes(slot.salt);
        reader.bytes(slot.nonce);
        reader.bytes(slot.wrappedKey);
        if (slot.kind != kinds[i] || algorithm != Argon2id || reserved != 0 || !slot.limits.acceptable())
            throw CryptError::damaged();
    }
    const auto length = reader.littleEndian<std::uint64_t>();
    reader.bytes(header.streamHeader);
    // A length beyond the file cannot be, and comparing it first keeps the size from overflowing.
    if (length > std::uint64_t(file.size()) || fileSize(qint64(length)) != file.size())
        throw CryptError::damaged();
    header.payloadLength = qint64(length);
    return header;
}
