#pragma once

#include <array>
#include <optional>

#include <QByteArrayView>
#include <QString>

#include "envelope_header.h"
#include "key_derivation.h"
#include "recovery_key.h"

struct CreatedEnvelope;

// What a new envelope takes from the computer, given instead: for the tests, which cannot
// spend half a second and 64 MiB on every file they make, and for the reference file, made
// once with known keys, salts and nonces so that every later version can be shown to open it.
// The program itself creates only through EnvelopeSession::create.
struct EnvelopeSeam
{
    KeyDerivationLimits limits;

    struct FixedValues
    {
        std::array<unsigned char, EnvelopeFormat::FileKeyBytes> fileKey{};
        std::array<unsigned char, RecoveryKey::SecretBytes> recoverySecret{};
        // Per slot: the password's, then the recovery key's.
        std::array<std::array<unsigned char, KeyDerivationSaltBytes>, EnvelopeFormat::SlotCount> salts{};
        std::array<std::array<unsigned char, EnvelopeFormat::NonceBytes>, EnvelopeFormat::SlotCount> nonces{};
    };
    std::optional<FixedValues> fixed; // unset: random, as in the program
};

CreatedEnvelope createEnvelopeWith(QByteArrayView payload, const QString &password, const EnvelopeSeam &seam);
