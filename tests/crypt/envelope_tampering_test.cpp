// Nothing but the file as it was written opens: a byte changed anywhere, a file cut at any
// length, bytes appended, chunks swapped or taken from another save are each refused, and
// refused as damaged rather than as a wrong password wherever the two can be told apart.
#include <optional>
#include <set>

#include <gtest/gtest.h>

#include <sodium.h>

#include "crypt/crypt_error.h"
#include "crypt/envelope_header.h"
#include "crypt/envelope_seam.h"
#include "envelope_fixtures.h"

using namespace EnvelopeFormat;
using Kind = CryptError::Kind;

namespace {

struct Region
{
    const char *name;
    qsizetype begin;
    qsizetype end;
    // How a forged change here (checksum redone) is refused, opening by password and by key.
    std::set<Kind> byPassword;
    std::set<Kind> byRecoveryKey;
};

// Changing a slot's derivation, salt, nonce or wrapped key makes its secret look wrong: the
// slot's authentication cannot tell a forger from a mistyped password. Everything else is
// damage. The version byte's other values name a newer format, or damage below ours.
const std::vector<Region> &headerRegions()
{
    static const std::set<Kind> damaged = {Kind::Damaged};
    static const std::vector<Region> regions = {
        {"magic", 0, 8, damaged, damaged},
        {"version", 8, 9, {Kind::Damaged, Kind::NewerFormat}, {Kind::Damaged, Kind::NewerFormat}},
        {"slot count and reserved", 9, FixedBytes, damaged, damaged},
        {"password slot", FixedBytes, FixedBytes + SlotBytes, {Kind::Damaged, Kind::WrongPassword}, damaged},
        {"recovery slot", FixedBytes + SlotBytes, PayloadLengthOffset, damaged, {Kind::Damaged, Kind::WrongRecoveryKey}},
        {"payload length", PayloadLengthOffset, StreamHeaderOffset, damaged, damaged},
        {"stream header", StreamHeaderOffset, ChecksumOffset, damaged, damaged},
    };
    return regions;
}

class EnvelopeTampering : public ::testing::Test
{
protected:
    // Three chunks, the last one short.
    const QByteArray m_payload = payloadOfSize(2 * ChunkBytes + 1000);
    const CreatedEnvelope m_created = createQuickly(m_payload);
    const QByteArray &m_envelope = m_created.envelope;
    const QString m_recoveryKey = m_created.recoveryKey.text();

    qsizetype chunkStart(int chunk) const { return HeaderBytes + chunk * (ChunkBytes + ChunkOverheadBytes); }
    QByteArray chunk(const QByteArray &envelope, int chunk) const
    {
        return envelope.mid(chunkStart(chunk), chunk < 2 ? ChunkBytes + ChunkOverheadBytes : -1);
    }

    void expectDamaged(const QByteArray &changed, const std::string &what) const
    {
        EXPECT_EQ(refusalByPassword(changed), Kind::Damaged) << what;
        EXPECT_EQ(refusalByRecoveryKey(changed, m_recoveryKey), Kind::Damaged) << what;
    }
};

TEST_F(EnvelopeTampering, TheUntouchedFileOpens)
{
    ASSERT_EQ(refusalByPassword(m_envelope), std::nullopt);
    ASSERT_EQ(refusalByRecoveryKey(m_envelope, m_recoveryKey), std::nullopt);
}

TEST_F(EnvelopeTampering, AnyChangedHeaderByteIsDamageFoundBeforeAnyKeyIsDerived)
{
    for (qsizetype at = 0; at < HeaderBytes; ++at) {
        for (const unsigned char flip : {0x01, 0x80, 0xff}) {
            QByteArray changed = m_envelope;
            changed[at] = char(changed[at] ^ flip);
            const std::optional<Kind> byPassword = refusalByPassword(changed);
            if (at == Magic.size() && byPassword == Kind::NewerFormat)
                continue; // a version above ours can only be told as such
            EXPECT_EQ(byPassword, Kind::Damaged) << "byte " << at << " ^ " << int(flip);
            EXPECT_EQ(refusalByRecoveryKey(changed, m_recoveryKey), Kind::Damaged) << "byte " << at << " ^ " << int(flip);
        }
    }
}

TEST_F(EnvelopeTampering, AForgedHeaderIsRefusedAtEveryByteWithItsChecksumMadeToMatch)
{
    for (const Region &region : headerRegions()) {
        for (qsizetype at = region.begin; at < region.end; ++at) {
            for (const unsigned char flip : {0x01, 0x80}) {
                QByteArray changed = m_envelope;
                changed[at] = char(changed[at] ^ flip);
                changed = withChecksumRedone(changed);
                const std::optional<Kind> byPassword = refusalByPassword(changed);
                const std::optional<Kind> byKey = refusalByRecoveryKey(changed, m_recoveryKey);
                ASSERT_TRUE(byPassword && byKey) << region.name << ", byte " << at << " ^ " << int(flip) << " opened";
                EXPECT_TRUE(region.byPassword.count(*byPassword)) << region.name << ", byte " << at << ": " << int(*byPassword);
                EXPECT_TRUE(region.byRecoveryKey.count(*byKey)) << region.name << ", byte " << at << ": " << int(*byKey);
            }
        }
    }
}

TEST_F(EnvelopeTampering, AChangedByteInAnyChunkIsRefused)
{
    for (int c = 0; c < 3; ++c) {
        const qsizetype begin = chunkStart(c);
        const qsizetype end = c < 2 ? chunkStart(c + 1) : m_envelope.size();
        // Both ends of the chunk (its tag byte, its authenticator) whole, the middle sampled.
        for (qsizetype at = begin; at < end; at += (at < begin + 40 || at >= end - 40) ? 1 : 997) {
            QByteArray changed = m_envelope;
            changed[at] = char(changed[at] ^ 0x04);
            EXPECT_EQ(refusalByPassword(changed), Kind::Damaged) << "chunk " << c << ", byte " << at;
        }
    }
}

TEST_F(EnvelopeTampering, ACutFileIsRefusedAtEveryLengthNearAHeaderOrChunkEnd)
{
    std::set<qsizetype> lengths;
    for (qsizetype at = 0; at <= HeaderBytes + 40; ++at)
        lengths.insert(at);
    for (const qsizetype boundary : {chunkStart(1), chunkStart(2), m_envelope.size()})
        for (qsizetype at = boundary - 40; at <= boundary + 40; ++at)
            if (at < m_envelope.size())
                lengths.insert(at);
    for (const qsizetype length : lengths)
        expectDamaged(m_envelope.left(length), "cut to " + std::to_string(length));

    // Cut at a chunk's end with the length redone, so the rest reads as a whole stream that
    // lacks its final chunk.
    for (const int chunks : {1, 2}) {
        QByteArray cut = m_envelope.left(chunkStart(chunks));
        const quint64 length = quint64(chunks) * quint64(ChunkBytes);
        for (int i = 0; i < 8; ++i)
            cut[PayloadLengthOffset + i] = char((length >> (8 * i)) & 0xff);
        expectDamaged(withChecksumRedone(cut), std::to_string(chunks) + " chunks left, length redone");
    }
}

TEST_F(EnvelopeTampering, AppendedBytesAreRefused)
{
    expectDamaged(m_envelope + '\0', "one byte appended");
    expectDamaged(m_envelope + m_envelope.right(1), "the last byte twice");
    expectDamaged(m_envelope + chunk(m_envelope, 2), "the last chunk twice");
    expectDamaged(m_envelope + m_created.session.seal(QByteArray("x")).mid(HeaderBytes), "another save's chunk appended");
}

TEST_F(EnvelopeTampering, ChunksOnlyOpenInTheirOwnPlaceOfTheirOwnSave)
{
    const QByteArray c0 = chunk(m_envelope, 0), c1 = chunk(m_envelope, 1), c2 = chunk(m_envelope, 2);
    const QByteArray header = m_envelope.left(HeaderBytes);
    expectDamaged(header + c1 + c0 + c2, "first two swapped");
    expectDamaged(header + c0 + c0 + c2, "first chunk twice");
    expectDamaged(header + c0 + c1 + c1.left(c2.size()), "second chunk in the third's place");

    // Another save of the same payload under the same file key: its chunks are of another
    // stream and fit nowhere in this one.
    const QByteArray other = m_created.session.seal(m_payload);
    ASSERT_EQ(other.size(), m_envelope.size());
    expectDamaged(header + c0 + chunk(other, 1) + c2, "a chunk of another save");
    expectDamaged(other.left(HeaderBytes) + c0 + chunk(other, 1) + chunk(other, 2), "another save's header on this file's first chunk");
}

// A writer holding the file key that ends its stream wrongly (a save cut short between two
// chunks) still does not make a file that opens.
TEST(EnvelopeStream, IsWholeOnlyWithItsOneFinalChunkLast)
{
    EnvelopeSeam seam{{KeyDerivationLimits::MinimumOpslimit, KeyDerivationLimits::MinimumMemlimit}, EnvelopeSeam::FixedValues{}};
    seam.fixed->fileKey.fill(0x42);
    const QByteArray payload = payloadOfSize(2 * ChunkBytes);
    const CreatedEnvelope created = createEnvelopeWith(payload, QString::fromUtf8(TestPassword), seam);
    const auto writtenWithTags = [&](unsigned char first, unsigned char second) {
        EnvelopeHeader header = EnvelopeHeader::read(created.envelope);
        crypto_secretstream_xchacha20poly1305_state state;
        crypto_secretstream_xchacha20poly1305_init_push(&state, header.streamHeader.data(), seam.fixed->fileKey.data());
        QByteArray file = header.bytes();
        const QByteArray additional = file;
        for (int i = 0; i < 2; ++i) {
            QByteArray chunk(ChunkBytes + ChunkOverheadBytes, Qt::Uninitialized);
            crypto_secretstream_xchacha20poly1305_push(
                &state, reinterpret_cast<unsigned char *>(chunk.data()), nullptr,
                reinterpret_cast<const unsigned char *>(payload.constData()) + i * ChunkBytes, ChunkBytes,
                i == 0 ? reinterpret_cast<const unsigned char *>(additional.constData()) : nullptr, i == 0 ? HeaderBytes : 0,
                i == 0 ? first : second);
            file += chunk;
        }
        return file;
    };
    constexpr unsigned char message = crypto_secretstream_xchacha20poly1305_TAG_MESSAGE;
    constexpr unsigned char final = crypto_secretstream_xchacha20poly1305_TAG_FINAL;
    constexpr unsigned char push = crypto_secretstream_xchacha20poly1305_TAG_PUSH;
    ASSERT_EQ(refusalByPassword(writtenWithTags(message, final)), std::nullopt) << "the stream as the program writes it";
    EXPECT_EQ(refusalByPassword(writtenWithTags(message, message)), Kind::Damaged) << "no final chunk";
    EXPECT_EQ(refusalByPassword(writtenWithTags(final, final)), Kind::Damaged) << "final before the end";
    EXPECT_EQ(refusalByPassword(writtenWithTags(final, message)), Kind::Damaged) << "final first";
    EXPECT_EQ(refusalByPassword(writtenWithTags(message, push)), Kind::Damaged) << "another tag last";
}

} // namespace
