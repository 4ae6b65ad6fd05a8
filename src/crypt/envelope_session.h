#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "envelope_header.h"
#include "recovery_key.h"
#include "secure_bytes.h"

struct CreatedEnvelope;
struct OpenedEnvelope;
struct EnvelopeSeam;

// An encrypted statement file, unlocked: the file key (in locked memory, wiped when the last
// session holding it goes) and the two key slots that wrap it. The payload (the serialized
// database) is only bytes here.
//
// Opening derives a key from the password once (about half a second); each save afterwards
// seals the payload anew under the same file key without deriving anything. A session is a
// value: a password change gives a new session, which the caller keeps once the file
// written with it is safely on disk, and drops, keeping the old one, when the write fails.
class EnvelopeSession
{
public:
    enum class UnlockedBy { Password, RecoveryKey };

    // The first bytes of a file are an envelope's magic (a plain database file is not).
    static bool looksEncrypted(QByteArrayView fileStart);

    // A new file key, its password slot and a recovery key of its own, the key derivation
    // calibrated on this computer. The recovery key is shown to the user once; nothing but
    // the slot keeps it.
    static CreatedEnvelope create(QByteArrayView payload, const QString &password);
    // Throws CryptError: Damaged or NewerFormat before any key is derived, then
    // WrongPassword. Nothing of a payload that fails its authentication is returned.
    static OpenedEnvelope open(QByteArrayView envelope, const QString &password);
    // As open, with a typed recovery key: MistypedRecoveryKey before anything is derived,
    // WrongRecoveryKey when it is not this file's.
    static OpenedEnvelope openWithRecoveryKey(QByteArrayView envelope, const QString &typedRecoveryKey);

    // The whole file for this payload: the same slots, a fresh stream.
    QByteArray seal(QByteArrayView payload) const;
    // The same file handed to `write` in order, piece by piece: the header, then each chunk
    // (at most 64 KiB and 17 bytes), so a save can stream it to disk without a second copy of
    // the payload in memory. A piece is valid only during its call; what `write` throws ends
    // the sealing and reaches the caller.
    void seal(QByteArrayView payload, const std::function<void(QByteArrayView piece)> &write) const;

    // The password slot wrapped anew for newPassword with a fresh salt and nonce and the
    // limits of the slot it replaces; the recovery slot is kept as it is. WrongPassword when
    // currentPassword is not the file's.
    EnvelopeSession withChangedPassword(const QString &currentPassword, const QString &newPassword) const;
    // The same for a session unlocked by the recovery key, which knows no current password
    // (std::logic_error for one unlocked by the password: that asks for the current one).
    EnvelopeSession withNewPassword(const QString &newPassword) const;

    UnlockedBy unlockedBy() const { return m_unlockedBy; }

private:
    friend CreatedEnvelope createEnvelopeWith(QByteArrayView payload, const QString &password, const EnvelopeSeam &seam);

    EnvelopeSession(std::shared_ptr<const SecureBytes> fileKey, const EnvelopeHeader &keySlots, UnlockedBy unlockedBy);
    static OpenedEnvelope unlock(QByteArrayView envelope, const SecureBytes &secret, EnvelopeFormat::SlotKind kind);
    EnvelopeSession withPasswordSlot(const QString &newPassword) const;

    std::shared_ptr<const SecureBytes> m_fileKey;
    EnvelopeHeader m_slots; // the slots of every file this session seals
    UnlockedBy m_unlockedBy;
};

struct CreatedEnvelope
{
    EnvelopeSession session;
    QByteArray envelope;
    RecoveryKey recoveryKey;
};

struct OpenedEnvelope
{
    EnvelopeSession session;
    QByteArray payload;
};
