#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "support/totals_fixture.h"
#include "totals/totals.h"

namespace {

class IncomeExpenseTotalsTest : public TotalsTest
{
protected:
    void SetUp() override
    {
        TotalsTest::SetUp();
        id = addStatement("Ann", "Baker");
    }
    void expectOnStatementFilterAtFirstRow(Table &table, const QString &firstDescription)
    {
        EXPECT_EQ(table.Filter(), dm->StatementFilter());
        EXPECT_TRUE(table.Filtered());
        EXPECT_EQ(table.FieldByName("Description").AsString(), firstDescription);
    }
    QString id;
};

TEST_F(IncomeExpenseTotalsTest, ItemsAreSummedPerTypeWithUnroundedMonthlyFigures)
{
    addRow(dm->tblIncomes, id, {{"Description", "b"}, {"Type", "Salaries and Wages (Individual)"}, {"Amount", 60000.0}});
    addRow(dm->tblIncomes, id, {{"Description", "a"}, {"Type", "Oil and Gas Income / Royalties"}, {"Amount", 1000.0}});
    addRow(dm->tblIncomes, id, {{"Description", "c"}, {"Type", ""}, {"Amount", 500.0}});

    RecalcIncomeTotals(*dm);

    EXPECT_DOUBLE_EQ(stored(id, "Salary"), 60000);
    EXPECT_DOUBLE_EQ(stored(id, "MSalary"), 5000);
    EXPECT_DOUBLE_EQ(stored(id, "MOilIncome"), 1000.0 / 12);
    EXPECT_DOUBLE_EQ(stored(id, "IncomeTotal"), 61500);
    EXPECT_DOUBLE_EQ(stored(id, "MIncomeTotal"), 5125);
    expectOnStatementFilterAtFirstRow(dm->tblIncomes, "a");
}

TEST_F(IncomeExpenseTotalsTest, IncomeAndExpensesLeaveLiabilitiesAndNetWorthAlone)
{
    execBehindEngine("UPDATE FSPro SET CashOnHand = 50, TotalAssets = 10, TotalLiabilities = 20, NetWorth = 30, "
                     "TotalLiabilitiesandNetWorth = 40");
    addRow(dm->tblIncomes, id, {{"Type", "Bonuses and Commissions"}, {"Amount", 9000.0}});
    addRow(dm->tblExpenditure, id, {{"Type", "Rental Payment"}, {"Amount", 1200.0}});

    RecalcIncomeTotals(*dm);
    RecalcExpenseTotals(*dm);

    EXPECT_EQ(db.text("SELECT TotalAssets || '/' || TotalLiabilities || '/' || NetWorth || '/' || "
                      "TotalLiabilitiesandNetWorth FROM FSPro"),
              "50.0/20.0/30.0/40.0"); // total assets re-formed from the stored cash
}

TEST_F(IncomeExpenseTotalsTest, RealEstateLeavesTheIncomeAndExpenseTotalsAsTheyWereFormed)
{
    addRow(dm->tblIncomes, id, {{"Type", "Net Real Estate Income"}, {"Amount", 12000.0}});
    addRow(dm->tblIncomes, id, {{"Type", "Salaries and Wages (Spouse)"}, {"Amount", 40000.0}});
    addRow(dm->tblExpenditure, id, {{"Type", "Mortgage Payment"}, {"Amount", 24000.0}});
    addRow(dm->tblExpenditure, id, {{"Type", "Lease Obligation"}, {"Amount", 3000.0}});
    RecalcIncomeTotals(*dm);
    RecalcExpenseTotals(*dm);
    addRow(dm->tblRealEstate, id, {{"PercentOwned", 100.0}, {"MarketValue", 250000.0}});

    RecalcRealEstateTotals(*dm);

    EXPECT_DOUBLE_EQ(stored(id, "IncomeTotal"), 52000);
    EXPECT_DOUBLE_EQ(stored(id, "RealEstateIncome"), 12000);
    EXPECT_DOUBLE_EQ(stored(id, "ExpenseTotal"), 27000);
    EXPECT_DOUBLE_EQ(stored(id, "Mortgage_Exp"), 24000);
    EXPECT_DOUBLE_EQ(stored(id, "RealEstateTotals"), 250000);
}

TEST_F(IncomeExpenseTotalsTest, AFailedRecomputationStillRestoresTheStatementFilter)
{
    addRow(dm->tblExpenditure, id, {{"Description", "x"}, {"Type", "Other Debt Service"}, {"Amount", 9000.0}});
    addRow(dm->tblExpenditure, id, {{"Description", "y"}, {"Type", "All Other Obligations"}, {"Amount", 100.0}});
    // Without its totals row the statement fails at the posting, after the per-type walks.
    execBehindEngine("DELETE FROM FSPro");
    const QString before = snapshot();

    EXPECT_THROW(RecalcExpenseTotals(*dm), EngineError);

    expectOnStatementFilterAtFirstRow(dm->tblExpenditure, "x");
    EXPECT_EQ(snapshot(), before); // and no totals row appended for no statement
}

} // namespace
