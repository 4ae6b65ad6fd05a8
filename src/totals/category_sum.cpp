#include "category_sum.h"

#include <map>
#include <optional>

#include <QString>

#include "data/engine/database.h"
#include "data/engine/field.h"
#include "data/entry_lists.h"
#include "data/tdm1.h"
#include "totals/asset_totals.h"
#include "totals/liability_totals.h"
#include "totals/totals_support.h"

namespace {

SummedField byType(const char *rowField, const char *typeField, const char *typeText,
                   const char *totalsField, bool guarded)
{
    return SummedField{rowField, totalsField, 1.0, typeField, typeText, guarded};
}

// A sum of every row whose field is never below zero on a sound statement.
SummedField positive(const char *rowField, const char *totalsField, const char *what, double factor = 1.0)
{
    return SummedField{rowField, totalsField, factor, nullptr, nullptr, true, what};
}

const std::map<Category, CategorySum> &categories()
{
    static const std::map<Category, CategorySum> table = [] {
        const std::vector<void (*)(Tdm1 &)> assets = {RecalcTotalAssets, RecalcNetWorth};
        const std::vector<void (*)(Tdm1 &)> liabilities = {RecalcTotalLiabilities, RecalcNetWorth};
        // The per-type investment sums are plain additions: their overflow is an error, unlike
        // the all-row sums, whose faulty terms are dropped.
        const char *investmentType = "InvestmentType";
        return std::map<Category, CategorySum>{
            // A cash balance may be below zero: an overdrawn account.
            {Category::Cash, {&Tdm1::tblCash, {{"Balance", "CashOnHand"}}, assets, StatementWindow::Cash}},
            {Category::Investments,
             {&Tdm1::tblInvestments,
              {positive("MarketValue", "InvestmentTotals", "an investment's market value"),
               positive("PurchasePrice", "InvestmentPurchasePrice", "an investment's purchase price"),
               byType("MarketValue", investmentType, InvestmentType::SepIra, "IRA", false),
               byType("MarketValue", investmentType, InvestmentType::Stock, "Stocks", false),
               byType("MarketValue", investmentType, InvestmentType::Bond, "Bonds", false),
               byType("MarketValue", investmentType, InvestmentType::MutualFund, "MutualFunds", false),
               byType("MarketValue", investmentType, InvestmentType::Retirement, "Retirement", false),
               byType("MarketValue", investmentType, InvestmentType::K401, "401K", false),
               byType("MarketValue", investmentType, "Other Retirement Account", "Other", false)},
              assets,
              StatementWindow::Investments}},
            {Category::Auto,
             {&Tdm1::tblAuto,
              {positive("CurrentValue", "AutoTotal", "an auto's current value"),
               positive("MonthlyPayment", "AutoPayments", "an auto's monthly payment", 12.0),
               positive("PurchasePrice", "AutoPurchasePrice", "an auto's purchase price"),
               {"MonthlyPayment", "AutoPaymentTotal"}},
              assets,
              StatementWindow::Autos}},
            {Category::LifeInsurance,
             {&Tdm1::tblLifeInsurance,
              {positive("FaceValue", "LifeFace", "a policy's face value"),
               positive("CashValue", "LifeCash", "a policy's cash value")},
              assets,
              StatementWindow::LifeInsurance}},
            {Category::PersonalAssets,
             {&Tdm1::tblPersonalAssets,
              {positive("Value", "PersonalAssets", "a personal asset's value")},
              assets,
              StatementWindow::PersonalAssets}},
            {Category::BusinessAssets,
             {&Tdm1::tblBusinessAssets,
              {positive("Value", "BusinessAssets", "a business asset's value")},
              assets,
              StatementWindow::BusinessAssets}},
            {Category::OtherAssets,
             {&Tdm1::tblOtherAssets,
              {byType("Value", "Type", OtherAssetType::Margin, "MarginAccounts", true),
               byType("Value", "Type", OtherAssetType::NotesReceivable, "NotesReceivable", true),
               byType("Value", "Type", OtherAssetType::AllOther, "OtherAssets", true),
               positive("Value", "OtherAssetsTotal", "the value of an asset under Other Assets")},
              assets,
              StatementWindow::OtherAssets}},
            {Category::AutoLoans,
             {&Tdm1::tblAuto2,
              {positive("LoanBalance", "AutoLiability", "an auto loan balance")},
              liabilities,
              StatementWindow::AutoLoans}},
            {Category::BankNotes,
             {&Tdm1::tblBank,
              {positive("Amount", "BankLiability", "a note's amount owed")},
              liabilities,
              StatementWindow::BankNotes}},
            {Category::CreditCards,
             {&Tdm1::tblCreditCards,
              {positive("CurrentBalance", "CreditCardLiability", "a credit card balance"),
               positive("CreditLimit", "CreditCardLimit", "a credit limit")},
              liabilities,
              StatementWindow::CreditCards}},
            {Category::Taxes,
             {&Tdm1::tblTaxes, {positive("Amount", "TaxLiability", "a tax owed")}, liabilities, StatementWindow::Taxes}},
            {Category::OtherLiabilities,
             {&Tdm1::tblOther,
              {positive("Amount", "OtherLiability", "the amount of a liability under Other Liabilities"),
               positive("MonthlyPayment", "OtherLiabilityMonthlyPayment",
                        "the monthly payment of a liability under Other Liabilities")},
              liabilities,
              StatementWindow::OtherLiabilities}},
            // Contingent liabilities stay outside total liabilities and net worth.
            {Category::Contingent,
             {&Tdm1::tblContingent,
              {positive("Amount", "ContingentLiability", "a contingent liability's amount"),
               positive("MonthlyPayment", "ContingentLiabilityMonthlyPayment",
                        "a contingent liability's monthly payment")},
              {},
              StatementWindow::Contingent}},
        };
    }();
    return table;
}

// A summed field with its fields looked up once, before the walk.
struct BoundSum
{
    const SummedField &description;
    Field value;
    std::optional<Field> type;
    QString typeText;
    double sum = 0.0;
};

} // namespace

const CategorySum &categorySum(Category category)
{
    return categories().at(category);
}

std::vector<const CategorySum *> everyCategorySum()
{
    std::vector<const CategorySum *> all;
    for (const auto &[category, sum] : categories())
        all.push_back(&sum);
    return all;
}

void RecalcCategory(Tdm1 &dm, const CategorySum &category)
{
    Table &table = dm.*category.table;
    FrozenControls frozen({&table, &dm.tblFSPro});
    Database::Transaction transaction(dm.db1);

    std::vector<BoundSum> sums;
    sums.reserve(category.fields.size());
    for (const SummedField &field : category.fields) {
        BoundSum bound{field, table.FieldByName(QString::fromLatin1(field.rowField)), std::nullopt, {}};
        if (field.typeField) {
            bound.type = table.FieldByName(QString::fromLatin1(field.typeField));
            bound.typeText = QString::fromLatin1(field.typeText);
        }
        sums.push_back(std::move(bound));
    }

    for (table.First(); !table.Eof(); table.Next()) {
        for (BoundSum &bound : sums) {
            if (bound.type && bound.type->AsString() != bound.typeText)
                continue;
            const double term = bound.value.AsFloat() * bound.description.factor;
            if (bound.description.guarded)
                addGuarded(bound.sum, term);
            else
                addPlain(bound.sum, term, QString::fromLatin1(bound.description.totalsField));
        }
    }
    table.First();

    Table &totals = editTotalsRow(dm);
    for (const BoundSum &bound : sums)
        totals.FieldByName(QString::fromLatin1(bound.description.totalsField)).SetAsFloat(bound.sum);
    totals.Post();

    for (void (*followUp)(Tdm1 &) : category.then)
        followUp(dm);
    transaction.Commit();
}
