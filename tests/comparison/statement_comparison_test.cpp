// Which statements are compared and in what order; the figures themselves are checked
// through the comparison window.
#include <optional>

#include <gtest/gtest.h>

#include "comparison/statement_comparison.h"
#include "data/engine/engine_error.h"
#include "data/entry_lists.h"
#include "support/totals_fixture.h"

namespace {

class StatementComparisonTest : public TotalsTest
{
protected:
    QString statementOn(const QString &first, const QString &last, const QString &date)
    {
        const QString id = addClient(first, last);
        db.exec(QString("INSERT INTO FSPro (ClientId, Date, NetWorth) VALUES ('%1', '%2', %1)").arg(id, date));
        return id;
    }
};

TEST_F(StatementComparisonTest, DatesAreComparedAsDatesAndAnInvalidOneIsOldest)
{
    EXPECT_TRUE(statementDateIsOlder("12/31/2025", "01/01/2026"));
    EXPECT_FALSE(statementDateIsOlder("01/01/2026", "12/31/2025"));
    EXPECT_FALSE(statementDateIsOlder("01/01/2026", "01/01/2026"));
    EXPECT_TRUE(statementDateIsOlder("", "01/01/1990"));
    EXPECT_TRUE(statementDateIsOlder("13/01/2026", "01/01/1990"));
    EXPECT_FALSE(statementDateIsOlder("01/01/1990", "not a date"));
    EXPECT_FALSE(statementDateIsOlder("", ""));
    // Without leading zeros, which as text would sort before December of the year before.
    EXPECT_TRUE(statementDateIsOlder("12/20/2026", "1/5/2027"));
    EXPECT_FALSE(statementDateIsOlder("1/5/2027", "12/20/2026"));
    EXPECT_FALSE(statementDateIsOlder("1/5/2027", "01/05/2027"));
}

TEST_F(StatementComparisonTest, TheOtherStatementsOfThePersonComeNewestFirst)
{
    const QString a = statementOn("Ann", "Avery", "06/30/2025");
    const QString b = statementOn("Ann", "Avery", "01/15/2026");
    const QString c = statementOn("Ann", "Avery", "");
    const QString d = statementOn("Ann", "Avery", "01/15/2026");
    statementOn("ann", "Avery", "01/01/2027"); // another spelling is another person
    statementOn("Ann", "Avery-Smith", "01/01/2027");
    reopen();
    std::vector<QString> ids;
    for (const StatementChoice &choice : OtherStatementsOfPerson(*dm, a))
        ids.push_back(choice.id);
    // Of equal dates the one stored last first; no date last.
    EXPECT_EQ(ids, (std::vector<QString>{d, b, c}));
    // A date two of them share is told apart by the statement's number.
    QStringList labels;
    for (const StatementChoice &choice : OtherStatementsOfPerson(*dm, a))
        labels << choice.label;
    EXPECT_EQ(labels, QStringList({"01/15/2026 #" + d, "01/15/2026 #" + b, "(no date)"}));
    labels.clear();
    for (const StatementChoice &choice : OtherStatementsOfPerson(*dm, d)) // the given one shares its date
        labels << choice.label;
    EXPECT_EQ(labels, QStringList({"01/15/2026 #" + b, "06/30/2025", "(no date)"}));
    EXPECT_EQ(MostRecentOtherStatement(*dm, d), b);
    EXPECT_EQ(MostRecentOtherStatement(*dm, "999"), "");
}

TEST_F(StatementComparisonTest, TheOlderStatementComesFirstAndOfOneDateTheOneCreatedFirst)
{
    const QString newer = statementOn("Ann", "Avery", "2/1/2027");
    const QString older = statementOn("Ann", "Avery", "12/01/2026");
    const QString copy = statementOn("Ann", "Avery", "02/01/2027"); // of the same day as newer
    reopen();
    struct Case
    {
        QString first, second, earlier, later, earlierLabel, laterLabel;
    };
    for (const Case &c : {Case{newer, older, older, newer, "12/01/2026", "2/1/2027"},
                          Case{older, newer, older, newer, "12/01/2026", "2/1/2027"},
                          Case{copy, newer, newer, copy, "2/1/2027 #" + newer, "02/01/2027 #" + copy},
                          Case{newer, copy, newer, copy, "2/1/2027 #" + newer, "02/01/2027 #" + copy},
                          Case{older, older, older, older, "12/01/2026", "12/01/2026"}}) {
        SCOPED_TRACE((c.first + " " + c.second).toStdString());
        const StatementComparison comparison = CompareStatements(*dm, c.first, c.second);
        EXPECT_EQ(comparison.earlier.id, c.earlier);
        EXPECT_EQ(comparison.later.id, c.later);
        EXPECT_EQ(comparison.earlier.label, c.earlierLabel);
        EXPECT_EQ(comparison.later.label, c.laterLabel);
        // The net worth of each is its Id: the change is the later one's minus the earlier one's.
        EXPECT_DOUBLE_EQ(comparison.groups.at(1).figures.back().change, c.later.toDouble() - c.earlier.toDouble());
    }
}

// A change in percent of the earlier figure's magnitude: a negative net worth that shrinks
// towards nothing rises.
TEST_F(StatementComparisonTest, APercentChangeHasTheSignOfTheChangeWhateverTheSignOfTheEarlierFigure)
{
    const QString earlier = statementOn("Ann", "Avery", "12/01/2026");
    const QString later = statementOn("Ann", "Avery", "02/01/2027");
    struct Case
    {
        double earlier, later;
        std::optional<double> percent;
    };
    for (const Case &c : {Case{-1000, -500, 50}, Case{-1000, -1500, -50}, Case{1000, 500, -50}, Case{1000, 1500, 50},
                          Case{-200, 200, 200}, Case{0, 500, std::nullopt}}) {
        SCOPED_TRACE(std::to_string(c.earlier) + " to " + std::to_string(c.later));
        db.exec(QString("UPDATE FSPro SET NetWorth = %1 WHERE ClientId = '%2'; "
                        "UPDATE FSPro SET NetWorth = %3 WHERE ClientId = '%4'")
                    .arg(c.earlier)
                    .arg(earlier)
                    .arg(c.later)
                    .arg(later));
        reopen();
        const ComparedFigure netWorth = CompareStatements(*dm, later, earlier).groups.at(1).figures.back();
        ASSERT_EQ(netWorth.field, "NetWorth");
        EXPECT_DOUBLE_EQ(netWorth.change, c.later - c.earlier);
        ASSERT_EQ(netWorth.percent.has_value(), c.percent.has_value());
        if (c.percent)
            EXPECT_DOUBLE_EQ(*netWorth.percent, *c.percent);
    }
}

TEST_F(StatementComparisonTest, AnUnknownStatementIsRefused)
{
    const QString newer = statementOn("Ann", "Avery", "02/01/2027");
    const QString older = statementOn("Ann", "Avery", "12/01/2026");
    reopen();
    EXPECT_THROW(CompareStatements(*dm, newer, "999"), EngineError);
    EXPECT_THROW(CompareStatements(*dm, "", older), EngineError);
}

TEST_F(StatementComparisonTest, DebtServiceCountsInstallmentsMortgagesLeasesAndOtherDebt)
{
    const QString id = statementOn("Ann", "Avery", "01/01/2026");
    db.exec(QString("UPDATE FSPro SET MIncomeTotal = 1000, MInstallment_Exp = 10, MMortgage_Exp = 20, MLease_Exp = 30, "
                    "MOtherDebt_Exp = 40, MRental_Exp = 500, MAlimony_Exp = 500, MInsurance_Exp = 500, "
                    "MOther_Exp = 500 WHERE ClientId = '%1'")
                .arg(id));
    reopen();
    const StatementComparison comparison = CompareStatements(*dm, id, id);
    ASSERT_EQ(comparison.ratios.size(), 4u);
    EXPECT_EQ(comparison.ratios[2].caption, "Debt to Income");
    ASSERT_TRUE(comparison.ratios[2].later);
    EXPECT_DOUBLE_EQ(*comparison.ratios[2].later, 0.1);
}

} // namespace
