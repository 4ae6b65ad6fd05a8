// The data module on a database of 10,000 statements: connecting, the statement filters
// and walking one statement.
#include <memory>

#include <benchmark/benchmark.h>

#include "data/tdm1.h"
#include "fixture.h"

namespace {

std::unique_ptr<Tdm1> connected(const QString &path)
{
    auto dm = std::make_unique<Tdm1>();
    dm->db1.SetDatabaseFileName(path);
    dm->db1.SetConnected(true);
    dm->OpenTables();
    return dm;
}

// Moves the statement list to the statement halfway down, as a user would select it.
RowKey middleOfList(Tdm1 &dm)
{
    Table &client = dm.tblClient;
    const auto rows = client.readRows(std::nullopt, 5000);
    return client.keyOf(rows.back());
}

void ConnectAndOpenAllTables(benchmark::State &state)
{
    const QString path = benchDatabasePath();
    for (auto _ : state) {
        auto dm = connected(path);
        benchmark::DoNotOptimize(dm->tblClient.Eof());
        state.PauseTiming();
        dm.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ConnectAndOpenAllTables)->Unit(benchmark::kMillisecond);

void SelectStatement(benchmark::State &state)
{
    auto dm = connected(benchDatabasePath());
    const RowKey middle = middleOfList(*dm);
    for (auto _ : state) {
        state.PauseTiming();
        dm->ClearStatementFilters();
        dm->tblClient.GotoKey(middle);
        state.ResumeTiming();
        dm->SelectStatement();
    }
}
BENCHMARK(SelectStatement)->Unit(benchmark::kMillisecond);

void SelectStatementDetails(benchmark::State &state)
{
    auto dm = connected(benchDatabasePath());
    dm->tblClient.GotoKey(middleOfList(*dm));
    for (auto _ : state)
        dm->SelectStatementDetails();
}
BENCHMARK(SelectStatementDetails)->Unit(benchmark::kMillisecond);

void ClearStatementFilters(benchmark::State &state)
{
    auto dm = connected(benchDatabasePath());
    const RowKey middle = middleOfList(*dm);
    for (auto _ : state) {
        state.PauseTiming();
        dm->tblClient.GotoKey(middle);
        dm->SelectStatement();
        state.ResumeTiming();
        dm->ClearStatementFilters();
    }
}
BENCHMARK(ClearStatementFilters)->Unit(benchmark::kMillisecond);

void WalkOneStatementInEveryTable(benchmark::State &state)
{
    auto dm = connected(benchDatabasePath());
    dm->tblClient.GotoKey(middleOfList(*dm));
    dm->SelectStatement();
    qint64 rows = 0;
    for (auto _ : state) {
        for (Table *table : dm->filterOrder()) {
            const Field clientId = table->FieldByName(QStringLiteral("ClientId"));
            for (table->First(); !table->Eof(); table->Next()) {
                benchmark::DoNotOptimize(clientId.AsString());
                ++rows;
            }
        }
    }
    state.counters["rows"] = benchmark::Counter(double(rows), benchmark::Counter::kAvgIterations);
}
BENCHMARK(WalkOneStatementInEveryTable)->Unit(benchmark::kMillisecond);

} // namespace
