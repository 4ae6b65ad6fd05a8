#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/SQLiteCpp.h>

#include <gtest/gtest.h>

#include "data/engine/database.h"
#include "data/entry_lists.h"
#include "data/schema.h"
#include "exchange/exchange_error.h"
#include "exchange/statement_merge.h"
#include "exchange_fixture.h"
#include "support/crafted_files.h"
#include "support/full_statement.h"
#include "support/older_files.h"
#include "totals/totals.h"

namespace {

class StatementMergeTest : public ExchangeTest
{
protected:
    void SetUp() override
    {
        ExchangeTest::SetUp();
        addFullStatement(QStringLiteral("Lindqvist"), 2);
        // The other file: three statements, written by the program as the user's own would be.
        Tdm1 other;
        other.db1.SetDatabaseFileName(otherDb.path());
        other.db1.SetConnected(true);
        other.OpenTables();
        for (const QString &name : {QStringLiteral("Abara"), QStringLiteral("Brandt"), QStringLiteral("Castillo")}) {
            const QString id = writeFullStatement(other, 3, name);
            selectStatement(other, id);
            RecalcAllTotals(other);
            other.ClearStatementFilters();
        }
    }

    QByteArray otherBytes() const
    {
        QFile file(otherDb.path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Refused with a message holding fragment (or being it, when whole), both files byte for byte as before.
    void expectRefused(const QString &path, const QString &fragment, bool whole = false)
    {
        const QByteArray before = fileBytes();
        QFile file(path);
        const QByteArray otherBefore = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        file.close();
        try {
            mergeStatementFile(*dm, path);
            ADD_FAILURE() << "merged " << path.toStdString();
        } catch (const ExchangeError &e) {
            if (whole)
                EXPECT_EQ(e.message().toStdString(), fragment.toStdString());
            else
                EXPECT_TRUE(e.message().contains(fragment)) << e.message().toStdString();
        }
        EXPECT_EQ(fileBytes(), before);
        if (file.open(QIODevice::ReadOnly))
            EXPECT_EQ(file.readAll(), otherBefore);
    }

    TempDatabase otherDb;
};

TEST_F(StatementMergeTest, ThreeStatementsJoinTwoAsNewStatementsWithTheirTotals)
{
    const QByteArray otherBefore = otherBytes();
    const MergeResult result = mergeStatementFile(*dm, otherDb.path());
    EXPECT_EQ(result.statements, 3);
    EXPECT_EQ(result.detailRows, 3 * (16 * 3 + 1));
    EXPECT_EQ(statementCount(), 5);
    EXPECT_EQ(mergeResultText(result, otherDb.path()), QStringLiteral("3 statements with 147 rows were added from wks.ABS."));
    // The other file was only read.
    EXPECT_EQ(otherBytes(), otherBefore);

    for (const QString &id : result.ids) {
        EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("CashOnHand")), sum(id, QStringLiteral("Cash"), QStringLiteral("Balance")));
        EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("AutoLiability")),
                         sum(id, QStringLiteral("Autos2"), QStringLiteral("LoanBalance")));
        EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("LifeCash")),
                         sum(id, QStringLiteral("LifeInsurance"), QStringLiteral("CashValue")));
        EXPECT_DOUBLE_EQ(storedTotal(id, QStringLiteral("NetWorth")),
                         storedTotal(id, QStringLiteral("TotalAssets")) - storedTotal(id, QStringLiteral("TotalLiabilities")));
        EXPECT_GT(storedTotal(id, QStringLiteral("TotalAssets")), 0);
    }
    EXPECT_EQ(db.text(QStringLiteral("SELECT group_concat(LastName, ',') FROM (SELECT LastName FROM Client ORDER BY Id)")),
              QStringLiteral("Okafor,Lindqvist,Abara,Brandt,Castillo"));
    // The statements here kept their rows.
    EXPECT_EQ(db.count(QStringLiteral("SELECT COUNT(*) FROM Cash WHERE ClientId = '%1'").arg(fullId)), 4);
    EXPECT_FALSE(dm->tblClient.Filtered());
}

TEST_F(StatementMergeTest, AFileThatRestoreWouldRefuseIsRefusedAndBothFilesStayAsTheyWere)
{
    expectRefused(writeFile(QStringLiteral("notes.ABS"), "just some notes"), QStringLiteral("not a statement file"));
    expectRefused(db.folder() + QStringLiteral("/absent.ABS"), QStringLiteral("no such file"));
    expectRefused(db.path(), QStringLiteral("the file in use"));

    // A crafted file: another program's SQLite file wearing our name.
    const QString crafted = db.folder() + QStringLiteral("/crafted.ABS");
    {
        SQLite::Database file(crafted.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        file.exec("CREATE TABLE Client (Id INTEGER PRIMARY KEY, LastName TEXT); INSERT INTO Client VALUES (1, 'x')");
    }
    ASSERT_FALSE(checkStatementDatabase(crafted).isEmpty());
    expectRefused(crafted, checkStatementDatabase(crafted));

    // Ours by its header, but a table missing.
    otherDb.exec(QStringLiteral("DROP TABLE Taxes"));
    ASSERT_FALSE(checkStatementDatabase(otherDb.path()).isEmpty());
    expectRefused(otherDb.path(), QStringLiteral("Taxes"));
    EXPECT_EQ(statementCount(), 2);
}

TEST_F(StatementMergeTest, AValueAnImportWouldRefuseRefusesTheFileNamingTableAndRow)
{
    // The second statement's (Brandt's) rows, counted from 1 as stored.
    const auto row = [](const char *table, int number) {
        return QStringLiteral("rowid = (SELECT rowid FROM \"%1\" WHERE ClientId = '2' ORDER BY rowid LIMIT 1 OFFSET %2)")
            .arg(QLatin1String(table))
            .arg(number - 1);
    };
    struct Case
    {
        QString sql;
        QString place;
        QString problem;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("UPDATE Cash SET Balance = 1e16 WHERE ") + row("Cash", 2), QStringLiteral("Cash row 2, Balance"),
         QStringLiteral("an amount beyond 1000000000000000")},
        {QStringLiteral("UPDATE Bank SET Amount = -1e999 WHERE ") + row("Bank", 3), QStringLiteral("Bank row 3, Amount"),
         QStringLiteral("holds a value that is not a finite number")},
        {QStringLiteral("UPDATE Taxes SET Amount = 'a lot' WHERE ") + row("Taxes", 1), QStringLiteral("Taxes row 1, Amount"),
         QStringLiteral("holds \"a lot\", which is not an amount")},
        {QStringLiteral("UPDATE Incomes SET MAmount = 1000000000000000001 WHERE ") + row("Incomes", 1),
         QStringLiteral("Incomes row 1, MAmount"), QStringLiteral("an amount beyond 100000000000000")},
        {QStringLiteral("UPDATE FSPro SET Date = '2026-03-14' WHERE ClientId = '2'"), QStringLiteral("FSPro, Date"),
         QStringLiteral("\"2026-03-14\" is no date in the form mm/dd/yyyy")},
        {QStringLiteral("UPDATE Client SET SBirthday = '13/01/1960' WHERE Id = 2"), QStringLiteral("Client, SBirthday"),
         QStringLiteral("\"13/01/1960\" is no date in the form mm/dd/yyyy")},
        {QStringLiteral("UPDATE Contingent SET Maturity = '02/30/2030' WHERE ") + row("Contingent", 3),
         QStringLiteral("Contingent row 3, Maturity"), QStringLiteral("\"02/30/2030\" is no date in the form mm/dd/yyyy")},
        {QStringLiteral("UPDATE Cash SET Pledged = 'maybe' WHERE ") + row("Cash", 3), QStringLiteral("Cash row 3, Pledged"),
         QStringLiteral("\"maybe\" is not an entry of the list (No, Yes)")},
        {QStringLiteral("UPDATE Legal SET Will = 'yes' WHERE ClientId = '2'"), QStringLiteral("Legal row 1, Will"),
         QStringLiteral("\"yes\" is not an entry of the list (No, Yes)")},
        {QStringLiteral("UPDATE Client SET MaritalStatus = 'M' WHERE Id = 2"), QStringLiteral("Client, MaritalStatus"),
         QStringLiteral("\"M\" is not an entry of the list (%1)").arg(EntryLists::maritalStatuses().join(QStringLiteral(", ")))},
        {QStringLiteral("UPDATE Client SET LastName = 'Bra' || char(0) || 'ndt' WHERE Id = 2"),
         QStringLiteral("Client, LastName"),
         QStringLiteral("a text holding the character NUL (\\u0000), which no field can keep")},
    };
    for (const Case &c : cases) {
        const QString crafted = db.folder() + QStringLiteral("/crafted.ABS");
        QFile::remove(crafted);
        ASSERT_TRUE(QFile::copy(otherDb.path(), crafted));
        {
            SQLite::Database file(crafted.toStdString(), SQLite::OPEN_READWRITE);
            ASSERT_EQ(file.exec(c.sql.toStdString()), 1) << c.sql.toStdString();
        }
        ASSERT_EQ(checkStatementDatabase(crafted), QString());
        expectRefused(crafted, QStringLiteral("%1: statement 2, %2: %3; nothing was added").arg(crafted, c.place, c.problem),
                      true);
    }
    EXPECT_EQ(statementCount(), 2);
}

TEST_F(StatementMergeTest, AFileInWalModeIsReadWithoutAnythingLeftBesideIt)
{
    {
        SQLite::Database file(otherDb.path().toStdString(), SQLite::OPEN_READWRITE);
        ASSERT_EQ(file.execAndGet("PRAGMA journal_mode = WAL").getString(), "wal");
    }
    ASSERT_FALSE(QFileInfo::exists(otherDb.path() + QStringLiteral("-wal")));
    const QByteArray before = otherBytes();
    EXPECT_EQ(mergeStatementFile(*dm, otherDb.path()).statements, 3);
    EXPECT_EQ(otherBytes(), before);
    EXPECT_EQ(QDir(otherDb.folder()).entryList(QDir::Files | QDir::Hidden).join(u' ').toStdString(), "wks.ABS");
}

TEST_F(StatementMergeTest, AFailureWhileStoringTheThirdStatementStoresNoneOfThem)
{
    // Room runs out at the third statement's legal answers.
    db.exec(QStringLiteral("CREATE TRIGGER full BEFORE INSERT ON Legal WHEN (SELECT COUNT(*) FROM Legal) >= 4 "
                           "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    const qint64 rows = db.count(QStringLiteral("SELECT COUNT(*) FROM Cash"));
    EXPECT_THROW(mergeStatementFile(*dm, otherDb.path()), std::exception);
    EXPECT_EQ(statementCount(), 2);
    EXPECT_EQ(db.count(QStringLiteral("SELECT COUNT(*) FROM Cash")), rows);
    EXPECT_EQ(db.count(QStringLiteral("SELECT COUNT(*) FROM FSPro")), 2);
}

// A file of an earlier version is read through its own columns and never written; its
// statements arrive with the fields it lacks empty.
TEST_F(StatementMergeTest, AFileOfVersion1IsAddedThroughItsOwnColumnsAndStaysAsItWas)
{
    emptyNewFields(otherDb.path());
    ASSERT_EQ(filledNewFields(otherDb.path()).toStdString(), "");
    const QString old = QDir(otherDb.folder()).filePath(QStringLiteral("old.ABS"));
    writeVersion1Copy(otherDb.path(), old);
    const QByteArray before = fileDigest(old);
    const QStringList beside = QDir(otherDb.folder()).entryList(QDir::Files | QDir::Hidden);

    const MergeResult fromOld = mergeStatementFile(*dm, old);
    const MergeResult fromCurrent = mergeStatementFile(*dm, otherDb.path());
    ASSERT_EQ(fromOld.statements, 3);
    ASSERT_EQ(fromOld.ids.size(), fromCurrent.ids.size());
    EXPECT_EQ(fromOld.detailRows, fromCurrent.detailRows);
    for (qsizetype i = 0; i < fromOld.ids.size(); ++i)
        EXPECT_EQ(dump(fromOld.ids[i]).toStdString(), dump(fromCurrent.ids[i]).toStdString());
    EXPECT_EQ(fileDigest(old), before);
    EXPECT_EQ(Database::fileUserVersion(old), 1);
    EXPECT_EQ(QDir(otherDb.folder()).entryList(QDir::Files | QDir::Hidden), beside);

    // A later version is refused, and left as it was.
    SQLite::Database(old.toStdString(), SQLite::OPEN_READWRITE).exec("PRAGMA user_version = 3");
    expectRefused(old, QStringLiteral("a version this program does not know"));
}

} // namespace
