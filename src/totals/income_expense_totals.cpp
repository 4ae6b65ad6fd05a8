#include "income_expense_totals.h"

#include <vector>

#include <QString>

#include "data/engine/database.h"
#include "data/engine/filter.h"
#include "data/entry_lists.h"
#include "data/tdm1.h"
#include "totals/asset_totals.h"
#include "totals/totals_support.h"

const ItemTotals &incomeTotals()
{
    static const ItemTotals totals = {
        &Tdm1::tblIncomes,
        {nullptr, "IncomeTotal", "MIncomeTotal"},
        {
            {IncomeType::SalaryIndividual, "Salary", "MSalary"},
            {IncomeType::SalarySpouse, "Salary_Spouse", "MSalary_Spouse"},
            {IncomeType::Bonus, "Bonus", "MBonus"},
            {IncomeType::Dividends, "Dividends", "MDividends"},
            // A property's net income may be a loss.
            {.type = IncomeType::RealEstate,
             .yearly = "RealEstateIncome",
             .monthly = "MRealEstateIncome",
             .mayBeNegative = true},
            {IncomeType::Oil, "OilIncome", "MOilIncome"},
            {IncomeType::AllOther, "OtherIncome", "MOtherIncome"},
        },
        RecalcTotalAssets,
        StatementWindow::Income,
        "an income",
    };
    return totals;
}

const ItemTotals &expenseTotals()
{
    static const ItemTotals totals = {
        &Tdm1::tblExpenditure,
        {nullptr, "ExpenseTotal", "MExpenseTotal"},
        {
            {ExpenseType::Alimony, "Alimony_Exp", "MAlimony_Exp"},
            {ExpenseType::Insurance, "Insurance_Exp", "MInsurance_Exp"},
            {.type = ExpenseType::Installment, .yearly = "Installment_Exp", .monthly = "MInstallment_Exp", .debtService = true},
            {.type = ExpenseType::Lease, .yearly = "Lease_Exp", .monthly = "MLease_Exp", .debtService = true},
            {.type = ExpenseType::Mortgage, .yearly = "Mortgage_Exp", .monthly = "MMortgage_Exp", .debtService = true},
            {.type = ExpenseType::OtherDebt, .yearly = "OtherDebt_Exp", .monthly = "MOtherDebt_Exp", .debtService = true},
            {ExpenseType::Rental, "Rental_Exp", "MRental_Exp"},
            {ExpenseType::AllOther, "Other_Exp", "MOther_Exp"},
        },
        nullptr,
        StatementWindow::Expenses,
        "an expense",
    };
    return totals;
}

namespace {

// Puts the item table back on the statement filter when the scope ends, so a failed
// recomputation does not leave the section's list showing one type only.
class StatementFilterRestore
{
public:
    StatementFilterRestore(Tdm1 &dm, Table &table) : m_dm(dm), m_table(table) {}
    ~StatementFilterRestore()
    {
        if (m_done)
            return;
        try {
            restore();
        } catch (...) {
            // The operation's own error is already on its way to the user.
        }
    }
    StatementFilterRestore(const StatementFilterRestore &) = delete;
    StatementFilterRestore &operator=(const StatementFilterRestore &) = delete;

    void restore()
    {
        m_done = true;
        m_table.SetFilter(m_dm.StatementFilter());
        m_table.SetFiltered(true);
        m_table.First();
    }

private:
    Tdm1 &m_dm;
    Table &m_table;
    bool m_done = false;
};

double sumAmounts(Table &table, const Field &amount)
{
    double sum = 0.0;
    for (table.First(); !table.Eof(); table.Next())
        addGuarded(sum, amount.AsFloat());
    return sum;
}

void writeYearAndMonth(Table &totals, const TypeTotal &total, double yearly)
{
    totals.FieldByName(QString::fromLatin1(total.yearly)).SetAsFloat(yearly);
    totals.FieldByName(QString::fromLatin1(total.monthly)).SetAsFloat(yearly / 12.0);
}

void recalcItemTotals(Tdm1 &dm, const ItemTotals &items)
{
    Table &table = dm.*items.table;
    FrozenControls frozen({&table, &dm.tblFSPro});
    StatementFilterRestore filterRestore(dm, table);
    Database::Transaction transaction(dm.db1);

    const Field amount = table.FieldByName(QStringLiteral("Amount"));
    const double all = sumAmounts(table, amount);
    // Each type is summed under its own filter, so the rows are those the engine selects by
    // exact comparison of the type text.
    std::vector<double> byType;
    byType.reserve(items.types.size());
    const QString statementFilter = dm.StatementFilter();
    for (const TypeTotal &type : items.types) {
        table.SetFilter(statementFilter + QStringLiteral(" and Type = ") + quoteFilterText(QString::fromLatin1(type.type)));
        table.SetFiltered(true);
        byType.push_back(sumAmounts(table, amount));
    }

    Table &totals = editTotalsRow(dm);
    writeYearAndMonth(totals, items.all, all);
    for (size_t i = 0; i < items.types.size(); ++i)
        writeYearAndMonth(totals, items.types[i], byType[i]);
    totals.Post();

    filterRestore.restore();
    if (items.then)
        items.then(dm);
    transaction.Commit();
}

} // namespace

void RecalcIncomeTotals(Tdm1 &dm)
{
    recalcItemTotals(dm, incomeTotals());
}

void RecalcExpenseTotals(Tdm1 &dm)
{
    recalcItemTotals(dm, expenseTotals());
}
