#include <QFile>

#include <SQLiteCpp/SQLiteCpp.h>

#include <gtest/gtest.h>

#include "data/schema.h"
#include "exchange/exchange_error.h"
#include "exchange/statement_merge.h"
#include "exchange_fixture.h"
#include "support/full_statement.h"
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

    void expectRefused(const QString &path, const QString &fragment)
    {
        const QByteArray before = fileBytes();
        QFile file(path);
        const QByteArray otherBefore = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        file.close();
        try {
            mergeStatementFile(*dm, path);
            ADD_FAILURE() << "merged " << path.toStdString();
        } catch (const ExchangeError &e) {
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

} // namespace
