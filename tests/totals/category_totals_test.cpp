#include <gtest/gtest.h>

#include "support/totals_fixture.h"
#include "totals/totals.h"

namespace {

class CategoryTotalsTest : public TotalsTest
{
protected:
    void SetUp() override
    {
        TotalsTest::SetUp();
        id = addStatement("Ann", "Baker");
    }
    QString id;
};

TEST_F(CategoryTotalsTest, CashSumsBalancesThenReformsTotalAssetsAndNetWorthFromStoredTotals)
{
    execBehindEngine("UPDATE FSPro SET InvestmentTotals = 100, TotalLiabilities = 600");
    addRow(dm->tblCash, id, {{"RegisteredName", "Zeta"}, {"Balance", 2500.0}});
    addRow(dm->tblCash, id, {{"RegisteredName", "Alpha"}, {"Balance", 1000.25}});
    addRow(dm->tblCash, id, {{"RegisteredName", "Empty"}});

    RecalcCashTotals(*dm);

    EXPECT_DOUBLE_EQ(stored(id, "CashOnHand"), 3500.25);
    EXPECT_DOUBLE_EQ(stored(id, "TotalAssets"), 3600.25);
    EXPECT_DOUBLE_EQ(stored(id, "NetWorth"), 3000.25);
    EXPECT_DOUBLE_EQ(stored(id, "TotalLiabilitiesandNetWorth"), 3600.25);
    // The section's grid shows its list from the top again.
    EXPECT_EQ(dm->tblCash.FieldByName("RegisteredName").AsString(), "Alpha");
    EXPECT_EQ(dm->tblFSPro.FieldByName("ClientId").AsString(), id);
}

TEST_F(CategoryTotalsTest, InvestmentTypesAreComparedExactly)
{
    for (const char *type : {"Stock", "stock", "Stock ", "Other", "Other Retirement Account"})
        addRow(dm->tblInvestments, id, {{"InvestmentType", type}, {"MarketValue", 100.0}});

    RecalcInvestmentTotals(*dm);

    EXPECT_DOUBLE_EQ(stored(id, "InvestmentTotals"), 500);
    EXPECT_DOUBLE_EQ(stored(id, "Stocks"), 100);
    EXPECT_DOUBLE_EQ(stored(id, "Other"), 100);
}

TEST_F(CategoryTotalsTest, GuardedAdditionDropsOnlyTheTermThatOverflows)
{
    addRow(dm->tblCash, id, {{"RegisteredName", "A"}, {"Balance", 1.5e308}});
    addRow(dm->tblCash, id, {{"RegisteredName", "B"}, {"Balance", 1e308}});
    addRow(dm->tblCash, id, {{"RegisteredName", "C"}, {"Balance", -1e308}});

    RecalcCashTotals(*dm);

    EXPECT_DOUBLE_EQ(stored(id, "CashOnHand"), 0.5e308);
}

TEST_F(CategoryTotalsTest, RealEstateCountsOwnedAndOwedSharesInTheStatementTotals)
{
    addRow(dm->tblRealEstate, id,
           {{"PercentOwned", 50.0}, {"MarketValue", 300000.0}, {"PercentLiability", 50.0}, {"CurrentBalance", 100000.0}});

    RecalcRealEstateTotals(*dm);

    EXPECT_DOUBLE_EQ(db.number("SELECT TMarketValue FROM RealEstate"), 150000);
    EXPECT_DOUBLE_EQ(db.number("SELECT TCurrentLiability FROM RealEstate"), 50000);
    EXPECT_DOUBLE_EQ(stored(id, "RealEstateTotalsAsset"), 300000);
    EXPECT_DOUBLE_EQ(stored(id, "RealEstateTotals"), 150000);
    EXPECT_DOUBLE_EQ(stored(id, "TMortgageLiabilitiesTotals"), 100000);
    EXPECT_DOUBLE_EQ(stored(id, "MortgageLiabilitiesTotals"), 50000);
    EXPECT_DOUBLE_EQ(stored(id, "TotalAssets"), 150000);
    EXPECT_DOUBLE_EQ(stored(id, "TotalLiabilities"), 50000);
    EXPECT_DOUBLE_EQ(stored(id, "NetWorth"), 100000);
}

TEST_F(CategoryTotalsTest, RealEstatePercentagesFallBackOnlyWhenTheyCannotBeUsed)
{
    addRow(dm->tblRealEstate, id, {{"Description", "A"}, {"MarketValue", 1000.0}, {"CurrentBalance", 10.0}});
    addRow(dm->tblRealEstate, id, {{"Description", "B"}, {"MarketValue", 2000.0}, {"CurrentBalance", 20.0}});
    addRow(dm->tblRealEstate, id,
           {{"Description", "C"}, {"PercentOwned", 200.0}, {"MarketValue", 1e308}, {"CurrentBalance", 30.0}});
    execBehindEngine("UPDATE RealEstate SET PercentOwned = 'half', PercentLiability = 1e999 WHERE Description = 'B'");

    RecalcRealEstateTotals(*dm);

    const auto shares = [&](const char *description) {
        return db.text(QStringLiteral("SELECT TMarketValue || '/' || TCurrentLiability FROM RealEstate "
                                      "WHERE Description = '%1'").arg(description));
    };
    EXPECT_EQ(shares("A"), "0.0/0.0");       // an empty percent reads as 0
    EXPECT_EQ(shares("B"), "2000.0/20.0");   // unreadable or infinite percent: the whole
    EXPECT_EQ(shares("C"), "0.0/0.0");       // a share out of range: none
    EXPECT_DOUBLE_EQ(stored(id, "RealEstateTotals"), 2000);
    EXPECT_DOUBLE_EQ(stored(id, "MortgageLiabilitiesTotals"), 20);
    EXPECT_DOUBLE_EQ(stored(id, "RealEstateTotalsAsset"), 1e308);
}

TEST_F(CategoryTotalsTest, ContingentLiabilitiesNeverChangeTotalLiabilitiesOrNetWorth)
{
    addRow(dm->tblTaxes, id, {{"Amount", 4500.0}});
    RecalcTaxTotals(*dm);
    addRow(dm->tblContingent, id, {{"Amount", 20000.0}});

    RecalcContingentTotals(*dm);
    EXPECT_DOUBLE_EQ(stored(id, "ContingentLiability"), 20000);
    RecalcTotalLiabilities(*dm);
    EXPECT_DOUBLE_EQ(stored(id, "TotalLiabilities"), 4500);
    EXPECT_DOUBLE_EQ(stored(id, "NetWorth"), -4500);
}

TEST_F(CategoryTotalsTest, NetWorthMayBeNegativeAndStoredTotalsThatCannotBeReadCountAsZero)
{
    execBehindEngine("UPDATE FSPro SET AutoLiability = 'n/a', CashOnHand = 500000");
    addRow(dm->tblBank, id, {{"Amount", 650000.0}});

    RecalcBankNoteTotals(*dm);
    RecalcTotalAssets(*dm);
    RecalcNetWorth(*dm);

    EXPECT_DOUBLE_EQ(stored(id, "TotalLiabilities"), 650000);
    EXPECT_DOUBLE_EQ(stored(id, "NetWorth"), -150000);
    EXPECT_DOUBLE_EQ(stored(id, "TotalLiabilitiesandNetWorth"), 500000);
}

} // namespace
