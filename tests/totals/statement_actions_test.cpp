// What one button commits is stored whole or not at all: a save with its recomputation, a
// deletion with it, a new statement with its totals row. Failures are injected at every
// write of an action, and the program is killed in the middle of its work.
#include <functional>
#include <random>

#include <SQLiteCpp/SQLiteCpp.h>

#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "data/engine/table.h"
#include "support/child_process.h"
#include "support/totals_fixture.h"
#include "totals/statement_actions.h"
#include "totals/totals.h"

namespace {

class StatementActionsTest : public TotalsTest
{
protected:
    void typeCashRow(const QString &name, double balance)
    {
        Table &cash = dm->tblCash;
        cash.Append();
        cash.FieldByName("RegisteredName").SetAsString(name);
        cash.FieldByName("Type").SetAsString("Savings Account");
        cash.FieldByName("Balance").SetAsFloat(balance);
    }

    void typeNewStatement(const QString &first, const QString &last)
    {
        dm->tblClient.Append();
        dm->tblClient.FieldByName("FirstName").SetAsString(first);
        dm->tblClient.FieldByName("LastName").SetAsString(last);
    }

    // Every statement has one totals row, and its cash, asset and net worth totals agree
    // with its rows as SQLite sums them.
    void expectConsistent() const
    {
        SQLite::Database file(db.path().toStdString(), SQLite::OPEN_READONLY);
        SQLite::Statement statements(file, "SELECT Id FROM Client");
        while (statements.executeStep()) {
            const std::string id = statements.getColumn(0).getString();
            SCOPED_TRACE("statement " + id);
            const auto number = [&](const std::string &sql) {
                SQLite::Statement query(file, sql);
                query.bind(1, id);
                query.executeStep();
                return query.getColumn(0).getDouble();
            };
            EXPECT_EQ(number("SELECT COUNT(*) FROM FSPro WHERE ClientId = ?"), 1);
            EXPECT_NEAR(number("SELECT IFNULL(CashOnHand, 0) FROM FSPro WHERE ClientId = ?"),
                        number("SELECT TOTAL(Balance) FROM Cash WHERE ClientId = ?"), 1e-6);
            EXPECT_NEAR(number("SELECT IFNULL(TotalAssets, 0) - IFNULL(CashOnHand, 0) - IFNULL(InvestmentTotals, 0) "
                               "FROM FSPro WHERE ClientId = ?"),
                        0, 1e-6);
            EXPECT_NEAR(number("SELECT IFNULL(NetWorth, 0) - (IFNULL(TotalAssets, 0) - IFNULL(TotalLiabilities, 0)) "
                               "FROM FSPro WHERE ClientId = ?"),
                        0, 1e-6);
        }
    }
};

TEST_F(StatementActionsTest, SavingStoresTheRowWithItsStatementAndItsTotalsTogether)
{
    const QString id = addStatement("Ann", "Avery");
    typeCashRow("Ann Avery", 1250.5);
    EXPECT_TRUE(SaveSectionRow(*dm, dm->tblCash, RecalcCashTotals));
    EXPECT_EQ(db.count(QString("SELECT COUNT(*) FROM Cash WHERE ClientId = '%1' AND Balance = 1250.5").arg(id)), 1);
    EXPECT_DOUBLE_EQ(stored(id, "CashOnHand"), 1250.5);
    EXPECT_DOUBLE_EQ(stored(id, "NetWorth"), 1250.5);

    // A row that was not changed is not stored again; the totals are still formed.
    dm->tblCash.First();
    dm->tblCash.Edit();
    const QString before = snapshot();
    EXPECT_FALSE(SaveSectionRow(*dm, dm->tblCash, RecalcCashTotals));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(dm->tblCash.state(), Table::State::Browse);
}

TEST_F(StatementActionsTest, AFailureAfterThePostKeepsTheFileAndWhatWasTyped)
{
    const QString id = addStatement("Ann", "Avery");
    db.exec("CREATE TRIGGER refuse BEFORE UPDATE ON FSPro BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    const QString before = snapshot();
    typeCashRow("Ann Avery", 99);
    EXPECT_THROW(SaveSectionRow(*dm, dm->tblCash, RecalcCashTotals), EngineError);
    EXPECT_EQ(snapshot(), before);
    ASSERT_EQ(dm->tblCash.state(), Table::State::Insert);
    EXPECT_EQ(dm->tblCash.FieldByName("RegisteredName").AsString(), "Ann Avery");
    EXPECT_EQ(dm->tblCash.FieldByName("Balance").AsString(), "99");

    // Once the cause is gone, the same typing is stored once.
    db.exec("DROP TRIGGER refuse");
    EXPECT_TRUE(SaveSectionRow(*dm, dm->tblCash, RecalcCashTotals));
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM Cash"), 1);
    EXPECT_DOUBLE_EQ(stored(id, "CashOnHand"), 99);
}

TEST_F(StatementActionsTest, AStatementFoundWithoutTotalsRowGetsOneAtItsNextSave)
{
    const QString id = addClient("Old", "File");
    select(id);
    typeCashRow("Old File", 10);
    EXPECT_TRUE(SaveSectionRow(*dm, dm->tblCash, RecalcCashTotals));
    EXPECT_EQ(db.count(QString("SELECT COUNT(*) FROM FSPro WHERE ClientId = '%1'").arg(id)), 1);
    EXPECT_EQ(db.text(QString("SELECT Description FROM FSPro WHERE ClientId = '%1'").arg(id)), "Old File");
    EXPECT_DOUBLE_EQ(stored(id, "CashOnHand"), 10);
}

TEST_F(StatementActionsTest, AFailedDeletionKeepsTheRowAndItsTotals)
{
    const QString id = addStatement("Ann", "Avery");
    typeCashRow("Ann Avery", 40);
    SaveSectionRow(*dm, dm->tblCash, RecalcCashTotals);
    db.exec("CREATE TRIGGER refuse BEFORE UPDATE ON FSPro BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    const QString before = snapshot();
    dm->tblCash.First();
    EXPECT_THROW(DeleteSectionRow(*dm, dm->tblCash, RecalcCashTotals), EngineError);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(dm->tblCash.FieldByName("Balance").AsString(), "40");
    db.exec("DROP TRIGGER refuse");
    DeleteSectionRow(*dm, dm->tblCash, RecalcCashTotals);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM Cash"), 0);
    EXPECT_DOUBLE_EQ(stored(id, "CashOnHand"), 0);
}

TEST_F(StatementActionsTest, ANewStatementIsStoredWithItsTotalsRowOrNotAtAll)
{
    dm->SelectStatement(); // as the particulars window opens on a new row: "Id = "
    db.exec("CREATE TRIGGER refuse BEFORE INSERT ON FSPro BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    typeNewStatement("Ann", "Avery");
    EXPECT_THROW(StoreStatementRow(*dm), EngineError);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM Client"), 0);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM FSPro"), 0);
    EXPECT_EQ(dm->CurrentClientId, "");
    ASSERT_EQ(dm->tblClient.state(), Table::State::Insert);
    EXPECT_EQ(dm->tblClient.FieldByName("LastName").AsString(), "Avery");

    db.exec("DROP TRIGGER refuse");
    StoreStatementRow(*dm);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM Client"), 1);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM FSPro WHERE ClientId = (SELECT Id FROM Client)"), 1);
    EXPECT_EQ(dm->CurrentClientId, db.text("SELECT Id FROM Client"));
    EXPECT_EQ(dm->tblFSPro.FieldByName("ClientId").AsString(), dm->CurrentClientId);
}

// A failure at any write of an action leaves the file exactly as it was.
TEST_F(StatementActionsTest, AFailureAtAnyWriteOfAnActionUndoesAllOfIt)
{
    const QString id = addStatement("Ann", "Avery");
    typeCashRow("First", 5);
    SaveSectionRow(*dm, dm->tblCash, RecalcCashTotals);
    installFaultCountdown();
    select(id);

    const auto sweep = [&](const char *name, const std::function<void()> &type, const std::function<void()> &act) {
        SCOPED_TRACE(name);
        for (int write = 1;; ++write) {
            ASSERT_LT(write, 100) << "the action never completed";
            type();
            armFault(write);
            const QString before = snapshot();
            try {
                act();
            } catch (const EngineError &) {
                EXPECT_EQ(snapshot(), before) << "failure at write " << write;
                armFault(0);
                continue;
            }
            armFault(0);
            break;
        }
        expectConsistent();
    };
    sweep("save", [&] { if (dm->tblCash.state() == Table::State::Browse) typeCashRow("Second", 7); },
          [&] { SaveSectionRow(*dm, dm->tblCash, RecalcCashTotals); });
    sweep("delete", [&] { dm->tblCash.First(); }, [&] { DeleteSectionRow(*dm, dm->tblCash, RecalcCashTotals); });
    sweep("new statement", [&] {
            if (dm->tblClient.state() == Table::State::Browse)
                typeNewStatement("Bob", "Brown");
        },
          [&] { StoreStatementRow(*dm); });
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM Client"), 2);
}

// The program is killed at random moments of its work; whatever was interrupted, the file
// opened again holds totals that agree with the rows.
TEST_F(StatementActionsTest, AKillAtAnyMomentLeavesTotalsThatAgreeWithTheRows)
{
    const QString first = addStatement("Ann", "Avery");
    const QString second = addStatement("Bob", "Brown");
    const QString path = db.path();
    // No connection may be open across the fork.
    dm.reset();
    std::mt19937 random(20261209);
    int killed = 0;
    for (int round = 0; round < 12; ++round) {
        const int delay = std::uniform_int_distribution<int>(0, 30000)(random);
        killed += runAndKill([&](const std::function<void()> &ready) {
            Tdm1 worker;
            worker.db1.SetDatabaseFileName(path);
            worker.db1.SetConnected(true);
            worker.OpenTables();
            for (int i = 0;; ++i) {
                worker.ClearStatementFilters();
                for (worker.tblClient.First(); !worker.tblClient.Eof(); worker.tblClient.Next())
                    if (worker.tblClient.FieldByName("Id").AsString() == (i % 2 ? first : second))
                        break;
                worker.SelectStatement();
                worker.tblCash.Append();
                worker.tblCash.FieldByName("RegisteredName").SetAsString(QString::number(i));
                worker.tblCash.FieldByName("Balance").SetAsFloat(i + 0.25);
                SaveSectionRow(worker, worker.tblCash, RecalcCashTotals);
                ready();
                if (i % 3 == 0) {
                    worker.tblCash.First();
                    DeleteSectionRow(worker, worker.tblCash, RecalcCashTotals);
                }
                if (i % 7 == 0) {
                    worker.tblClient.Append();
                    worker.tblClient.FieldByName("LastName").SetAsString("New " + QString::number(i));
                    StoreStatementRow(worker);
                }
            }
        }, delay);
        // Opening the file plays back what an interrupted transaction left.
        {
            Tdm1 reader;
            reader.db1.SetDatabaseFileName(path);
            ASSERT_NO_THROW(reader.db1.SetConnected(true)) << "round " << round;
        }
        expectConsistent();
    }
    EXPECT_EQ(killed, 12) << "every worker is killed in the middle of its work";
    EXPECT_GT(db.count("SELECT COUNT(*) FROM Cash"), 0);
}

} // namespace
