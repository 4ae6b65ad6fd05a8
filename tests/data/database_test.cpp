// Connecting to files, refusing files that are not ours, and transactions.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "support/child_process.h"
#include "support/recording_messages.h"
#include "support/temp_database.h"

namespace {

QByteArray digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void setByte(const QString &path, qint64 offset, char value)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(offset);
    file.write(&value, 1);
}

// Leaves at path a statement database of ours (changed by `change` first) beside the hot
// journal of a transaction that was writing to it when its program died.
void writeHotJournalPair(const QString &path, const QString &change)
{
    QTemporaryDir work;
    const QString source = work.filePath("wks.ABS");
    ASSERT_TRUE(createDatabaseFile(source));
    SQLite::Database writer(source.toStdString(), SQLite::OPEN_READWRITE);
    if (!change.isEmpty())
        writer.exec(change.toStdString());
    // A cache of a few pages spills the transaction's pages into the file before its end.
    writer.exec("PRAGMA cache_size = 2");
    writer.exec("BEGIN");
    writer.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                "INSERT INTO Cash (ClientId, RegisteredName) SELECT '1', printf('%0300d', i) FROM n");
    ASSERT_TRUE(QFile::exists(source + "-journal"));
    ASSERT_TRUE(QFile::copy(source, path));
    ASSERT_TRUE(QFile::copy(source + "-journal", path + "-journal"));
    writer.exec("ROLLBACK");
}

TEST(DatabaseFile, SchemaHasEveryTableItsIndexesAndOurMark)
{
    TempDatabase db;
    EXPECT_EQ(db.count("PRAGMA application_id"), Database::ApplicationId);
    EXPECT_EQ(db.count("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name <> 'sqlite_sequence'"), 20);
    // Each detail table and FSPro can be narrowed to a statement through an index.
    EXPECT_EQ(db.count("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name LIKE '%_ClientId'"), 18);
    for (const char *index : {"Client_LastName", "Cash_REGISTEREDNAME", "LifeInsurance_Insured",
                              "Autos2_Description", "Expenditure_Description"})
        EXPECT_EQ(db.count(QString("SELECT count(*) FROM sqlite_master WHERE name = '%1'").arg(index)), 1) << index;
    EXPECT_EQ(db.text("SELECT type FROM pragma_table_info('Incomes') WHERE name = 'MAmount'"), "INTEGER");
    EXPECT_EQ(db.text("SELECT type FROM pragma_table_info('FSPro') WHERE name = '401K'"), "REAL");
}

TEST(DatabaseFile, DeliveryNeverOverwritesAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("nested/folder/wks.ABS");
    ASSERT_TRUE(createDatabaseFile(path));
    const QByteArray before = digest(path);
    QString error;
    EXPECT_FALSE(createDatabaseFile(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(digest(path), before);
}

class ForeignFile : public ::testing::TestWithParam<const char *>
{
};

TEST_P(ForeignFile, IsRefusedAndLeftByteForByteUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("wks.ABS");
    const std::string kind = GetParam();
    if (kind == "empty") {
        writeBytes(path, {});
    } else if (kind == "random") {
        QByteArray bytes(8192, '\0');
        for (char &c : bytes)
            c = char(QRandomGenerator::global()->bounded(256));
        writeBytes(path, bytes);
    } else if (kind == "other program") {
        SQLite::Database other(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        other.exec("CREATE TABLE notes (body TEXT); INSERT INTO notes VALUES ('hello')");
    } else if (kind == "our tables without our mark") {
        SQLite::Database other(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        other.exec(schemaSql());
        other.exec("PRAGMA application_id = 0");
    } else if (kind == "ours with a table missing, in write-ahead mode") {
        SQLite::Database other(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        other.exec(schemaSql());
        other.exec("DROP TABLE Legal");
        other.exec("PRAGMA journal_mode = WAL");
    } else if (kind == "ours in an unknown format version") {
        createDatabaseFile(path);
        setByte(path, 18, 3);
    } else if (kind == "ours readable only by a newer program") {
        createDatabaseFile(path);
        setByte(path, 19, 3);
    } else if (kind == "ours with a table missing beside a hot journal") {
        writeHotJournalPair(path, "DROP TABLE Legal");
    } else if (kind == "truncated copy") {
        TempDatabase source;
        source.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                    "INSERT INTO Cash (ClientId, RegisteredName) SELECT '1', printf('%0200d', i) FROM n");
        QFile file(source.path());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        writeBytes(path, file.read(file.size() / 2));
    }
    const QByteArray before = digest(path);
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);

    const QByteArray journalBefore = digest(path + "-journal");

    Tdm1 dm;
    dm.db1.SetDatabaseFileName(path);
    EXPECT_THROW(dm.db1.SetConnected(true), EngineError);
    EXPECT_FALSE(dm.db1.Connected());

    EXPECT_EQ(digest(path), before);
    EXPECT_EQ(digest(path + "-journal"), journalBefore);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), filesBefore);
}

INSTANTIATE_TEST_SUITE_P(Files, ForeignFile,
                         ::testing::Values("empty", "random", "other program", "our tables without our mark",
                                           "ours with a table missing, in write-ahead mode",
                                           "ours in an unknown format version", "ours readable only by a newer program",
                                           "ours with a table missing beside a hot journal", "truncated copy"));

TEST(DatabaseFile, AHotJournalOfOursIsPlayedBackOnConnecting)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("wks.ABS");
    writeHotJournalPair(path, {});
    ASSERT_TRUE(QFile::exists(path + "-journal"));
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(path);
    ASSERT_NO_THROW(dm.db1.SetConnected(true));
    dm.OpenTables();
    // The interrupted transaction is undone: none of its rows remain, the file is whole.
    EXPECT_TRUE(dm.tblCash.IsEmpty());
    dm.db1.SetConnected(false);
    SQLite::Database check(path.toStdString(), SQLite::OPEN_READONLY);
    EXPECT_EQ(check.execAndGet("PRAGMA integrity_check").getString(), "ok");
}

TEST(DatabaseFile, AFileThatIsLockedForWritingIsRefused)
{
    TempDatabase db;
    SQLite::Database other(db.path().toStdString(), SQLite::OPEN_READWRITE);
    other.exec("BEGIN IMMEDIATE");
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(db.path());
    EXPECT_THROW(dm.db1.SetConnected(true), EngineError);
    other.exec("ROLLBACK");
    EXPECT_NO_THROW(dm.db1.SetConnected(true));
}

TEST(DatabaseFile, AFileThatCannotBeWrittenIsRefused)
{
    TempDatabase db;
    const QByteArray before = digest(db.path());
    // As root every file can be written; the check runs as an unprivileged user then.
    const int status = runUnprivileged(db.folder(), [&] {
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(db.path());
        try {
            dm.db1.SetConnected(true);
        } catch (const EngineError &) {
            return 0;
        }
        return 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(digest(db.path()), before);
}

class TransactionTest : public DataModuleTest
{
};

TEST_F(TransactionTest, FailureInsideUndoesEveryPostAndRefreshesTheCursors)
{
    const QString id = addClient("Ann", "Avery");
    addTotalsRow(id);
    Table &totals = dm->tblFSPro;
    try {
        Database::Transaction transaction(dm->db1);
        totals.Edit();
        totals.FieldByName("CashOnHand").SetAsFloat(100);
        totals.Post();
        {
            Database::Transaction inner(dm->db1);
            dm->tblCash.Append();
            dm->tblCash.FieldByName("ClientId").SetAsString(id);
            dm->tblCash.Post();
            inner.Commit();
        }
        throw EngineError("failure in the middle");
    } catch (const EngineError &) {
    }
    EXPECT_EQ(db.count("SELECT count(*) FROM FSPro WHERE CashOnHand IS NOT NULL"), 0);
    EXPECT_EQ(db.count("SELECT count(*) FROM Cash"), 0);
    EXPECT_EQ(totals.FieldByName("CashOnHand").AsString(), "");
    EXPECT_TRUE(dm->tblCash.IsEmpty());
    EXPECT_EQ(totals.state(), Table::State::Browse);
}

TEST_F(TransactionTest, AFailedInnerPartDoomsTheWholeOperationEvenWhenItsErrorWasCaught)
{
    const QString id = addClient("Ann", "Avery");
    const qint64 before = db.count("SELECT count(*) FROM Cash");
    Database::Transaction outer(dm->db1);
    dm->tblCash.Append();
    dm->tblCash.FieldByName("ClientId").SetAsString(id);
    dm->tblCash.Post();
    try {
        Database::Transaction inner(dm->db1);
        throw EngineError("a part of the operation failed");
    } catch (const EngineError &) {
        // Someone caught the part's error and went on: the operation must still not commit.
    }
    EXPECT_THROW(outer.Commit(), EngineError);
    EXPECT_EQ(db.count("SELECT count(*) FROM Cash"), before);
    EXPECT_TRUE(dm->tblCash.IsEmpty());
}

TEST_F(TransactionTest, CommitWritesEverythingAtOnce)
{
    const QString id = addClient("Ann", "Avery");
    {
        Database::Transaction transaction(dm->db1);
        for (int i = 0; i < 50; ++i) {
            dm->tblCash.Append();
            dm->tblCash.FieldByName("ClientId").SetAsString(id);
            dm->tblCash.Post();
        }
        // Another connection sees nothing until the commit.
        EXPECT_EQ(db.count("SELECT count(*) FROM Cash"), 0);
        transaction.Commit();
    }
    EXPECT_EQ(db.count("SELECT count(*) FROM Cash"), 50);
}

} // namespace
