// Copying a statement as of a new date: the copy holds the same rows as its source, its own
// totals formed from them, and a failure at any write leaves the file as it was.
#include <SQLiteCpp/SQLiteCpp.h>

#include <gtest/gtest.h>

#include "copy/statement_copy.h"
#include "data/engine/engine_error.h"
#include "data/engine/table.h"
#include "support/totals_fixture.h"
#include "totals/totals.h"

namespace {

const QDate AsOf(2027, 3, 4);

class StatementCopyTest : public TotalsTest
{
protected:
    // A joint statement with particulars, a row in every detail table, legal answers and
    // totals formed; a second statement of someone else beside it.
    QString addFilledStatement()
    {
        const QString id = addStatement("Ann", "Avery");
        db.exec(QString("UPDATE Client SET JointStatement = 'Yes', SSN = '123-45-6789', Birthday = '01/02/1970', "
                        "Address = '1 Main St', SFirstName = 'Bob', SSSN = '987-65-4321' WHERE Id = %1")
                    .arg(id));
        reopen();
        fillEveryTable(id);
        addRow(dm->tblCash, id, {{"RegisteredName", "Savings"}, {"Balance", 2500.25}});
        addRow(dm->tblIncomes, id, {{"Type", "Salaries and Wages (Individual)"}, {"Amount", 60000.0}});
        addRow(dm->tblExpenditure, id, {{"Type", "Mortgage Payment"}, {"Amount", 12000.0}, {"MAmount", "1000"}});
        addRow(dm->tblRealEstate, id, {{"PercentOwned", 50.0}, {"MarketValue", 300000.0},
                                       {"CurrentBalance", 100000.0}, {"PercentLiability", 50.0}});
        // Fields of the lender's forms travel with the rest.
        db.exec(QString("UPDATE Client SET BusinessName = 'Avery Tools', ProgramLoans = 'Yes' WHERE Id = %1; "
                        "UPDATE RealEstate SET LienOnProperty = 'Home', InterestRate = 6.25, MonthlyRent = 1800 "
                        "WHERE ClientId = '%1'; UPDATE Investments SET QuotationDate = '02/26/2027' "
                        "WHERE ClientId = '%1'; UPDATE Other SET Category = 'Installment Account' WHERE ClientId = '%1'")
                    .arg(id));
        reopen();
        select(id);
        RecalcAllTotals(*dm);
        const QString other = addStatement("Cy", "Cole");
        addRow(dm->tblCash, other, {{"Balance", 7.0}});
        moveListTo(id);
        dm->SelectStatementDetails();
        return id;
    }

    // The rows of a table that belong to a statement, without the columns named, in the
    // order they were stored.
    QString rowsWithout(const QString &table, const QString &keyColumn, const QString &id,
                        const QStringList &skipped) const
    {
        SQLite::Database file(db.path().toStdString(), SQLite::OPEN_READONLY);
        SQLite::Statement rows(file, QString("SELECT * FROM \"%1\" WHERE \"%2\" = ? ORDER BY rowid")
                                         .arg(table, keyColumn)
                                         .toStdString());
        rows.bind(1, id.toStdString());
        QString text;
        while (rows.executeStep()) {
            for (int c = 0; c < rows.getColumnCount(); ++c) {
                if (skipped.contains(QString::fromUtf8(rows.getColumnName(c)), Qt::CaseInsensitive))
                    continue;
                const auto column = rows.getColumn(c);
                text += QString::fromUtf8(rows.getColumnName(c)) + '='
                    + (column.isNull() ? QString("NULL") : QString::fromStdString(column.getString())) + '|';
            }
            text += '\n';
        }
        return text;
    }

    double sum(const QString &sql, const QString &id) const { return db.number(QString(sql).arg(id)); }
};

TEST_F(StatementCopyTest, ACopyHoldsEveryRowOfItsSourceAndItsOwnTotals)
{
    const QString source = addFilledStatement();
    const QString sourceRows = [&] {
        QString all = rowsWithout("Client", "Id", source, {});
        for (const QString &table : statementTableNames())
            all += rowsWithout(table, "ClientId", source, {});
        return all;
    }();

    const QString copy = CopyStatement(*dm, source, AsOf);
    ASSERT_NE(copy, source);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM Client"), 3);

    // Row for row the same, but for the keys, ClientId and the date.
    EXPECT_EQ(rowsWithout("Client", "Id", copy, {"Id"}), rowsWithout("Client", "Id", source, {"Id"}));
    for (const QString &table : statementTableNames()) {
        SCOPED_TRACE(table.toStdString());
        const QStringList skipped = table == "FSPro" ? QStringList{"ClientId", "Date"} : QStringList{"ClientId"};
        EXPECT_FALSE(rowsWithout(table, "ClientId", source, skipped).isEmpty());
        EXPECT_EQ(rowsWithout(table, "ClientId", copy, skipped), rowsWithout(table, "ClientId", source, skipped));
    }
    EXPECT_EQ(db.text(QString("SELECT Date FROM FSPro WHERE ClientId = '%1'").arg(copy)), "03/04/2027");
    EXPECT_EQ(db.count(QString("SELECT COUNT(*) FROM FSPro WHERE ClientId = '%1'").arg(copy)), 1);

    // The copy's totals are what SQLite sums from its rows.
    EXPECT_DOUBLE_EQ(stored(copy, "CashOnHand"), sum("SELECT TOTAL(Balance) FROM Cash WHERE ClientId = '%1'", copy));
    EXPECT_DOUBLE_EQ(stored(copy, "RealEstateTotals"),
                     sum("SELECT TOTAL(MarketValue * PercentOwned / 100) FROM RealEstate WHERE ClientId = '%1'", copy));
    EXPECT_DOUBLE_EQ(stored(copy, "IncomeTotal"), sum("SELECT TOTAL(Amount) FROM Incomes WHERE ClientId = '%1'", copy));
    EXPECT_DOUBLE_EQ(stored(copy, "MExpenseTotal"),
                     sum("SELECT TOTAL(Amount) / 12 FROM Expenditure WHERE ClientId = '%1'", copy));
    EXPECT_DOUBLE_EQ(stored(copy, "ContingentLiability"),
                     sum("SELECT TOTAL(Amount) FROM Contingent WHERE ClientId = '%1'", copy));
    const double assets = sum("SELECT (SELECT TOTAL(Balance) FROM Cash WHERE ClientId = '%1') "
                              "+ (SELECT TOTAL(MarketValue) FROM Investments WHERE ClientId = '%1') "
                              "+ (SELECT TOTAL(MarketValue * PercentOwned / 100) FROM RealEstate WHERE ClientId = '%1') "
                              "+ (SELECT TOTAL(CurrentValue) FROM Auto WHERE ClientId = '%1') "
                              "+ (SELECT TOTAL(CashValue) FROM LifeInsurance WHERE ClientId = '%1') "
                              "+ (SELECT TOTAL(Value) FROM PersonalAssets WHERE ClientId = '%1') "
                              "+ (SELECT TOTAL(Value) FROM BusinessAssets WHERE ClientId = '%1') "
                              "+ (SELECT TOTAL(Value) FROM OtherAssets WHERE ClientId = '%1')",
                              copy);
    const double liabilities =
        sum("SELECT (SELECT TOTAL(LoanBalance) FROM Autos2 WHERE ClientId = '%1') "
            "+ (SELECT TOTAL(Amount) FROM Bank WHERE ClientId = '%1') "
            "+ (SELECT TOTAL(CurrentBalance) FROM CreditCards WHERE ClientId = '%1') "
            "+ (SELECT TOTAL(CurrentBalance * PercentLiability / 100) FROM RealEstate WHERE ClientId = '%1') "
            "+ (SELECT TOTAL(Amount) FROM Taxes WHERE ClientId = '%1') "
            "+ (SELECT TOTAL(Amount) FROM Other WHERE ClientId = '%1')",
            copy);
    EXPECT_DOUBLE_EQ(stored(copy, "TotalAssets"), assets);
    EXPECT_DOUBLE_EQ(stored(copy, "TotalLiabilities"), liabilities);
    EXPECT_DOUBLE_EQ(stored(copy, "NetWorth"), assets - liabilities);

    // The source is untouched, and the list shows every statement with the copy selected.
    QString sourceAfter = rowsWithout("Client", "Id", source, {});
    for (const QString &table : statementTableNames())
        sourceAfter += rowsWithout(table, "ClientId", source, {});
    EXPECT_EQ(sourceAfter, sourceRows);
    EXPECT_FALSE(dm->tblClient.Filtered());
    EXPECT_EQ(dm->tblClient.FieldByName("Id").AsString(), copy);
    EXPECT_EQ(dm->CurrentClientId, copy);
    EXPECT_EQ(dm->tblFSPro.FieldByName("Date").AsString(), "03/04/2027");
}

TEST_F(StatementCopyTest, ACopyHasOneTotalsRowWhetherItsSourceHasNoneOrTwo)
{
    const QString source = addClient("Old", "File");
    const QString copy = CopyStatement(*dm, source, AsOf);
    EXPECT_EQ(db.count(QString("SELECT COUNT(*) FROM FSPro WHERE ClientId = '%1'").arg(copy)), 1);
    EXPECT_EQ(db.text(QString("SELECT Description FROM FSPro WHERE ClientId = '%1'").arg(copy)), "Old File");
    EXPECT_DOUBLE_EQ(stored(copy, "TotalAssets"), 0);
    EXPECT_FALSE(storedIsEmpty(copy, "NetWorth"));
    EXPECT_EQ(db.count(QString("SELECT COUNT(*) FROM FSPro WHERE ClientId = '%1'").arg(source)), 0);

    // A file that holds a second totals row for a statement: the copy takes only the first,
    // as every reader of the statement does.
    const QString doubled = addClient("Two", "Rows");
    db.exec(QString("INSERT INTO FSPro (ClientId, Date, Description) VALUES ('%1', '01/01/2026', 'First'), "
                    "('%1', '01/02/2026', 'Second')")
                .arg(doubled));
    reopen();
    const QString copyOfDoubled = CopyStatement(*dm, doubled, AsOf);
    EXPECT_EQ(db.count(QString("SELECT COUNT(*) FROM FSPro WHERE ClientId = '%1'").arg(copyOfDoubled)), 1);
    EXPECT_EQ(db.text(QString("SELECT Date FROM FSPro WHERE ClientId = '%1'").arg(copyOfDoubled)), "03/04/2027");
    EXPECT_EQ(db.count(QString("SELECT COUNT(*) FROM FSPro WHERE ClientId = '%1'").arg(doubled)), 2);
}

TEST_F(StatementCopyTest, ANameThatIsNoStatementCopiesNothing)
{
    addFilledStatement();
    const QString before = snapshot();
    EXPECT_THROW(CopyStatement(*dm, "", AsOf), EngineError);
    EXPECT_THROW(CopyStatement(*dm, "999", AsOf), EngineError);
    EXPECT_THROW(CopyStatement(*dm, "1 or 1=1", AsOf), EngineError);
    EXPECT_EQ(snapshot(), before);
}

// The failure sweep: a fault at the first write, at the second, ... until the copy completes;
// every failed copy leaves the whole file as it was and the list on the source statement.
TEST_F(StatementCopyTest, ACopyFailingAtAnyWriteLeavesTheFileUnchanged)
{
    const QString source = addFilledStatement();
    installFaultCountdown();
    moveListTo(source);
    int write = 1;
    for (;; ++write) {
        ASSERT_LT(write, 500) << "the copy never completed";
        armFault(write);
        const QString before = snapshot();
        try {
            CopyStatement(*dm, source, AsOf);
        } catch (const EngineError &) {
            EXPECT_EQ(snapshot(), before) << "failure at write " << write;
            EXPECT_EQ(dm->tblClient.FieldByName("Id").AsString(), source) << "failure at write " << write;
            EXPECT_FALSE(dm->tblClient.Filtered());
            continue;
        }
        armFault(0);
        break;
    }
    EXPECT_GT(write, 20) << "every row written is a write that may fail";
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM Client"), 3);
}

} // namespace
