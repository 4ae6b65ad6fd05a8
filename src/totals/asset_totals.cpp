#include "asset_totals.h"

#include <cmath>

#include <QVariant>

#include "data/engine/database.h"
#include "data/engine/field.h"
#include "data/tdm1.h"
#include "totals/category_sum.h"
#include "totals/liability_totals.h"
#include "totals/totals_support.h"

namespace {

bool holds(const Field &field, double value)
{
    const QVariant stored = field.Value();
    return stored.typeId() == QMetaType::Double && stored.toDouble() == value;
}

} // namespace

double propertyShare(double whole, const QVariant &percent)
{
    double stored = 0.0;
    if (percent.isValid() && !percent.isNull()) {
        if (percent.typeId() == QMetaType::Double || percent.typeId() == QMetaType::LongLong)
            stored = percent.toDouble();
        else if (const QString text = percent.toString(); !text.trimmed().isEmpty() && !Field::parseNumber(text, &stored))
            stored = 100.0;
    }
    double factor = stored * 0.01;
    if (!std::isfinite(factor))
        factor = 1.0;
    const double share = whole * factor;
    return std::isfinite(share) ? share : 0.0;
}

const std::array<PropertyShareRule, 2> &propertyShareRules()
{
    static const std::array<PropertyShareRule, 2> rules = {{
        {"MarketValue", "PercentOwned", "TMarketValue", "RealEstateTotalsAsset", "RealEstateTotals",
         StatementWindow::RealEstate, "owned value", "a property's market value", "a property's percentage owned"},
        {"CurrentBalance", "PercentLiability", "TCurrentLiability", "TMortgageLiabilitiesTotals",
         "MortgageLiabilitiesTotals", StatementWindow::Mortgages, "owed balance", "a mortgage balance",
         "a mortgage's percentage owed"},
    }};
    return rules;
}

void RecalcCashTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::Cash));
}

void RecalcInvestmentTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::Investments));
}

void RecalcAutoTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::Auto));
}

void RecalcLifeInsuranceTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::LifeInsurance));
}

void RecalcPersonalAssetTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::PersonalAssets));
}

void RecalcBusinessAssetTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::BusinessAssets));
}

void RecalcOtherAssetTotals(Tdm1 &dm)
{
    RecalcCategory(dm, categorySum(Category::OtherAssets));
}

void RecalcRealEstateTotals(Tdm1 &dm)
{
    Table &table = dm.tblRealEstate;
    FrozenControls frozen({&table, &dm.tblFSPro});
    Database::Transaction transaction(dm.db1);

    struct Bound
    {
        const PropertyShareRule &rule;
        Field whole, percent, share;
        double shares = 0.0, wholes = 0.0;
    };
    std::vector<Bound> bound;
    for (const PropertyShareRule &rule : propertyShareRules())
        bound.push_back({rule, table.FieldByName(QLatin1String(rule.whole)),
                         table.FieldByName(QLatin1String(rule.percent)), table.FieldByName(QLatin1String(rule.share))});

    // One walk forms all four sums: the wholes are independent of the shares, and the
    // transaction makes the result the same as separate passes.
    for (table.First(); !table.Eof(); table.Next()) {
        std::array<double, 2> shares{};
        bool current = true;
        for (size_t i = 0; i < bound.size(); ++i) {
            Bound &b = bound[i];
            const double whole = b.whole.AsFloat();
            shares[i] = propertyShare(whole, b.percent.Value());
            addPlain(b.shares, shares[i], QLatin1String(b.rule.shareTotal));
            addGuarded(b.wholes, whole);
            current = current && holds(b.share, shares[i]);
        }
        // Rows whose shares are already current are not rewritten.
        if (!current) {
            table.Edit();
            for (size_t i = 0; i < bound.size(); ++i)
                bound[i].share.SetAsFloat(shares[i]);
            table.Post();
        }
    }
    table.First();

    Table &totals = editTotalsRow(dm);
    for (const Bound &b : bound) {
        totals.FieldByName(QLatin1String(b.rule.wholeTotal)).SetAsFloat(b.wholes);
        totals.FieldByName(QLatin1String(b.rule.shareTotal)).SetAsFloat(b.shares);
    }
    totals.Post();

    RecalcTotalAssets(dm);
    RecalcTotalLiabilities(dm);
    RecalcNetWorth(dm);
    transaction.Commit();
}

const std::vector<const char *> &totalAssetsParts()
{
    // Life insurance counts at cash value; the three other-asset types are already inside
    // OtherAssetsTotal.
    static const std::vector<const char *> parts = {"CashOnHand",     "InvestmentTotals", "RealEstateTotals",
                                                    "AutoTotal",      "LifeCash",         "PersonalAssets",
                                                    "BusinessAssets", "OtherAssetsTotal"};
    return parts;
}

void RecalcTotalAssets(Tdm1 &dm)
{
    Database::Transaction transaction(dm.db1);
    const double assets = sumStoredTotals(dm.tblFSPro, totalAssetsParts());
    Table &totals = editTotalsRow(dm);
    totals.FieldByName(QStringLiteral("TotalAssets")).SetAsFloat(assets);
    totals.Post();
    transaction.Commit();
}
