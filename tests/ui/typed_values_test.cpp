// Amounts and percents as people type them: what is read, and what is no value.
#include <gtest/gtest.h>

#include "ui/typed_values.h"

namespace {

using TypedValues::parseAmount;
using TypedValues::parsePercent;

TEST(TypedValuesTest, AmountsReadAsPeopleWriteThem)
{
    const std::pair<const char *, double> read[] = {
        {"100000", 100000},   {"$100,000", 100000}, {"$1,200.00", 1200},   {"(250.00)", -250},
        {"-250", -250},       {"1,234.50", 1234.5}, {"-$1,234.50", -1234.5}, {"$-7", -7},
        {"($1,000)", -1000},  {" 12.5 ", 12.5},     {".5", 0.5},           {"0", 0},
        {"1,234,567.89", 1234567.89}, {"+3", 3}, {"(+250)", -250},
    };
    for (const auto &[text, value] : read) {
        const auto parsed = parseAmount(QString::fromLatin1(text));
        ASSERT_TRUE(parsed) << text;
        EXPECT_DOUBLE_EQ(*parsed, value) << text;
    }
}

TEST(TypedValuesTest, TextThatIsNotPlainlyAnAmountIsNone)
{
    // A stray letter, a decimal comma, a misplaced separator or a doubled sign would each
    // change the amount if read somehow; they are not read at all.
    for (const char *text : {"12o0", "1.234,50", "abc", "", "$", ".", "-", "1.2.3", "1,23", "12,3456", "(-250)",
                             "--5", "1e5", "nan", "inf", "(250", "250)", "$$5", "5$", "1 000"})
        EXPECT_FALSE(parseAmount(QString::fromLatin1(text))) << text;
}

TEST(TypedValuesTest, PercentsTakeANumberAndAnOptionalPercentSign)
{
    EXPECT_EQ(parsePercent("50"), 50.0);
    EXPECT_EQ(parsePercent("12.5%"), 12.5);
    EXPECT_FALSE(parsePercent("$50"));
    EXPECT_FALSE(parsePercent("(50)"));
    EXPECT_FALSE(parsePercent("fifty"));
}

} // namespace
