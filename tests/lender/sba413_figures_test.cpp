// The whole-dollar rule of SBA Form 413: rounding, apportioning to our totals, and a stored
// total that disagrees with its rows left as it is.
#include <random>

#include <gtest/gtest.h>

#include "data/engine/table.h"
#include "lender/sba413_figures.h"
#include "support/totals_fixture.h"
#include "totals/totals.h"

namespace {

using namespace Sba413;

TEST(Sba413WholeDollars, RoundsHalfUpAndApportionsEachColumnToItsTotal)
{
    const struct
    {
        double amount;
        qint64 dollars;
    } lone[] = {{1234.50, 1235}, {1234.49, 1234}, {-150000.50, -150000}, {-150000.51, -150001}, {0.5, 1},
                {-0.5, 0},       {-0.49, 0},      {0.004, 0},            {28801.2666666667, 28801}, {1e12 + 0.5, 1000000000001}};
    for (const auto &c : lone)
        EXPECT_EQ(dollarsOf(c.amount), c.dollars) << c.amount;

    const struct
    {
        std::vector<qint64> lines; // cents
        qint64 totalCents;
        qint64 totalDollars;
        std::optional<std::vector<qint64>> printed;
    } columns[] = {
        // The design's example: 1,200.50 + 3,400.50 + 10,000.40 = 14,601.40 prints 14,601;
        // the missing dollar goes to the first of the two 50-cent remainders.
        {{120050, 340050, 1000040, 0}, 1460140, 14601, std::vector<qint64>{1201, 3400, 10000, 0}},
        // A dollar too many (a stray cent between stored totals): from the smallest remainder.
        {{100010, 100020}, 200030, 1999, std::vector<qint64>{999, 1000}},
        // Negative lines round down too.
        {{-15050, 30075}, 15025, 150, std::vector<qint64>{-151, 301}},
        // A stored total 10 dollars off its rows is not hidden by apportioning.
        {{120050, 340050}, 461100, 4611, std::nullopt},
    };
    for (const auto &c : columns)
        EXPECT_EQ(apportioned(c.lines, c.totalCents, c.totalDollars), c.printed) << c.totalCents;

    // Any column that agrees with its total: the lines add up to it exactly, each within a
    // dollar of its exact amount.
    std::mt19937_64 random(413);
    std::uniform_int_distribution<qint64> amount(-5'000'00, 900'000'00);
    for (int trial = 0; trial < 500; ++trial) {
        std::vector<qint64> lines(size_t(1 + trial % 10));
        qint64 sum = 0;
        for (qint64 &line : lines)
            sum += line = amount(random);
        const qint64 total = dollars(sum);
        const std::optional<std::vector<qint64>> printed = apportioned(lines, sum, total);
        ASSERT_TRUE(printed);
        qint64 printedSum = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            printedSum += (*printed)[i];
            EXPECT_LT(std::llabs((*printed)[i] * 100 - lines[i]), 100);
        }
        EXPECT_EQ(printedSum, total);
    }
    EXPECT_EQ(printed(qint64(-1234567)), QStringLiteral("-1,234,567"));
}

class Sba413FiguresTest : public TotalsTest
{
};

TEST_F(Sba413FiguresTest, TheDesignsExampleOnAStatementAndATotalThatDisagreesWithItsRows)
{
    const QString id = addStatement("Ann", "Avery");
    addRow(dm->tblCash, id, {{"Type", "Checking Account"}, {"Balance", 1200.50}});
    addRow(dm->tblCash, id, {{"Type", "Savings Account"}, {"Balance", 3400.50}});
    addRow(dm->tblInvestments, id, {{"Description", "Acme"}, {"InvestmentType", "Stock"}, {"MarketValue", 10000.40}});
    addRow(dm->tblOther, id, {{"Description", "Loan"}, {"Amount", 5000.60}});
    select(id);
    RecalcAllTotals(*dm);
    select(id);

    Figures f = figuresOf(*dm);
    EXPECT_EQ(f.asset(AssetLine::CashOnHand), 1201);
    EXPECT_EQ(f.asset(AssetLine::Savings), 3400);
    EXPECT_EQ(f.asset(AssetLine::StocksAndBonds), 10000);
    EXPECT_EQ(f.totalAssets, 14601);
    EXPECT_EQ(f.netWorth, 9601); // 9,600.80
    EXPECT_EQ(f.totalLiabilities, 5000);
    EXPECT_EQ(f.liability(LiabilityLine::OtherLiabilities), 5000);
    EXPECT_EQ(f.totalLiabilitiesAndNetWorth, 14601);
    EXPECT_TRUE(f.assetsAddUp && f.liabilitiesAddUp);

    // Stored totals ten dollars off their rows: every line rounded alone, the totals as stored.
    execBehindEngine(QStringLiteral("UPDATE FSPro SET TotalAssets = 14611.40, TotalLiabilities = 5010.60, "
                                    "TotalLiabilitiesandNetWorth = 14611.40 WHERE ClientId = '%1'")
                         .arg(id));
    select(id);
    f = figuresOf(*dm);
    EXPECT_FALSE(f.assetsAddUp);
    EXPECT_FALSE(f.liabilitiesAddUp);
    EXPECT_EQ(f.asset(AssetLine::CashOnHand), 1201);
    EXPECT_EQ(f.asset(AssetLine::Savings), 3401);
    EXPECT_EQ(f.totalAssets, 14611);
    EXPECT_EQ(f.totalLiabilities, 5011);
    EXPECT_EQ(f.liability(LiabilityLine::OtherLiabilities), 5001);
    EXPECT_EQ(f.totalLiabilitiesAndNetWorth, 14611);
}

} // namespace
