// The encrypted statement file behind the one door to the file: opened whole into memory,
// written whole after every committed action with the generation before kept beside it, refused
// untouched when changed in any byte or opened with the wrong secret, and never holding a
// plain database anywhere once the program is done with it.
//
// WORTHSHEET_WRITE_REFERENCE_STATEMENT_FILE=path makes TheReferenceFileOpensWithItsSecrets
// write the file this version makes there, to be kept as tests/data/files/.
#include <functional>
#include <map>
#include <random>
#include <vector>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "base/whole_file.h"
#include "crypt/envelope_header.h"
#include "crypt/envelope_seam.h"
#include "data/engine/engine_error.h"
#include "data/engine/query.h"
#include "data/engine/table.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "fixture.h"
#include "support/child_process.h"
#include "support/file_mode.h"

namespace {

const QString Password = QStringLiteral("correct horse battery staple");
const QByteArray SqliteMagic("SQLite format 3\0", 16);

// The least key derivation libsodium allows: the tests open hundreds of files.
const EnvelopeSeam QuickSeam{{1, 8192}, std::nullopt};

struct FileState
{
    QByteArray bytes;
    QDateTime modified;
    bool operator==(const FileState &) const = default;
};
using FolderState = std::map<QString, FileState>;

FolderState folderState(const QString &folder)
{
    FolderState state;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
        state[info.fileName()] = {fileBytes(info.filePath()), info.lastModified()};
    return state;
}

// Files of the folder that hold a plain database anywhere in them.
QStringList plainDatabasesIn(const QString &folder)
{
    QStringList found;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
        if (fileBytes(info.filePath()).contains(SqliteMagic))
            found << info.fileName();
    return found;
}

qint64 clientCount(Database &db)
{
    Query count(db, "SELECT COUNT(*) FROM Client");
    count.next();
    return count.integer(0);
}

void addClient(Database &db, const QString &lastName)
{
    Database::Transaction action(db);
    Query(db, "INSERT INTO Client (LastName) VALUES (?)").bind(1, lastName).exec();
    action.Commit();
}

class EncryptedFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("wks.ABS"));
        // Large enough for several chunks of the envelope.
        QString error;
        ASSERT_TRUE(writeFixture(m_path, FixtureMinimumStatements, &error)) << error.toStdString();
        m_plain = fileBytes(m_path);
    }

    // Encrypts the file and returns its recovery key.
    QString encrypt()
    {
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(m_path);
        dm.db1.SetConnected(true);
        const QString recoveryKey = dm.db1.Encrypt(Password, &QuickSeam);
        EXPECT_TRUE(dm.db1.Encrypted());
        return recoveryKey;
    }

    void open(Tdm1 &dm, const QString &secret, Database::Secret kind = Database::Secret::Password)
    {
        dm.db1.SetDatabaseFileName(m_path);
        dm.db1.SetSecret(kind, secret);
        dm.db1.SetConnected(true);
    }

    QString path(const char *suffix) const { return m_path + QLatin1String(suffix); }

    QTemporaryDir m_dir;
    QString m_path;
    QByteArray m_plain;
};

TEST_F(EncryptedFileTest, ARoundTripKeepsTheDatabaseByteForByteWithEitherSecret)
{
    const QString recoveryKey = encrypt();
    EXPECT_FALSE(fileBytes(m_path).contains(SqliteMagic));
    EXPECT_EQ(fileMode(m_path), 0600);
    EXPECT_EQ(plainDatabasesIn(m_dir.path()), QStringList());
    {
        Tdm1 byRecoveryKey;
        open(byRecoveryKey, recoveryKey.toLower(), Database::Secret::RecoveryKey);
        EXPECT_TRUE(byRecoveryKey.db1.UnlockedByRecoveryKey());
        EXPECT_EQ(clientCount(byRecoveryKey.db1), FixtureMinimumStatements);
    }
    Tdm1 dm;
    open(dm, Password);
    EXPECT_FALSE(dm.db1.UnlockedByRecoveryKey());
    EXPECT_THROW(dm.db1.Decrypt(QStringLiteral("not it")), EngineError);
    EXPECT_TRUE(dm.db1.Encrypted());
    dm.db1.Decrypt(Password);
    EXPECT_FALSE(dm.db1.Encrypted());
    EXPECT_TRUE(fileBytes(m_path) == m_plain) << "the database comes back as it went in";
    // Plain again, the file works as any other.
    addClient(dm.db1, QStringLiteral("After"));
    dm.db1.Close();
    EXPECT_FALSE(QFileInfo::exists(path(Database::PreviousGenerationSuffix)));
    EXPECT_FALSE(QFileInfo::exists(path(Database::LockSuffix)));
    Tdm1 plain;
    open(plain, {});
    EXPECT_EQ(clientCount(plain.db1), FixtureMinimumStatements + 1);
}

TEST_F(EncryptedFileTest, AChangedCutOrExtendedFileOrAWrongSecretIsRefusedAndNothingIsWritten)
{
    using namespace EnvelopeFormat;
    const QString recoveryKey = encrypt();
    const QByteArray envelope = fileBytes(m_path);
    const qint64 chunks = chunkCount(m_plain.size());
    ASSERT_GE(chunks, 3) << "the database fills several chunks";
    ASSERT_EQ(envelope.size(), fileSize(m_plain.size()));

    struct Case
    {
        QString name;
        std::function<QByteArray(QByteArray)> change;
        QString secret = Password;
        Database::Secret kind = Database::Secret::Password;
        Database::UnlockRefusal refusal = Database::UnlockRefusal::Other;
    };
    const auto flipped = [](qsizetype at) {
        return [at](QByteArray bytes) {
            bytes[at] = char(bytes[at] ^ 0x01);
            return bytes;
        };
    };
    const auto same = [](QByteArray bytes) { return bytes; };
    std::vector<Case> cases = {
        {"a wrong password", same, QStringLiteral("correct horse battery stapler"), Database::Secret::Password,
         Database::UnlockRefusal::WrongSecret},
        {"another recovery key", same, QStringLiteral("M2HT4-DADCC-NYSBC-BE5VE-QV0WY-9HYA0-SQ8D2-7NPSG"),
         Database::Secret::RecoveryKey, Database::UnlockRefusal::WrongSecret},
        {"no password", same, QString(), Database::Secret::Password, Database::UnlockRefusal::SecretNeeded},
        {"an appended byte", [](QByteArray bytes) { return bytes + '\0'; }},
    };

    // Every field of the header and of both key slots; without its magic the file is not
    // taken for an encrypted one and is refused as no database.
    for (const int at : {0, 7, 8, 9, 10, FixedBytes, FixedBytes + 1, FixedBytes + 4, FixedBytes + 8, FixedBytes + 16,
                         FixedBytes + 32, FixedBytes + 56, FixedBytes + SlotBytes - 1, FixedBytes + SlotBytes,
                         FixedBytes + SlotBytes + 4, FixedBytes + SlotBytes + 16, FixedBytes + SlotBytes + 32,
                         FixedBytes + SlotBytes + 56, PayloadLengthOffset, StreamHeaderOffset, ChecksumOffset,
                         HeaderBytes - 1})
        cases.push_back({QStringLiteral("the header's byte %1 changed").arg(at), flipped(at), Password,
                         Database::Secret::Password,
                         at < 8 ? Database::UnlockRefusal::None : Database::UnlockRefusal::Other});
    for (const Case &byRecovery : std::vector<Case>(cases.end() - 4, cases.end()))
        cases.push_back({byRecovery.name + QStringLiteral(", opened with the recovery key"), byRecovery.change,
                         recoveryKey, Database::Secret::RecoveryKey});
    // The first, a middle and the last byte of every chunk.
    for (qint64 chunk = 0; chunk < chunks; ++chunk) {
        const qint64 start = HeaderBytes + chunk * (ChunkBytes + ChunkOverheadBytes);
        const qint64 end = chunk == chunks - 1 ? envelope.size() : start + ChunkBytes + ChunkOverheadBytes;
        for (const qint64 at : {start, (start + end) / 2, end - 1})
            cases.push_back({QStringLiteral("chunk %1's byte %2 changed").arg(chunk).arg(at - start), flipped(at)});
    }
    for (const qint64 length : {qint64(0), qint64(8), qint64(FixedBytes), qint64(HeaderBytes - 1), qint64(HeaderBytes),
                                qint64(HeaderBytes + 1), HeaderBytes + ChunkBytes + ChunkOverheadBytes,
                                qint64(envelope.size() - 1)})
        cases.push_back({QStringLiteral("cut to %1 bytes").arg(length),
                         [length](QByteArray bytes) { return bytes.left(length); }, Password, Database::Secret::Password,
                         length < 8 ? Database::UnlockRefusal::None : Database::UnlockRefusal::Other});
    // Two chunks in each other's place.
    cases.push_back({"chunks swapped", [](QByteArray bytes) {
                         const qsizetype size = ChunkBytes + ChunkOverheadBytes;
                         const QByteArray first = bytes.mid(HeaderBytes, size);
                         bytes.replace(HeaderBytes, size, bytes.mid(HeaderBytes + size, size));
                         bytes.replace(HeaderBytes + size, size, first);
                         return bytes;
                     }});

    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        writeFile(m_path, c.change(envelope));
        const FolderState before = folderState(m_dir.path());
        Tdm1 dm;
        EXPECT_THROW(open(dm, c.secret, c.kind), EngineError);
        EXPECT_FALSE(dm.db1.Connected());
        EXPECT_EQ(dm.db1.LastUnlockRefusal(), c.refusal);
        EXPECT_TRUE(folderState(m_dir.path()) == before) << "nothing is written, not even a lock";
    }
    writeFile(m_path, envelope);
    Tdm1 dm;
    ASSERT_NO_THROW(open(dm, Password));
}

TEST_F(EncryptedFileTest, AWriteFailingAtAnyByteUndoesTheActionAndLeavesTheFileAsItWas)
{
    using namespace EnvelopeFormat;
    encrypt();
    Tdm1 dm;
    open(dm, Password);
    dm.OpenTables();
    addClient(dm.db1, QStringLiteral("First"));
    const qint64 size = QFileInfo(m_path).size();
    std::vector<qint64> failAt = {0, 1, HeaderBytes - 1, HeaderBytes, HeaderBytes + 1, size / 2, size - 1};
    for (qint64 start = HeaderBytes; start < size; start += ChunkBytes + ChunkOverheadBytes)
        for (const qint64 at : {start - 1, start, start + ChunkBytes})
            if (at < size)
                failAt.push_back(at);

    // Through a transaction, and through a table's own write outside one.
    const std::vector<std::pair<const char *, std::function<void()>>> actions = {
        {"a transaction", [&] { addClient(dm.db1, QStringLiteral("Refused")); }},
        {"a posted row",
         [&] {
             dm.tblClient.Append();
             dm.tblClient.FieldByName("LastName").SetAsString(QStringLiteral("Refused"));
             dm.tblClient.Post();
         }},
    };
    for (const auto &[actionName, action] : actions) {
        for (const qint64 at : failAt) {
            SCOPED_TRACE(std::string(actionName) + " failing at byte " + std::to_string(at));
            const FolderState before = folderState(m_dir.path());
            qint64 written = 0;
            ScopedFileSystemCalls failing({{}, {}, [&](QFile &file, QByteArrayView bytes) {
                                               const qint64 room = qMax<qint64>(0, at - written);
                                               const qint64 taken = qMin<qint64>(room, bytes.size());
                                               file.write(bytes.data(), taken);
                                               written += taken;
                                               return taken == bytes.size();
                                           }});
            try {
                action();
                ADD_FAILURE() << "the action is reported as done";
            } catch (const EngineError &e) {
                EXPECT_TRUE(e.message().contains(QStringLiteral("undone"))) << e.message().toStdString();
            }
            if (dm.tblClient.state() != Table::State::Browse)
                dm.tblClient.Cancel();
            EXPECT_EQ(clientCount(dm.db1), FixtureMinimumStatements + 1) << "the action is undone in memory";
            const FolderState after = folderState(m_dir.path());
            EXPECT_TRUE(after.at(QStringLiteral("wks.ABS")) == before.at(QStringLiteral("wks.ABS")));
            QStringList names;
            for (const auto &[name, state] : after)
                names << name;
            EXPECT_EQ(after.size(), before.size()) << "no partial file is left: " << names.join(' ').toStdString();
        }
    }
    // The file goes on as if nothing had failed, and keeps the generation before.
    addClient(dm.db1, QStringLiteral("Second"));
    dm.db1.Close();
    for (const auto &[file, clients] : {std::pair(m_path, FixtureMinimumStatements + 2),
                                        std::pair(path(Database::PreviousGenerationSuffix), FixtureMinimumStatements + 1)}) {
        Tdm1 reader;
        reader.db1.SetDatabaseFileName(file);
        reader.db1.SetSecret(Database::Secret::Password, Password);
        reader.db1.SetConnected(true);
        EXPECT_EQ(clientCount(reader.db1), clients) << file.toStdString();
    }
    EXPECT_EQ(plainDatabasesIn(m_dir.path()), QStringList());
}

TEST_F(EncryptedFileTest, ASecondProgramIsKeptOutUntilTheFirstHasClosedOrEnded)
{
    encrypt();
    {
        Tdm1 first;
        open(first, Password);
        Tdm1 second;
        try {
            open(second, Password);
            ADD_FAILURE() << "a second program opens the file";
        } catch (const EngineError &e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("another program"))) << e.message().toStdString();
        }
    }
    // One killed with the file open leaves a lock that is no longer anyone's.
    EXPECT_TRUE(runAndKill(
        [&](const std::function<void()> &ready) {
            Tdm1 killed;
            open(killed, Password);
            ready();
            for (;;)
                clientCount(killed.db1);
        },
        1000));
    Tdm1 after;
    EXPECT_NO_THROW(open(after, Password));
}

// Killed at random moments of a run of saves, the file opens as the last action written or
// the one before, and the generation beside it is the one before that.
TEST_F(EncryptedFileTest, AKillDuringSavesLeavesTheLastActionOrTheOneBefore)
{
    encrypt();
    std::mt19937 random(20261210);
    int killed = 0;
    for (int round = 0; round < 8; ++round) {
        const int delay = std::uniform_int_distribution<int>(0, 40000)(random);
        killed += runAndKill(
            [&](const std::function<void()> &ready) {
                Tdm1 worker;
                open(worker, Password);
                for (int i = 0;; ++i) {
                    addClient(worker.db1, QStringLiteral("Round %1").arg(round));
                    ready();
                }
            },
            delay);
        Tdm1 reader;
        ASSERT_NO_THROW(open(reader, Password)) << "round " << round;
        const qint64 clients = clientCount(reader.db1);
        reader.db1.Close();
        if (QFileInfo::exists(path(Database::PreviousGenerationSuffix))) {
            Tdm1 previous;
            previous.db1.SetDatabaseFileName(path(Database::PreviousGenerationSuffix));
            previous.db1.SetSecret(Database::Secret::Password, Password);
            ASSERT_NO_THROW(previous.db1.SetConnected(true)) << "round " << round;
            EXPECT_GE(clientCount(previous.db1), clients - 1);
            EXPECT_LE(clientCount(previous.db1), clients);
        }
    }
    EXPECT_EQ(killed, 8);
    EXPECT_EQ(plainDatabasesIn(m_dir.path()), QStringList());
}

TEST_F(EncryptedFileTest, APasswordChangedOrSetWithTheRecoveryKeyReplacesTheOldOne)
{
    const QString recoveryKey = encrypt();
    const auto opens = [&](const QString &secret, Database::Secret kind = Database::Secret::Password) {
        Tdm1 dm;
        try {
            open(dm, secret, kind);
            return true;
        } catch (const EngineError &) {
            EXPECT_EQ(dm.db1.LastUnlockRefusal(), Database::UnlockRefusal::WrongSecret);
            return false;
        }
    };
    {
        Tdm1 dm;
        open(dm, Password);
        addClient(dm.db1, QStringLiteral("Kept"));
        const QByteArray before = fileBytes(m_path);
        EXPECT_THROW(dm.db1.ChangePassword(QStringLiteral("not it"), QStringLiteral("second")), EngineError);
        EXPECT_THROW(dm.db1.SetNewPassword(QStringLiteral("second")), EngineError) << "the current one is asked";
        EXPECT_TRUE(fileBytes(m_path) == before);
        dm.db1.ChangePassword(Password, QStringLiteral("second"));
        EXPECT_FALSE(QFileInfo::exists(path(Database::PreviousGenerationSuffix)))
            << "no generation opens with the old password";
        addClient(dm.db1, QStringLiteral("After the change"));
    }
    EXPECT_FALSE(opens(Password));
    EXPECT_TRUE(opens(QStringLiteral("second")));
    {
        Tdm1 dm;
        open(dm, recoveryKey, Database::Secret::RecoveryKey);
        dm.db1.SetNewPassword(QString::fromUtf8("dritte Lösung"));
        EXPECT_EQ(clientCount(dm.db1), FixtureMinimumStatements + 2);
    }
    EXPECT_FALSE(opens(QStringLiteral("second")));
    EXPECT_TRUE(opens(QString::fromUtf8("dritte Lösung")));
    EXPECT_TRUE(opens(recoveryKey, Database::Secret::RecoveryKey)) << "the recovery key keeps working";
}

// A statement file encrypted with known keys, salts and nonces, kept beside the tests: every
// later version of the program opens it with its password and with its recovery key.
TEST(EncryptedReferenceFile, TheReferenceFileOpensWithItsSecrets)
{
    const QString referencePath = QStringLiteral(WORTHSHEET_DATA_TESTS_DIR "/files/encrypted-version-2.ABS");
    const QString password = QString::fromUtf8("Grüße aus Köln, 2025");
    const QString recoveryKey = QStringLiteral("M2HT4-DADCC-NYSBC-BE5VE-QV0WY-9HYA0-SQ8D2-7NPSG");
    if (const QByteArray target = qgetenv("WORTHSHEET_WRITE_REFERENCE_STATEMENT_FILE"); !target.isEmpty()) {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("wks.ABS"));
        ASSERT_TRUE(createDatabaseFile(plain));
        EnvelopeSeam seam{{3, 32768}, EnvelopeSeam::FixedValues{}};
        for (unsigned i = 0; i < seam.fixed->fileKey.size(); ++i)
            seam.fixed->fileKey[i] = static_cast<unsigned char>(5 * i + 3);
        for (unsigned i = 0; i < seam.fixed->recoverySecret.size(); ++i)
            seam.fixed->recoverySecret[i] = static_cast<unsigned char>(0xa0 + 3 * i);
        for (unsigned slot = 0; slot < EnvelopeFormat::SlotCount; ++slot) {
            for (unsigned i = 0; i < seam.fixed->salts[slot].size(); ++i)
                seam.fixed->salts[slot][i] = static_cast<unsigned char>(0x31 + 0x20 * slot + i);
            for (unsigned i = 0; i < seam.fixed->nonces[slot].size(); ++i)
                seam.fixed->nonces[slot][i] = static_cast<unsigned char>(0x71 + 0x20 * slot + i);
        }
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(plain);
        dm.db1.SetConnected(true);
        addClient(dm.db1, QStringLiteral("Reference"));
        EXPECT_EQ(dm.db1.Encrypt(password, &seam), recoveryKey);
        dm.db1.Close();
        QFile::remove(QString::fromLocal8Bit(target));
        ASSERT_TRUE(QFile::copy(plain, QString::fromLocal8Bit(target)));
    }
    for (const auto &[secret, kind] : {std::pair(password, Database::Secret::Password),
                                       std::pair(recoveryKey, Database::Secret::RecoveryKey)}) {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("wks.ABS"));
        ASSERT_TRUE(QFile::copy(referencePath, copy));
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(copy);
        dm.db1.SetSecret(kind, secret);
        ASSERT_NO_THROW(dm.db1.SetConnected(true));
        Query name(dm.db1, "SELECT LastName FROM Client");
        ASSERT_TRUE(name.next());
        EXPECT_EQ(name.text(0), QStringLiteral("Reference"));
    }
}

} // namespace
