// A file encrypted once, with known keys, salts and nonces, kept beside the tests: every later
// version of the program must open it with its password and with its recovery key, and read
// back the recovery key as it was written down. When the format gains a version, this file
// stays and the new version's reference file joins it.
//
// WORTHSHEET_WRITE_REFERENCE_ENVELOPE=path makes TodaysWriterMakesItsHeaderByteForByte write
// the file this version makes there (only the stream header, its checksum and the chunks
// differ from the kept one, being random).
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include "crypt/crypt_error.h"
#include "crypt/envelope_header.h"
#include "crypt/envelope_seam.h"
#include "crypt/envelope_session.h"
#include "envelope_fixtures.h"

using namespace EnvelopeFormat;

namespace {

const QString ReferencePath = QStringLiteral(WORTHSHEET_CRYPT_TESTS_DIR "/reference-format-1.wse");
const QString ReferencePassword = QString::fromUtf8("Grüße aus Köln, 2025");
const QString ReferenceRecoveryKey = QStringLiteral("M2HT4-DADCC-NYSBC-BE5VE-QV0WY-9HYA0-SQ8D2-7NPSG");

EnvelopeSeam referenceSeam()
{
    EnvelopeSeam seam{{3, 32768}, EnvelopeSeam::FixedValues{}};
    for (unsigned i = 0; i < seam.fixed->fileKey.size(); ++i)
        seam.fixed->fileKey[i] = static_cast<unsigned char>(7 * i + 1);
    for (unsigned i = 0; i < seam.fixed->recoverySecret.size(); ++i)
        seam.fixed->recoverySecret[i] = static_cast<unsigned char>(0xa0 + 3 * i);
    for (unsigned slot = 0; slot < SlotCount; ++slot) {
        for (unsigned i = 0; i < seam.fixed->salts[slot].size(); ++i)
            seam.fixed->salts[slot][i] = static_cast<unsigned char>(0x10 + 0x20 * slot + i);
        for (unsigned i = 0; i < seam.fixed->nonces[slot].size(); ++i)
            seam.fixed->nonces[slot][i] = static_cast<unsigned char>(0x50 + 0x20 * slot + i);
    }
    return seam;
}

// Two chunks of text, the second short.
QByteArray referencePayload()
{
    QByteArray payload;
    for (int line = 1; payload.size() < 70000; ++line)
        payload += QByteArray("line ") + QByteArray::number(line).rightJustified(5, '0') + " of the reference statement file\n";
    payload.truncate(70000);
    return payload;
}

QByteArray referenceFile()
{
    QFile file(ReferencePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TEST(ReferenceEnvelope, OpensWithItsPasswordAndItsRecoveryKey)
{
    const QByteArray file = referenceFile();
    ASSERT_EQ(file.size(), fileSize(70000)) << ReferencePath.toStdString();
    const QByteArray payload = referencePayload();
    EXPECT_EQ(EnvelopeSession::open(file, ReferencePassword).payload, payload);
    EXPECT_EQ(EnvelopeSession::open(file, ReferencePassword.normalized(QString::NormalizationForm_D)).payload, payload);
    EXPECT_EQ(EnvelopeSession::openWithRecoveryKey(file, ReferenceRecoveryKey).payload, payload);
    EXPECT_EQ(RecoveryKey::fromSecret(referenceSeam().fixed->recoverySecret.data()).text(), ReferenceRecoveryKey);
}

TEST(ReferenceEnvelope, TodaysWriterMakesItsHeaderByteForByte)
{
    const CreatedEnvelope created = createEnvelopeWith(referencePayload(), ReferencePassword, referenceSeam());
    const QByteArray target = qEnvironmentVariable("WORTHSHEET_WRITE_REFERENCE_ENVELOPE").toLocal8Bit();
    if (!target.isEmpty()) {
        QFile out(QString::fromLocal8Bit(target));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(created.envelope) == created.envelope.size());
    }
    EXPECT_EQ(created.envelope.left(StreamHeaderOffset), referenceFile().left(StreamHeaderOffset));
    EXPECT_EQ(created.recoveryKey.text(), ReferenceRecoveryKey);
}

} // namespace
