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

const std::map<Category, CategorySum> &categories()
{
    static const std::map<Category, CategorySum> table = [] {
        const std::vector<void (*)(Tdm1 &)> assets = {RecalcTotalAssets, RecalcNetWorth};
        const std::vector<void (*)(Tdm1 &)> liabilities = {RecalcTotalLiabilities, RecalcNetWorth};
        // The per-type investment sums are plain additions: their overflow is an error, unlike
        // the all-row sums, whose faulty terms are dropped.
        const char *investmentType = "InvestmentType";
        return std::map<Category, CategorySum>{
            {Category::Cash, {&Tdm1::tblCash, {{"Balance", "CashOnHand"}}, assets}},
            {Category::Investments,
             {&Tdm1::tblInvestments,
              {{"MarketValue", "InvestmentTotals"},
               {"PurchasePrice", "InvestmentPurchasePrice"},
               byType("MarketValue", investmentType, InvestmentType::SepIra, "IRA", false),
               byType("MarketValue", investmentType, InvestmentType::Stock, "Stocks", false),
               byType("MarketValue", investmentType, InvestmentType::Bond, "Bonds", false),
               byType("MarketValue", investmentType, InvestmentType::MutualFund, "MutualFunds", false),
               byType("MarketValue", investmentType, InvestmentType::Retirement, "Retirement", false),
               byType("MarketValue", investmentType, InvestmentType::K401, "401K", false),
               byType("MarketValue", investmentType, "Other Retirement Account", "Other", false)},
              assets}},
            {Category::Auto,
             {&Tdm1::tblAuto,
              {{"CurrentValue", "AutoTotal"},
               {"MonthlyPayment", "AutoPayments", 12.0},
               {"PurchasePrice", "AutoPurchasePrice"},
               {"MonthlyPayment", "AutoPaymentTotal"}},
              assets}},
            {Category::LifeInsurance,
             {&Tdm1::tblLifeInsurance, {{"FaceValue", "LifeFace"}, {"CashValue", "LifeCash"}}, assets}},
            {Category::PersonalAssets, {&Tdm1::tblPersonalAssets, {{"Value", "PersonalAssets"}}, assets}},
            {Category::BusinessAssets, {&Tdm1::tblBusinessAssets, {{"Value", "BusinessAssets"}}, assets}},
            {Category::OtherAssets,
             {&Tdm1::tblOtherAssets,
              {byType("Value", "Type", OtherAssetType::Margin, "MarginAccounts", true),
               byType("Value", "Type", OtherAssetType::NotesReceivable, "NotesReceivable", true),
               byType("Value", "Type", OtherAssetType::AllOther, "OtherAssets", true),
               {"Value", "OtherAssetsTotal"}},
              assets}},
            {Category::AutoLoans, {&Tdm1::tblAuto2, {{"LoanBalance", "AutoLiability"}}, liabilities}},
            {Category::BankNotes, {&Tdm1::tblBank, {{"Amount", "BankLiability"}}, liabilities}},
            {Category::CreditCards,
             {&Tdm1::tblCreditCards,
              {{"CurrentBalance", "CreditCardLiability"}, {"CreditLimit", "CreditCardLimit"}},
              liabilities}},
            {Category::Taxes, {&Tdm1::tblTaxes, {{"Amount", "TaxLiability"}}, liabilities}},
            {Category::OtherLiabilities,
             {&Tdm1::tblOther,
              {{"Amount", "OtherLiability"}, {"MonthlyPayment", "OtherLiabilityMonthlyPayment"}},
              liabilities}},
            // Contingent liabilities stay outside total liabilities and net worth.
            {Category::Contingent,
             {&Tdm1::tblContingent,
              {{"Amount", "ContingentLiability"}, {"MonthlyPayment", "ContingentLiabilityMonthlyPayment"}},
              {}}},
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
