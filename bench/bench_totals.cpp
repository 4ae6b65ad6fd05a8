// Each recomputation on a statement with 100 rows in its table, in a file of 10,000
// statements; every run commits as one transaction.
#include <memory>

#include <benchmark/benchmark.h>

#include "data/engine/query.h"
#include "data/tdm1.h"
#include "fixture.h"
#include "totals/totals.h"

namespace {

std::unique_ptr<Tdm1> heavyStatement(const QString &table)
{
    auto dm = std::make_unique<Tdm1>();
    dm->db1.SetDatabaseFileName(writableBenchDatabase());
    dm->db1.SetConnected(true);
    dm->OpenTables();
    dm->tblClient.SetFilter(QStringLiteral("Id = ") + heavyStatementId(table));
    dm->tblClient.SetFiltered(true);
    dm->tblClient.First();
    dm->SelectStatement();
    return dm;
}

void Recompute(benchmark::State &state, const char *table, void (*recompute)(Tdm1 &))
{
    auto dm = heavyStatement(QString::fromLatin1(table));
    for (auto _ : state)
        recompute(*dm);
}

BENCHMARK_CAPTURE(Recompute, Cash, "Cash", RecalcCashTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, Investments, "Investments", RecalcInvestmentTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, RealEstate, "RealEstate", RecalcRealEstateTotals)->Unit(benchmark::kMillisecond);
// The real-estate recomputation rewrites only the shares that changed; here every one of
// the 100 properties has a stale share, so every row is posted within the one transaction.
void RecomputeRealEstatePostingEveryRow(benchmark::State &state)
{
    auto dm = heavyStatement(QStringLiteral("RealEstate"));
    const std::string stale = "UPDATE RealEstate SET TMarketValue = NULL WHERE ClientId = '"
        + heavyStatementId(QStringLiteral("RealEstate")).toStdString() + "'";
    for (auto _ : state) {
        state.PauseTiming();
        Query(dm->db1, stale).exec();
        dm->tblRealEstate.Refresh();
        state.ResumeTiming();
        RecalcRealEstateTotals(*dm);
    }
}
BENCHMARK(RecomputeRealEstatePostingEveryRow)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(Recompute, Auto, "Auto", RecalcAutoTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, LifeInsurance, "LifeInsurance", RecalcLifeInsuranceTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, PersonalAssets, "PersonalAssets", RecalcPersonalAssetTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, BusinessAssets, "BusinessAssets", RecalcBusinessAssetTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, OtherAssets, "OtherAssets", RecalcOtherAssetTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, AutoLoans, "Autos2", RecalcAutoLoanTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, BankNotes, "Bank", RecalcBankNoteTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, CreditCards, "CreditCards", RecalcCreditCardTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, Taxes, "Taxes", RecalcTaxTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, OtherLiabilities, "Other", RecalcOtherLiabilityTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, Contingent, "Contingent", RecalcContingentTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, Income, "Incomes", RecalcIncomeTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recompute, Expenses, "Expenditure", RecalcExpenseTotals)->Unit(benchmark::kMillisecond);

} // namespace
