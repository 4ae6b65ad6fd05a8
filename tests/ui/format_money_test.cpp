// The screen pattern of money totals, "$#,###.00", and a stored total shown in it.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "support/temp_database.h"
#include "ui/format_money.h"

namespace {

struct Case
{
    double value;
    const char *text;
};

void expectAll(std::initializer_list<Case> cases)
{
    for (const Case &c : cases)
        EXPECT_EQ(FormatMoney(c.value).toStdString(), c.text) << "value " << c.value;
}

TEST(FormatMoney, ShowsNoDigitBeforeThePointUnderADollar)
{
    expectAll({{0, "$.00"}, {0.5, "$.50"}, {0.07, "$.07"}, {0.99, "$.99"}, {-0.5, "-$.50"}, {1, "$1.00"}});
}

TEST(FormatMoney, GroupsThousandsWithCommas)
{
    expectAll({{12, "$12.00"},
               {100, "$100.00"},
               {999, "$999.00"},
               {1000, "$1,000.00"},
               {1234.5, "$1,234.50"},
               {123456, "$123,456.00"},
               {1234567.89, "$1,234,567.89"},
               {-150000, "-$150,000.00"},
               {-1000000, "-$1,000,000.00"},
               {1e15, "$1,000,000,000,000,000.00"}});
}

TEST(FormatMoney, RoundsCentsHalfAwayFromZeroAsTheAmountReads)
{
    // 2.675, 1.005 and 0.285 are stored a hair below the half cent; they round as typed.
    expectAll({{2.675, "$2.68"},
               {1.005, "$1.01"},
               {0.285, "$.29"},
               {0.005, "$.01"},
               {0.015, "$.02"},
               {-2.675, "-$2.68"},
               {0.004, "$.00"},
               {0.0049999, "$.00"},
               {999.999, "$1,000.00"},
               {999999.995, "$1,000,000.00"},
               {1000.0 / 12, "$83.33"},
               {123456789.125, "$123,456,789.13"}});
}

TEST(FormatMoney, AnAmountThatRoundsToNothingHasNoSign)
{
    expectAll({{-0.004, "$.00"}, {-0.0, "$.00"}, {-1e-300, "$.00"}, {-0.005, "-$.01"}});
}

TEST(FormatMoney, NonFiniteAmountsShowNothing)
{
    EXPECT_EQ(FormatMoney(std::numeric_limits<double>::infinity()), QString());
    EXPECT_EQ(FormatMoney(-std::numeric_limits<double>::infinity()), QString());
    EXPECT_EQ(FormatMoney(std::nan("")), QString());
}

TEST(FormatMoney, LargeAmountsAreWrittenOutAndHugeOnesShortSoNoLabelOverflows)
{
    EXPECT_EQ(FormatMoney(999999999999999999.0), "$1.00E+18");
    EXPECT_EQ(FormatMoney(123456789012345678.0), "$123,456,789,012,346,000.00");
    EXPECT_EQ(FormatMoney(1e20), "$1.00E+20");
    EXPECT_EQ(FormatMoney(-1e308), "-$1.00E+308");
    EXPECT_LE(FormatMoney(std::numeric_limits<double>::max()).size(), 12);
}

} // namespace

namespace {

using FormatMoneyFieldTest = DataModuleTest;

TEST_F(FormatMoneyFieldTest, AnEmptyTotalShowsNothingAndAFilledOneThePattern)
{
    addTotalsRow(addClient("Al", "Adams"));
    Table &totals = dm->tblFSPro;
    totals.First();
    Field cash = totals.FieldByName("CashOnHand");
    totals.Edit();
    cash.Clear();
    EXPECT_EQ(FormatMoneyField(cash), QString());
    cash.SetAsFloat(0);
    EXPECT_EQ(FormatMoneyField(cash), "$.00");
    cash.SetAsFloat(-150000);
    EXPECT_EQ(FormatMoneyField(cash), "-$150,000.00");
    totals.Cancel();
}

} // namespace
