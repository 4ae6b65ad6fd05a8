#pragma once

#include <chrono>
#include <cstdint>

#include "secure_bytes.h"

// The cost of Argon2id (libsodium's crypto_pwhash, ALG_ARGON2ID13) for one key slot: passes
// over the memory and the memory in bytes. Stored in the slot, so a file opens with the
// limits it was made with on whatever computer it is opened.
struct KeyDerivationLimits
{
    std::uint32_t opslimit = 0;
    std::uint64_t memlimit = 0;

    // What a stored slot may ask for: libsodium's least, and at most what a desktop can
    // give without a hostile file making the program allocate or compute without end.
    static constexpr std::uint32_t MinimumOpslimit = 1;
    static constexpr std::uint32_t MaximumOpslimit = 256;
    static constexpr std::uint64_t MinimumMemlimit = 8192;
    static constexpr std::uint64_t MaximumMemlimit = std::uint64_t(1) << 30;
    bool acceptable() const;

    bool operator==(const KeyDerivationLimits &) const = default;
};

// The memory a new slot uses when the computer is quick enough, and the least it falls back
// to on a slow one.
inline constexpr std::uint64_t CalibrationMemlimit = std::uint64_t(64) << 20;
inline constexpr std::uint64_t CalibrationLeastMemlimit = std::uint64_t(16) << 20;
inline constexpr std::chrono::milliseconds CalibrationTarget{500};

// Limits under which one derivation costs about `target` of processor time on this computer:
// 64 MiB and as many passes as fit (at most MaximumOpslimit), or less memory and one pass
// where one pass over 64 MiB already costs more. Processor time rather than the clock, so
// other programs busy at that moment do not weaken the file for good.
KeyDerivationLimits calibrateKeyDerivation(std::chrono::milliseconds target = CalibrationTarget);

inline constexpr std::size_t DerivedKeyBytes = 32;
inline constexpr std::size_t KeyDerivationSaltBytes = 16;

// The 32-byte key that wraps the file key in a slot, derived from a secret (a password's
// bytes, a recovery key's) and the slot's salt and limits. Throws CryptError when the
// derivation cannot have its memory.
SecureBytes deriveKey(const SecureBytes &secret, const unsigned char *salt, const KeyDerivationLimits &limits);
