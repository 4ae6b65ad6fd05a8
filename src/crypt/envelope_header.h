#pragma once

#include <array>
#include <cstdint>

#include <QByteArray>
#include <QByteArrayView>

#include "key_derivation.h"

// The header of an encrypted statement file, format version 1 (docs/encrypted-file.md):
//
//   fixed part     magic, version, slot count, reserved               12 bytes
//   2 key slots    password slot, then recovery-key slot               104 bytes each
//   payload length of the plain payload, little-endian                  8 bytes
//   stream header  of the secretstream that holds the payload          24 bytes
//   checksum       BLAKE2b-128 of everything above                     16 bytes
//
// followed by the payload in chunks of 64 KiB, the first authenticated together with the
// whole header and the last marked final.
namespace EnvelopeFormat {

inline constexpr std::array<unsigned char, 8> Magic = {0x89, 'W', 'K', 'S', '\r', '\n', 0x1a, '\n'};
inline constexpr std::uint8_t Version = 1;
inline constexpr std::uint8_t SlotCount = 2;
inline constexpr int FixedBytes = 12;
inline constexpr int SlotBytes = 104;
inline constexpr int SlotAuthenticatedBytes = 32; // kind up to the salt: the rest is nonce and wrapped key
inline constexpr int NonceBytes = 24;
inline constexpr int FileKeyBytes = 32;
inline constexpr int WrappedKeyBytes = FileKeyBytes + 16;
inline constexpr int StreamHeaderBytes = 24;
inline constexpr int ChecksumBytes = 16;
inline constexpr int PayloadLengthOffset = FixedBytes + SlotCount * SlotBytes;
inline constexpr int StreamHeaderOffset = PayloadLengthOffset + 8;
inline constexpr int ChecksumOffset = StreamHeaderOffset + StreamHeaderBytes;
inline constexpr int HeaderBytes = ChecksumOffset + ChecksumBytes;
inline constexpr qint64 ChunkBytes = 65536;
inline constexpr int ChunkOverheadBytes = 17; // secretstream's tag byte and authenticator

enum class SlotKind : std::uint8_t { Password = 1, RecoveryKey = 2 };

// The number of chunks and the size of the file for a payload of `length` bytes: an empty
// payload is one empty final chunk, every other chunk but the last is full.
qint64 chunkCount(qint64 payloadLength);
qint64 fileSize(qint64 payloadLength);

} // namespace EnvelopeFormat

struct EnvelopeSlot
{
    EnvelopeFormat::SlotKind kind = EnvelopeFormat::SlotKind::Password;
    KeyDerivationLimits limits;
    std::array<unsigned char, KeyDerivationSaltBytes> salt{};
    std::array<unsigned char, EnvelopeFormat::NonceBytes> nonce{};
    std::array<unsigned char, EnvelopeFormat::WrappedKeyBytes> wrappedKey{};

    // What wrapping the file key authenticates besides it: the fixed part of the header and
    // this slot's kind, derivation and salt. Not the other slot, so either can be replaced
    // without the secret of the other, and nothing that changes with each save.
    QByteArray additionalData() const;
};

struct EnvelopeHeader
{
    std::array<EnvelopeSlot, EnvelopeFormat::SlotCount> keySlots;
    qint64 payloadLength = 0;
    std::array<unsigned char, EnvelopeFormat::StreamHeaderBytes> streamHeader{};

    // The header's bytes, its checksum included.
    QByteArray bytes() const;
    // The header of a whole file, checked before any key is derived: magic, version, the
    // exact size its payload length gives, the checksum, and every field within its range.
    // Throws CryptError: NewerFormat for a version above ours, Damaged for anything else.
    static EnvelopeHeader read(QByteArrayView file);
};
