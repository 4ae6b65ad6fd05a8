// The envelope keeps a payload byte for byte and gives it back only whole: with the password
// or the recovery key, after any number of saves and password changes.
#include <algorithm>
#include <stdexcept>

#include <QString>

#include <gtest/gtest.h>

#include "crypt/crypt_error.h"
#include "crypt/envelope_header.h"
#include "crypt/envelope_session.h"
#include "envelope_fixtures.h"

using namespace EnvelopeFormat;

namespace {

const QString Password = QString::fromUtf8(TestPassword);

TEST(EnvelopeRoundTrip, KeepsThePayloadByteForByteAtEverySizeAroundAChunk)
{
    for (const qsizetype size : {qsizetype(0), qsizetype(1), ChunkBytes - 1, ChunkBytes, ChunkBytes + 1,
                                 3 * ChunkBytes, qsizetype(3'000'017)}) {
        SCOPED_TRACE(size);
        const QByteArray payload = payloadOfSize(size);
        const CreatedEnvelope created = createQuickly(payload);
        EXPECT_EQ(created.envelope.size(), HeaderBytes + size + chunkCount(size) * ChunkOverheadBytes);
        EXPECT_TRUE(EnvelopeSession::looksEncrypted(created.envelope));
        if (size >= 64)
            EXPECT_EQ(created.envelope.indexOf(payload.left(64)), -1) << "the payload shows through";

        const OpenedEnvelope byPassword = EnvelopeSession::open(created.envelope, Password);
        EXPECT_EQ(byPassword.payload, payload);
        EXPECT_EQ(byPassword.session.unlockedBy(), EnvelopeSession::UnlockedBy::Password);
        const OpenedEnvelope byRecovery = EnvelopeSession::openWithRecoveryKey(created.envelope, created.recoveryKey.text());
        EXPECT_EQ(byRecovery.payload, payload);
        EXPECT_EQ(byRecovery.session.unlockedBy(), EnvelopeSession::UnlockedBy::RecoveryKey);

        // Streamed to a writer, the same file arrives in pieces no larger than a chunk.
        QByteArray streamed;
        qsizetype largest = 0;
        byPassword.session.seal(payload, [&](QByteArrayView piece) {
            streamed += piece;
            largest = std::max(largest, piece.size());
        });
        EXPECT_EQ(streamed.size(), created.envelope.size());
        EXPECT_LE(largest, std::max<qsizetype>(HeaderBytes, ChunkBytes + ChunkOverheadBytes));
        EXPECT_EQ(EnvelopeSession::open(streamed, Password).payload, payload);

        // A save of the opened file, and of what the creator kept, opens as well.
        EXPECT_EQ(EnvelopeSession::open(byPassword.session.seal(payload), Password).payload, payload);
        EXPECT_EQ(EnvelopeSession::openWithRecoveryKey(created.session.seal(payload), created.recoveryKey.text()).payload,
                  payload);
    }
}

TEST(EnvelopeRoundTrip, EverySaveIsANewStreamSoNoTwoFilesShareCiphertext)
{
    const QByteArray payload = payloadOfSize(2 * ChunkBytes);
    const CreatedEnvelope created = createQuickly(payload);
    const QByteArray first = created.session.seal(payload);
    const QByteArray second = created.session.seal(payload);
    EXPECT_EQ(first.left(StreamHeaderOffset), second.left(StreamHeaderOffset)) << "the slots stay as they are";
    EXPECT_NE(first.mid(StreamHeaderOffset, StreamHeaderBytes), second.mid(StreamHeaderOffset, StreamHeaderBytes));
    for (qsizetype at = HeaderBytes; at + 16 <= first.size(); at += ChunkBytes / 2)
        EXPECT_NE(first.mid(at, 16), second.mid(at, 16)) << "at " << at;
}

TEST(EnvelopeRoundTrip, APasswordOpensWhicheverWayItsAccentsWereTyped)
{
    const QString composed = QString::fromUtf8("Grüße aus Zürich");
    const QString decomposed = composed.normalized(QString::NormalizationForm_D);
    ASSERT_NE(composed, decomposed);
    const QByteArray payload = payloadOfSize(100);
    EXPECT_EQ(EnvelopeSession::open(createQuickly(payload, decomposed).envelope, composed).payload, payload);
    EXPECT_EQ(EnvelopeSession::open(createQuickly(payload, composed).envelope, decomposed).payload, payload);
}

TEST(EnvelopeUnlocking, AWrongPasswordOrKeyIsToldApartFromADamagedFile)
{
    const CreatedEnvelope created = createQuickly(payloadOfSize(1000));
    const CreatedEnvelope other = createQuickly(payloadOfSize(1000));
    try {
        EnvelopeSession::open(created.envelope, Password + QLatin1Char('!'));
        FAIL() << "a wrong password opened the file";
    } catch (const CryptError &error) {
        EXPECT_EQ(error.kind(), CryptError::Kind::WrongPassword);
        EXPECT_EQ(error.message(), QStringLiteral("Wrong password for this statement file."));
        EXPECT_STREQ(error.what(), "Wrong password for this statement file.");
    }
    try {
        EnvelopeSession::openWithRecoveryKey(created.envelope, other.recoveryKey.text());
        FAIL() << "another file's recovery key opened the file";
    } catch (const CryptError &error) {
        EXPECT_EQ(error.kind(), CryptError::Kind::WrongRecoveryKey);
        EXPECT_EQ(error.message(), QStringLiteral("Wrong recovery key for this statement file."));
    }
    EXPECT_EQ(refusalByPassword(created.envelope, QString()), CryptError::Kind::WrongPassword);

    const QByteArray plainDatabase = QByteArray("SQLite format 3\0", 16) + payloadOfSize(4080);
    for (const QByteArray &notOurs : {plainDatabase, QByteArray(), created.envelope.left(7), QByteArray(HeaderBytes, '\0')}) {
        EXPECT_FALSE(EnvelopeSession::looksEncrypted(notOurs));
        try {
            EnvelopeSession::open(notOurs, Password);
            FAIL() << "a file that is no envelope opened";
        } catch (const CryptError &error) {
            EXPECT_EQ(error.kind(), CryptError::Kind::Damaged);
            EXPECT_EQ(error.message(), QStringLiteral("The file is damaged or is not an encrypted statement file."));
        }
    }
}

TEST(EnvelopeUnlocking, AFileOfANewerFormatSaysSo)
{
    QByteArray envelope = createQuickly(payloadOfSize(10)).envelope;
    envelope[Magic.size()] = 2;
    try {
        EnvelopeSession::open(envelope, Password);
        FAIL() << "a newer format opened";
    } catch (const CryptError &error) {
        EXPECT_EQ(error.kind(), CryptError::Kind::NewerFormat);
        EXPECT_TRUE(error.message().contains(QStringLiteral("format 2"))) << error.what();
        EXPECT_TRUE(error.message().contains(QStringLiteral("reads format 1"))) << error.what();
    }
}

TEST(EnvelopeUnlocking, AnEmptyPasswordEncryptsNothing)
{
    EXPECT_THROW(createQuickly(payloadOfSize(10), QString()), CryptError);
    try {
        EnvelopeSession::create(payloadOfSize(10), QString());
        FAIL() << "an empty password made a file";
    } catch (const CryptError &error) {
        EXPECT_EQ(error.kind(), CryptError::Kind::EmptyPassword);
    }
    const CreatedEnvelope created = createQuickly(payloadOfSize(10));
    EXPECT_THROW(created.session.withChangedPassword(Password, QString()), CryptError);
}

TEST(EnvelopePasswords, AChangedPasswordReplacesTheOldOneAndKeepsTheRecoveryKey)
{
    const QByteArray payload = payloadOfSize(ChunkBytes + 5);
    const CreatedEnvelope created = createQuickly(payload);
    const QString newPassword = QStringLiteral("a much longer passphrase of 2025");
    const EnvelopeSession changed = created.session.withChangedPassword(Password, newPassword);
    const QByteArray saved = changed.seal(payload);

    EXPECT_EQ(EnvelopeSession::open(saved, newPassword).payload, payload);
    EXPECT_EQ(refusalByPassword(saved, Password), CryptError::Kind::WrongPassword);
    EXPECT_EQ(EnvelopeSession::openWithRecoveryKey(saved, created.recoveryKey.text()).payload, payload);
    EXPECT_EQ(saved.mid(FixedBytes + SlotBytes, SlotBytes), created.envelope.mid(FixedBytes + SlotBytes, SlotBytes))
        << "the recovery slot is kept byte for byte";

    // The session the change was made from is untouched: a write of the changed file that
    // fails leaves the caller with the old password, as the disk has it.
    EXPECT_EQ(EnvelopeSession::open(created.session.seal(payload), Password).payload, payload);
    // And the change can be made again from the file as it was saved.
    const EnvelopeSession again = EnvelopeSession::open(saved, newPassword).session.withChangedPassword(newPassword, Password);
    EXPECT_EQ(EnvelopeSession::open(again.seal(payload), Password).payload, payload);
}

TEST(EnvelopePasswords, AChangeNeedsTheCurrentPassword)
{
    const CreatedEnvelope created = createQuickly(payloadOfSize(10));
    try {
        created.session.withChangedPassword(QStringLiteral("a guess"), QStringLiteral("mine now"));
        FAIL() << "the password changed without the current one";
    } catch (const CryptError &error) {
        EXPECT_EQ(error.kind(), CryptError::Kind::WrongPassword);
    }
    EXPECT_THROW(created.session.withNewPassword(QStringLiteral("mine now")), std::logic_error);
}

TEST(EnvelopePasswords, TheRecoveryKeyOpensAndSetsANewPasswordAndKeepsWorking)
{
    const QByteArray payload = payloadOfSize(3 * ChunkBytes + 7);
    const CreatedEnvelope created = createQuickly(payload);
    // Written down with spaces for dashes and in lower case, as a user may type it back.
    const QString typed = created.recoveryKey.text().toLower().replace(QLatin1Char('-'), QLatin1Char(' '));
    const OpenedEnvelope recovered = EnvelopeSession::openWithRecoveryKey(created.envelope, typed);
    ASSERT_EQ(recovered.payload, payload);

    const QString newPassword = QStringLiteral("remembered this time");
    const QByteArray saved = recovered.session.withNewPassword(newPassword).seal(recovered.payload);
    EXPECT_EQ(EnvelopeSession::open(saved, newPassword).payload, payload);
    EXPECT_EQ(refusalByPassword(saved, Password), CryptError::Kind::WrongPassword);
    const OpenedEnvelope againByKey = EnvelopeSession::openWithRecoveryKey(saved, typed);
    EXPECT_EQ(againByKey.payload, payload);
    const QByteArray savedAgain = againByKey.session.withNewPassword(Password).seal(payload);
    EXPECT_EQ(EnvelopeSession::open(savedAgain, Password).payload, payload);
}

} // namespace
