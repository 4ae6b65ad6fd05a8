#include <map>

#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "data/engine/table.h"
#include "support/totals_fixture.h"
#include "support/totals_oracle.h"
#include "totals/totals.h"

namespace {

using namespace TotalsOracle;
using Recalc = void (*)(Tdm1 &);

class StatementTotalsTest : public TotalsTest
{
protected:
    // Rows in every table, each amount different; typed tables get one row of every listed
    // type and one of a type that is not listed.
    void fill(const QString &id, double scale)
    {
        double amount = 0;
        const auto rows = [&](Table &table, std::vector<const char *> fields, const char *typeField = nullptr,
                              const TypeFields &types = {{"", ""}}) {
            for (const auto &type : types + TypeFields{{"Unlisted", ""}}) {
                Values values;
                if (typeField)
                    values.emplace_back(typeField, type.first);
                for (const char *field : fields)
                    values.emplace_back(field, (amount += 1111.25) * scale);
                addRow(table, id, values);
            }
        };
        rows(dm->tblCash, {"Balance"});
        rows(dm->tblInvestments, {"MarketValue", "PurchasePrice"}, "InvestmentType", InvestmentTypes);
        rows(dm->tblAuto, {"CurrentValue", "PurchasePrice", "MonthlyPayment"});
        rows(dm->tblLifeInsurance, {"FaceValue", "CashValue"});
        rows(dm->tblPersonalAssets, {"Value"});
        rows(dm->tblBusinessAssets, {"Value"});
        rows(dm->tblOtherAssets, {"Value"}, "Type", OtherAssetTypes);
        rows(dm->tblAuto2, {"LoanBalance"});
        rows(dm->tblBank, {"Amount"});
        rows(dm->tblCreditCards, {"CurrentBalance", "CreditLimit"});
        rows(dm->tblTaxes, {"Amount"});
        rows(dm->tblOther, {"Amount", "MonthlyPayment"});
        rows(dm->tblContingent, {"Amount", "MonthlyPayment"});
        rows(dm->tblIncomes, {"Amount"}, "Type", IncomeTypes);
        rows(dm->tblExpenditure, {"Amount"}, "Type", ExpenseTypes);
        for (double percent : {100.0, 25.0, 40.0})
            addRow(dm->tblRealEstate, id, {{"PercentOwned", percent}, {"MarketValue", 400000 * scale},
                                           {"PercentLiability", 140 - percent}, {"CurrentBalance", 80000 * scale}});
        addRow(dm->tblLegal, id, {{"Will", "Yes"}});
    }

    QStringList totalsFields() const
    {
        QStringList names;
        for (int i = 0; i < dm->tblFSPro.FieldCount(); ++i)
            if (dm->tblFSPro.column(i).kind == FieldKind::Float)
                names << dm->tblFSPro.column(i).name;
        return names;
    }

    void expectTotals(const QString &id, const std::map<QString, double> &expected)
    {
        for (const QString &field : totalsFields()) {
            SCOPED_TRACE(field.toStdString());
            ASSERT_TRUE(expected.count(field)) << "no expectation for this totals field";
            EXPECT_FALSE(storedIsEmpty(id, field));
            EXPECT_NEAR(stored(id, field), expected.at(field), 1e-6);
        }
    }
};

TEST_F(StatementTotalsTest, EveryTotalsFieldMatchesSumsFormedIndependently)
{
    const QString id = addStatement("Ann", "Baker");
    fill(id, 1.0);
    RecalcAllTotals(*dm);
    const auto e = expectedTotals(db, id);
    expectTotals(id, e);
    EXPECT_NEAR(db.number("SELECT SUM(TMarketValue) FROM RealEstate"), e.at("RealEstateTotals"), 1e-6);
    EXPECT_NEAR(db.number("SELECT SUM(TCurrentLiability) FROM RealEstate"), e.at("MortgageLiabilitiesTotals"), 1e-6);
}

TEST_F(StatementTotalsTest, TwoStatementsNeverTouchEachOthersTotals)
{
    const QString first = addStatement("Ann", "Baker");
    const QString second = addStatement("Carl", "Dunn");
    fill(first, 1.0);
    fill(second, 3.0);

    select(first);
    RecalcAllTotals(*dm);
    for (const QString &field : totalsFields())
        EXPECT_TRUE(storedIsEmpty(second, field)) << field.toStdString();

    select(second);
    RecalcAllTotals(*dm);
    expectTotals(first, expectedTotals(db, first));
    expectTotals(second, expectedTotals(db, second));
}

TEST_F(StatementTotalsTest, EmptyCategoriesWriteZeroNotEmpty)
{
    const QString id = addStatement("Ann", "Baker");
    RecalcAllTotals(*dm);
    expectTotals(id, expectedTotals(db, id));
}

// Counts what bound controls would hear from a table.
struct HeardEvents : TableListener
{
    void tableChanged(TableEvent, int) override { ++count; }
    int count = 0;
};

TEST_F(StatementTotalsTest, BoundControlsHearOfAWalkOnceNotPerRow)
{
    const QString id = addStatement("Ann", "Baker");
    for (int i = 0; i < 40; ++i)
        addRow(dm->tblRealEstate, id, {{"Description", QString::number(i)}, {"MarketValue", 100.0}});
    HeardEvents heard;
    dm->tblRealEstate.addListener(&heard);
    RecalcRealEstateTotals(*dm);
    dm->tblRealEstate.removeListener(&heard);
    EXPECT_LE(heard.count, 3);
}

// A failure must leave the file exactly as it was: nothing of the operation is kept.
class RecalcFailureTest : public StatementTotalsTest
{
protected:
    void SetUp() override
    {
        StatementTotalsTest::SetUp();
        id = addStatement("Ann", "Baker");
        fill(id, 1.0);
        RecalcAllTotals(*dm);
    }
    void expectFailureLeavesFileUnchanged(Recalc recalc)
    {
        const QString before = snapshot();
        EXPECT_THROW(recalc(*dm), EngineError);
        EXPECT_EQ(snapshot(), before);
        EXPECT_FALSE(dm->db1.inTransaction());
        EXPECT_EQ(dm->tblFSPro.state(), Table::State::Browse);
    }
    QString id;
};

TEST_F(RecalcFailureTest, AValueThatIsNotANumberEndsTheOperation)
{
    addRow(dm->tblCash, id, {{"RegisteredName", "zz"}, {"Balance", 5.0}});
    execBehindEngine("UPDATE Cash SET Balance = 'twelve' WHERE RegisteredName = 'zz'");
    expectFailureLeavesFileUnchanged(RecalcCashTotals);
}

TEST_F(RecalcFailureTest, AFailingFollowUpUndoesTheCategoryTotals)
{
    addRow(dm->tblCash, id, {{"Balance", 5.0}});
    execBehindEngine("UPDATE FSPro SET TotalLiabilities = 'unknown'"); // net worth reads without a guard
    expectFailureLeavesFileUnchanged(RecalcCashTotals);
}

TEST_F(RecalcFailureTest, PlainAdditionsThatOverflowEndTheOperation)
{
    for (const char *description : {"a", "b"}) {
        addRow(dm->tblInvestments, id, {{"InvestmentType", "Bond"}, {"MarketValue", 1e308}});
        addRow(dm->tblRealEstate, id, {{"Description", description}, {"PercentOwned", 100.0}, {"MarketValue", 1e308}});
    }
    expectFailureLeavesFileUnchanged(RecalcInvestmentTotals);
    expectFailureLeavesFileUnchanged(RecalcRealEstateTotals); // the first row's shares are undone too
}

TEST_F(RecalcFailureTest, AStatementWithoutTotalsRowGetsNoStrayTotalsRow)
{
    execBehindEngine("DELETE FROM FSPro");
    for (Recalc recalc : {RecalcCashTotals, RecalcRealEstateTotals, RecalcContingentTotals, RecalcIncomeTotals,
                          RecalcTotalAssets, RecalcNetWorth})
        expectFailureLeavesFileUnchanged(recalc);
}

} // namespace
