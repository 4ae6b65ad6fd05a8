// Dates as people type them and as the program stores them, and the day taken for today.
#include <gtest/gtest.h>

#include "base/dates.h"

namespace {

TEST(DatesTest, DatesAreRealDatesInMonthDayYearOrder)
{
    EXPECT_EQ(Dates::parse("1/2/1970"), QDate(1970, 1, 2));
    EXPECT_EQ(Dates::parse("01/02/1970"), QDate(1970, 1, 2));
    EXPECT_EQ(Dates::parse("2/29/2024"), QDate(2024, 2, 29));
    EXPECT_EQ(Dates::format(QDate(1970, 1, 2)), "01/02/1970");
    for (const char *text : {"2/29/2023", "13/1/2000", "0/10/2000", "4/31/2000", "1/2/70", "1-2-1970",
                             "1970/01/02", "yesterday", "1/2/1970x"})
        EXPECT_FALSE(Dates::parse(QString::fromLatin1(text))) << text;
}

TEST(DatesTest, TheExactFormIsTheStoredOneAndNothingElse)
{
    EXPECT_EQ(Dates::parseExact("01/02/1970"), QDate(1970, 1, 2));
    EXPECT_EQ(Dates::parseExact("12/31/0999"), QDate(999, 12, 31));
    for (const char *text : {"1/2/1970", "01/2/1970", " 01/02/1970", "01/02/1970 ", "02/30/2000", "01/02/+970", ""})
        EXPECT_FALSE(Dates::parseExact(QString::fromLatin1(text))) << '"' << text << '"';
}

TEST(DatesTest, AFixedTodayHoldsWhileItLivesAndGivesThePreviousDayBack)
{
    const QDate system = QDate::currentDate();
    {
        const Dates::FixedToday outer(QDate(2027, 3, 15));
        EXPECT_EQ(Dates::today(), QDate(2027, 3, 15));
        {
            const Dates::FixedToday inner(QDate(2000, 1, 1));
            EXPECT_EQ(Dates::today(), QDate(2000, 1, 1));
        }
        EXPECT_EQ(Dates::today(), QDate(2027, 3, 15));
    }
    // The system's date, unless midnight passed while the test ran.
    EXPECT_TRUE(Dates::today() == system || Dates::today() == QDate::currentDate());
}

} // namespace
