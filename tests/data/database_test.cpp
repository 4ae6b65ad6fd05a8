// Connecting to files, refusing files that are not ours, and transactions.
#include <QCryptographicHash>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "data/engine/query.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "support/child_process.h"
#include "support/crafted_files.h"
#include "support/file_mode.h"
#include "support/older_files.h"
#include "support/recording_messages.h"
#include "support/temp_database.h"

namespace {

QByteArray digest(const QString &path)
{
    return fileDigest(path);
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

TEST(DatabaseFile, ADeliveredFileAndTheFoldersMadeForItArePrivate)
{
    ScopedUmask userMask(022);
    QTemporaryDir dir;
    const QString path = dir.filePath("data/Norvale/wks.ABS");
    ASSERT_TRUE(createDatabaseFile(path));
    EXPECT_EQ(fileMode(path), 0600);
    EXPECT_EQ(fileMode(dir.filePath("data")), 0700);
    EXPECT_EQ(fileMode(dir.filePath("data/Norvale")), 0700);
    // The journal of every later write takes the mode of the file.
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec("BEGIN IMMEDIATE; INSERT INTO Client (LastName) VALUES ('Journal')");
    EXPECT_EQ(fileMode(path + "-journal"), 0600);
    db.exec("ROLLBACK");
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
    // The copies kept before a journal is played back are the only files that may appear.
    const auto files = [&] {
        QStringList names = QDir(dir.path()).entryList(QDir::Files);
        names.removeIf([](const QString &name) { return name.endsWith(Database::RecoveryCopySuffix); });
        return names;
    };
    const QStringList filesBefore = files();

    const QByteArray journalBefore = digest(path + "-journal");

    Tdm1 dm;
    dm.db1.SetDatabaseFileName(path);
    EXPECT_THROW(dm.db1.SetConnected(true), EngineError);
    EXPECT_FALSE(dm.db1.Connected());

    EXPECT_EQ(digest(path), before);
    EXPECT_EQ(digest(path + "-journal"), journalBefore);
    EXPECT_EQ(files(), filesBefore);
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
    EXPECT_FALSE(QFile::exists(path + "-journal"));
    dm.db1.SetConnected(false);
    SQLite::Database check(path.toStdString(), SQLite::OPEN_READONLY);
    EXPECT_EQ(check.execAndGet("PRAGMA integrity_check").getString(), "ok");
}

// Connects a data module to the file; the reason it was refused, or empty text (and a
// failure) when it was accepted.
QString refusalOf(const QString &path)
{
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(path);
    try {
        dm.db1.SetConnected(true);
    } catch (const EngineError &e) {
        EXPECT_FALSE(dm.db1.Connected());
        return e.message();
    }
    ADD_FAILURE() << "accepted: " << path.toStdString();
    return {};
}

class CraftedLiveFile : public ::testing::TestWithParam<CraftedFile>
{
};

TEST_P(CraftedLiveFile, IsRefusedAtStartUpWithTheReasonAndLeftUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("wks.ABS");
    GetParam().make(path);
    const QByteArray before = digest(path);
    const QString refusal = refusalOf(path);
    EXPECT_TRUE(refusal.endsWith(path)) << refusal.toStdString();
    EXPECT_EQ(digest(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"wks.ABS"}));
}

std::vector<CraftedFile> seenAtStartUp()
{
    std::vector<CraftedFile> files;
    for (int i = 0; i < CraftedFileCount; ++i)
        if (CraftedFiles[i].seenAtStartUp)
            files.push_back(CraftedFiles[i]);
    return files;
}

INSTANTIATE_TEST_SUITE_P(Files, CraftedLiveFile, ::testing::ValuesIn(seenAtStartUp()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(DatabaseFile, EveryTableAndIndexMissingIsRefusedByTheStartUpAndTheFullCheck)
{
    QTemporaryDir dir;
    const QString reference = dir.filePath("reference.ABS");
    ASSERT_TRUE(createDatabaseFile(reference));
    QStringList dropped;
    {
        SQLite::Database db(reference.toStdString(), SQLite::OPEN_READONLY);
        SQLite::Statement names(db, "SELECT type, name FROM sqlite_master WHERE name NOT LIKE 'sqlite%'");
        while (names.executeStep())
            dropped << QString::fromStdString(names.getColumn(0).getString() + " " + names.getColumn(1).getString());
    }
    ASSERT_EQ(dropped.size(), 20 + 35);
    for (const QString &entry : dropped) {
        const QString path = dir.filePath(QString(entry).replace(' ', '-'));
        ASSERT_TRUE(createDatabaseFile(path));
        {
            SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
            db.exec(QString("DROP %1 \"%2\"").arg(entry.section(' ', 0, 0), entry.section(' ', 1)).toStdString());
        }
        EXPECT_TRUE(checkStatementDatabase(path).contains(entry.section(' ', 1))) << entry.toStdString();
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(path);
        EXPECT_THROW(dm.db1.SetConnected(true), EngineError) << entry.toStdString();
    }
    EXPECT_EQ(checkStatementDatabase(reference), "");
}

TEST(DatabaseFile, TheFullCheckFindsAnIndexThatDisagreesWithItsTable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("wks.ABS");
    for (int i = 0; i < CraftedFileCount; ++i) {
        QFile::remove(path);
        CraftedFiles[i].make(path);
        const QByteArray before = digest(path);
        EXPECT_FALSE(checkStatementDatabase(path).isEmpty()) << CraftedFiles[i].name;
        EXPECT_EQ(digest(path), before);
    }
    QFile::remove(path);
    ASSERT_TRUE(createDatabaseFile(path));
    fillOneStatement(path);
    EXPECT_EQ(checkStatementDatabase(path), "");
}

TEST(DatabaseFile, NewFilesCarryOurVersionAndFilesDeliveredWithoutOneStillOpen)
{
    TempDatabase db;
    EXPECT_EQ(db.count("PRAGMA user_version"), Database::UserVersion);
    // Files delivered before a version was written hold the tables of version 1.
    QTemporaryDir dir;
    const QString old = dir.filePath("wks.ABS");
    writeVersion1File(old);
    SQLite::Database(old.toStdString(), SQLite::OPEN_READWRITE).exec("PRAGMA user_version = 0");
    EXPECT_EQ(checkStatementDatabase(old), "");
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(old);
    EXPECT_NO_THROW(dm.db1.SetConnected(true));
    dm.db1.Close();
    EXPECT_EQ(schemaText(old), schemaText(db.path()));
}

// A statement database of another kind caught in the middle of a large transaction: its
// journal beside our file is a hot journal of another database.
void writeForeignHotJournal(const QString &journal)
{
    QTemporaryDir work;
    const QString other = work.filePath("other.db");
    SQLite::Database writer(other.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    writer.exec("CREATE TABLE notes (body TEXT)");
    writer.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500) "
                "INSERT INTO notes SELECT printf('%0300d', i) FROM n");
    writer.exec("PRAGMA cache_size = 2");
    writer.exec("BEGIN");
    writer.exec("UPDATE notes SET body = upper(body) || 'x'");
    ASSERT_TRUE(QFile::exists(other + "-journal"));
    ASSERT_TRUE(QFile::copy(other + "-journal", journal));
    writer.exec("ROLLBACK");
}

TEST(DatabaseFile, AForeignHotJournalLeavesFileAndJournalAsTheyWereAndNamesTheCopies)
{
    ScopedUmask userMask(022);
    QTemporaryDir dir;
    const QString path = dir.filePath("wks.ABS");
    ASSERT_TRUE(createDatabaseFile(path));
    fillOneStatement(path);
    writeForeignHotJournal(path + "-journal");
    const QByteArray file = digest(path), journal = digest(path + "-journal");

    const QString refusal = refusalOf(path);
    EXPECT_TRUE(refusal.contains(path + ".before-recovery")) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(path + "-journal.before-recovery")) << refusal.toStdString();
    EXPECT_EQ(digest(path), file);
    EXPECT_EQ(digest(path + "-journal"), journal);
    EXPECT_EQ(digest(path + ".before-recovery"), file);
    EXPECT_EQ(digest(path + "-journal.before-recovery"), journal);
    EXPECT_EQ(fileMode(path + ".before-recovery"), 0600);
    EXPECT_EQ(fileMode(path + "-journal.before-recovery"), 0600);
}

TEST(DatabaseFile, AFileWithoutAHotJournalIsNotCopiedAside)
{
    TempDatabase db;
    // An empty journal is no hot journal: SQLite ignores it.
    writeBytes(db.path() + "-journal", {});
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(db.path());
    ASSERT_NO_THROW(dm.db1.SetConnected(true));
    EXPECT_FALSE(QFile::exists(db.path() + ".before-recovery"));
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

// Records what a table tells its listeners, and whether an exception was on its way then.
class RecordingListener : public TableListener
{
public:
    explicit RecordingListener(Table &table) : m_table(table) { m_table.addListener(this); }
    ~RecordingListener() override { m_table.removeListener(this); }
    void tableChanged(TableEvent event, int) override
    {
        events.push_back(event);
        if (std::uncaught_exceptions() > 0)
            ++duringUnwinding;
    }
    std::vector<TableEvent> events;
    int duringUnwinding = 0;

private:
    Table &m_table;
};

TEST_F(TransactionTest, ARollbackTellsTheWindowsOnlyAfterTheFailedActionHasEnded)
{
    const QString id = addClient("Ann", "Avery");
    RecordingListener cash(dm->tblCash);
    try {
        Database::Transaction transaction(dm->db1);
        dm->tblCash.Append();
        dm->tblCash.FieldByName("ClientId").SetAsString(id);
        dm->tblCash.Post();
        cash.events.clear();
        throw EngineError("failure after the post");
    } catch (const EngineError &) {
        // The cursor is right at once, the listeners have heard nothing yet.
        EXPECT_TRUE(dm->tblCash.IsEmpty());
        EXPECT_TRUE(cash.events.empty());
    }
    EXPECT_EQ(cash.duringUnwinding, 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(std::count(cash.events.begin(), cash.events.end(), TableEvent::RowsChanged), 1);

    // Undelivered, they come before the next action's own.
    try {
        Database::Transaction transaction(dm->db1);
        dm->tblCash.Append();
        dm->tblCash.Post();
        throw EngineError("failure after the post");
    } catch (const EngineError &) {
    }
    cash.events.clear();
    Database::Transaction next(dm->db1);
    EXPECT_EQ(cash.events, std::vector<TableEvent>({TableEvent::RowsChanged}));
    next.Commit();
    EXPECT_EQ(cash.duringUnwinding, 0);
}

TEST_F(TransactionTest, ANestedReadOfTheSameQueryLeavesTheOuterOneWhereItWas)
{
    for (int i = 0; i < 3; ++i)
        addClient("Ann", QString("Name%1").arg(i));
    const std::string text = "SELECT LastName FROM Client ORDER BY LastName";
    Query outer(dm->db1, text);
    ASSERT_TRUE(outer.next());
    EXPECT_EQ(outer.text(0), "Name0");
    {
        Query inner(dm->db1, text);
        int rows = 0;
        while (inner.next())
            ++rows;
        EXPECT_EQ(rows, 3);
    }
    ASSERT_TRUE(outer.next());
    EXPECT_EQ(outer.text(0), "Name1");
}

} // namespace
