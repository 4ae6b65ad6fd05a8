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

    const Field marketValue = table.FieldByName(QStringLiteral("MarketValue"));
    const Field percentOwned = table.FieldByName(QStringLiteral("PercentOwned"));
    const Field currentBalance = table.FieldByName(QStringLiteral("CurrentBalance"));
    const Field percentLiability = table.FieldByName(QStringLiteral("PercentLiability"));
    Field ownedValue = table.FieldByName(QStringLiteral("TMarketValue"));
    Field owedBalance = table.FieldByName(QStringLiteral("TCurrentLiability"));

    // One walk forms all four sums: the full values are independent of the shares, and the
    // transaction makes the result the same as separate passes.
    double owned = 0.0, owed = 0.0, fullValue = 0.0, fullBalance = 0.0;
    for (table.First(); !table.Eof(); table.Next()) {
        const double value = marketValue.AsFloat();
        const double ownedShare = propertyShare(value, percentOwned.Value());
        addPlain(owned, ownedShare, QStringLiteral("RealEstateTotals"));
        const double balance = currentBalance.AsFloat();
        const double owedShare = propertyShare(balance, percentLiability.Value());
        addPlain(owed, owedShare, QStringLiteral("MortgageLiabilitiesTotals"));
        addGuarded(fullValue, value);
        addGuarded(fullBalance, balance);

        // Rows whose shares are already current are not rewritten.
        if (!holds(ownedValue, ownedShare) || !holds(owedBalance, owedShare)) {
            table.Edit();
            ownedValue.SetAsFloat(ownedShare);
            owedBalance.SetAsFloat(owedShare);
            table.Post();
        }
    }
    table.First();

    Table &totals = editTotalsRow(dm);
    totals.FieldByName(QStringLiteral("RealEstateTotalsAsset")).SetAsFloat(fullValue);
    totals.FieldByName(QStringLiteral("TMortgageLiabilitiesTotals")).SetAsFloat(fullBalance);
    totals.FieldByName(QStringLiteral("RealEstateTotals")).SetAsFloat(owned);
    totals.FieldByName(QStringLiteral("MortgageLiabilitiesTotals")).SetAsFloat(owed);
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
