// The statement's properties with their liens, checked against sums the file itself forms
// (SQL over the stored rows) and against the stored real-estate totals.
#include <map>

#include <gtest/gtest.h>

#include "data/engine/table.h"
#include "lender/properties.h"
#include "support/totals_fixture.h"
#include "totals/totals.h"

namespace {

class PropertiesTest : public TotalsTest
{
protected:
    // The sum of an expression over a property's rows: its own row and the liens naming it.
    double overRowsOf(const QString &id, const QString &description, const QString &expression) const
    {
        return db.number(QString("SELECT TOTAL(%1) FROM RealEstate WHERE ClientId = '%2' AND "
                                 "((LienOnProperty = '' AND Description = '%3') OR LienOnProperty = '%3')")
                             .arg(expression, id, description));
    }
};

TEST_F(PropertiesTest, GroupsLiensUnderTheirPropertyAndFormsEachFigureFromItsRows)
{
    const QString id = addStatement("Ann", "Avery");
    const QString other = addStatement("Cy", "Other");
    using V = Values;
    // Entered out of grid order; grid order is Description without regard to case.
    const std::vector<V> rows = {
        {{"Description", "duplex"}, {"Occupancy", "Tenant Occupied"}, {"PercentOwned", 50.0},
         {"MarketValue", 400000.0}, {"LienHolder", "Second Bank"}, {"CurrentBalance", 200000.0},
         {"PercentLiability", 50.0}, {"MonthlyPayment", 1500.0}, {"MonthlyRent", 3200.0}, {"MonthlyTaxes", 300.0},
         {"MonthlyInsurance", 100.0}, {"InterestRate", 6.5}},
        {{"Description", "Home"}, {"Occupancy", "Owner Occupied"}, {"PercentOwned", 100.0},
         {"MarketValue", 300000.0}, {"LienHolder", "First Bank"}, {"CurrentBalance", 150000.0},
         {"PercentLiability", 100.0}, {"MonthlyPayment", 1200.0}, {"MonthlyRent", 500.0}},
        {{"Description", "Home HELOC"}, {"LienOnProperty", "Home"}, {"MarketValue", 0.0}, {"PercentOwned", 100.0},
         {"LienHolder", "Credit Union"}, {"CurrentBalance", 40000.0}, {"PercentLiability", 100.0},
         {"MonthlyPayment", 300.0}},
        // A lot with no lien and no percentage: owned share 0, no lien line, LTV 0.0 %.
        {{"Description", "Lot"}, {"Occupancy", "Vacant"}, {"MarketValue", 50000.0}, {"MonthlyTaxes", 80.0}},
        {{"Description", "Duplex second"}, {"LienOnProperty", "duplex"}, {"LienHolder", "Private lender"},
         {"CurrentBalance", 30000.0}, {"PercentLiability", 50.0}, {"MonthlyPayment", 400.0}},
        // Names a property another statement has: listed apart, not lost.
        {{"Description", "Stray lien"}, {"LienOnProperty", "Cabin"}, {"LienHolder", "Far Bank"},
         {"CurrentBalance", 10000.0}, {"PercentLiability", 100.0}},
    };
    for (const V &row : rows)
        addRow(dm->tblRealEstate, id, row);
    addRow(dm->tblRealEstate, other, {{"Description", "Cabin"}, {"MarketValue", 90000.0}, {"PercentOwned", 100.0}});
    select(id);
    RecalcRealEstateTotals(*dm);

    struct Expected
    {
        QString description;
        QStringList liens;       // further liens in grid order
        int lienLines;           // with the property row's own lien
        std::optional<double> ltv; // by hand: Σ balance ÷ Σ market value, one decimal
        bool rental;
    };
    const std::vector<Expected> expected = {
        {"duplex", {"Duplex second"}, 2, 57.5, true},    // 230,000 ÷ 400,000
        {"Home", {"Home HELOC"}, 2, 63.3, false},        // 190,000 ÷ 300,000 = 63.33…
        {"Lot", {}, 0, 0.0, true},                       // nothing owed
    };

    const StatementProperties found = statementProperties(dm->db1, id);
    ASSERT_EQ(found.properties.size(), expected.size());
    double equity = 0, income = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        const Property &p = found.properties[i];
        const Expected &e = expected[i];
        SCOPED_TRACE(e.description.toStdString());
        EXPECT_EQ(p.number, int(i) + 1);
        EXPECT_EQ(p.row.description, e.description);
        QStringList liens;
        for (const RealEstateRow &lien : p.liens)
            liens << lien.description;
        EXPECT_EQ(liens, e.liens);
        EXPECT_EQ(int(p.lienLines().size()), e.lienLines);
        EXPECT_EQ(p.loanToValue, e.ltv);

        const QString d = e.description;
        const QString owned = "IFNULL(MarketValue, 0) * IFNULL(PercentOwned, 0) * 0.01";
        const QString owed = "IFNULL(CurrentBalance, 0) * IFNULL(PercentLiability, 0) * 0.01";
        EXPECT_DOUBLE_EQ(p.marketValue, overRowsOf(id, d, "MarketValue"));
        EXPECT_DOUBLE_EQ(p.balance, overRowsOf(id, d, "CurrentBalance"));
        EXPECT_DOUBLE_EQ(p.ownedShare, overRowsOf(id, d, owned));
        EXPECT_DOUBLE_EQ(p.owedShare, overRowsOf(id, d, owed));
        EXPECT_DOUBLE_EQ(p.equity, overRowsOf(id, d, owned + " - " + owed));
        EXPECT_DOUBLE_EQ(p.monthlyPayment, overRowsOf(id, d, "MonthlyPayment"));
        ASSERT_EQ(p.netRentalIncome.has_value(), e.rental);
        if (e.rental) {
            const double own = db.number(QString("SELECT IFNULL(PercentOwned, 0) * 0.01 * (TOTAL(MonthlyRent) - "
                                                 "TOTAL(MonthlyTaxes) - TOTAL(MonthlyInsurance) - TOTAL(MonthlyDues)) "
                                                 "FROM RealEstate WHERE ClientId = '%1' AND Description = '%2'")
                                             .arg(id, d));
            const double payments = overRowsOf(id, d, "IFNULL(MonthlyPayment, 0) * IFNULL(PercentLiability, 0) * 0.01");
            EXPECT_DOUBLE_EQ(*p.netRentalIncome, own - payments);
            income += *p.netRentalIncome;
        }
        equity += p.equity;
    }
    // By hand: duplex 0.5 × (3,200 − 300 − 100) − 0.5 × 1,500 − 0.5 × 400 = 450; lot 0 − 0 = 0.
    EXPECT_DOUBLE_EQ(income, 450.0);
    ASSERT_EQ(found.unplacedLiens.size(), 1u);
    EXPECT_EQ(found.unplacedLiens[0].description, "Stray lien");
    // With the stray lien's share the equities are exactly the statement's real estate less
    // its mortgages.
    EXPECT_DOUBLE_EQ(equity - found.unplacedLiens[0].owedShare(),
                     stored(id, "RealEstateTotals") - stored(id, "MortgageLiabilitiesTotals"));
    EXPECT_TRUE(statementProperties(dm->db1, "no such statement").empty());
}

TEST(LoanToValue, RoundsHalfUpToOneDecimalAndIsEmptyWithoutAValue)
{
    const auto ltv = [](double balance, double value) {
        RealEstateRow row;
        row.currentBalance = balance;
        row.marketValue = value;
        return groupProperties({row}).properties.at(0).loanToValue;
    };
    EXPECT_EQ(ltv(49, 400), 12.3);      // 12.25 exactly: half goes up
    EXPECT_EQ(ltv(48.8, 400), 12.2);    // 12.2
    EXPECT_EQ(ltv(1, 3), 33.3);
    EXPECT_EQ(ltv(2, 3), 66.7);
    EXPECT_EQ(ltv(500, 400), 125.0);    // under water
    EXPECT_EQ(ltv(100, 0), std::nullopt);
    EXPECT_EQ(ltv(100, -5), std::nullopt);
}

} // namespace
