// The data module on the benchmark database (10,000 statements, 300,000 detail rows):
// connecting, the statement filters, walking one statement, and the resident memory after
// connecting. Every case reports wall-clock time in milliseconds.
//
// The statement cases come in three variants: "middle", the statement halfway down the
// statement list (an ordinary one, whatever it holds); "full", the statement with 200
// detail rows; "heavy", the statement with 100 rows in Investments. The label names the
// statement's Id.
#include <memory>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <benchmark/benchmark.h>


#include "data/engine/connection.h"
#include "data/engine/database.h"
#include "data/schema.h"
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

enum Which { Middle, Full, Heavy };

const char *whichName(int which)
{
    return which == Middle ? "middle" : which == Full ? "full" : "heavy";
}

// The position of a statement in the statement list (Client in LastName order).
RowKey statementKey(Tdm1 &dm, int which)
{
    Table &client = dm.tblClient;
    dm.ClearStatementFilters();
    if (which == Middle) {
        // Counted, then walked to, as the list would scroll there.
        qint64 rows = 0;
        for (client.First(); !client.Eof(); client.Next())
            ++rows;
        client.First();
        for (qint64 i = 0; i < rows / 2; ++i)
            client.Next();
        return client.currentKey();
    }
    const QString id = which == Full ? fullStatementId() : heavyStatementId(QStringLiteral("Investments"));
    client.SetFilter(QStringLiteral("Id = ") + id);
    client.SetFiltered(true);
    client.First();
    const RowKey key = client.currentKey();
    dm.ClearStatementFilters();
    return key;
}

// The list's current statement: Id and detail rows it holds, as the case's label.
void labelWithStatement(benchmark::State &state, Tdm1 &dm)
{
    state.SetLabel(QStringLiteral("%1, Id %2").arg(QString::fromLatin1(whichName(int(state.range(0)))),
                                                  dm.tblClient.FieldByName(QStringLiteral("Id")).AsString())
                       .toStdString());
}

// (a) Creating the data module, connecting db1 and opening the twenty tables. Closing the
// tables and disconnecting run outside the timed part; their cost is the counter
// close_ms, so that connect + open + close is the sum of the two.
void ConnectAndOpenAllTables(benchmark::State &state)
{
    const QString path = benchDatabasePath();
    double closing = 0;
    for (auto _ : state) {
        auto dm = connected(path);
        benchmark::DoNotOptimize(dm->tblClient.Eof());
        state.PauseTiming();
        QElapsedTimer timer;
        timer.start();
        dm->CloseTables();
        dm->DisconnectDatabase();
        dm.reset();
        closing += double(timer.nsecsElapsed()) / 1e6;
        state.ResumeTiming();
    }
    state.counters["close_ms"] = benchmark::Counter(closing, benchmark::Counter::kAvgIterations);
}
BENCHMARK(ConnectAndOpenAllTables)->Unit(benchmark::kMillisecond)->UseRealTime();

// What connecting spends on comparing the file's schema with ours: the read-only connection
// and the read of sqlite_master (the reference schema is built once per run).
void SchemaCheckAtConnection(benchmark::State &state)
{
    const QString path = benchDatabasePath();
    for (auto _ : state) {
        Connection file = Connection::immutable(path);
        benchmark::DoNotOptimize(Database::compareSchema(file, schemaSql()));
    }
}
BENCHMARK(SchemaCheckAtConnection)->Unit(benchmark::kMicrosecond)->UseRealTime();

// (b) SelectStatement on the statement under the list's cursor. Untimed before each
// iteration: the filters are cleared and the list's cursor is put back on the statement.
void SelectStatement(benchmark::State &state)
{
    auto dm = connected(benchDatabasePath());
    const RowKey key = statementKey(*dm, int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        dm->ClearStatementFilters();
        dm->tblClient.GotoKey(key);
        state.ResumeTiming();
        dm->SelectStatement();
    }
    labelWithStatement(state, *dm);
}
// Fixed iterations: the timed part reads no row (a table reads when a row is looked at),
// so a time-based count would repeat the untimed preparation for minutes.
BENCHMARK(SelectStatement)->Arg(Middle)->Arg(Full)->Arg(Heavy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

// (c) SelectStatementDetails as the list's selection comes to the statement from another
// one. Untimed before each iteration: the details are filtered on the list's first
// statement and the cursor moves to the measured one.
void SelectStatementDetails(benchmark::State &state)
{
    auto dm = connected(benchDatabasePath());
    const RowKey key = statementKey(*dm, int(state.range(0)));
    dm->tblClient.First();
    const RowKey other = dm->tblClient.currentKey();
    for (auto _ : state) {
        state.PauseTiming();
        dm->tblClient.GotoKey(other);
        dm->SelectStatementDetails();
        dm->tblClient.GotoKey(key);
        state.ResumeTiming();
        dm->SelectStatementDetails();
    }
    labelWithStatement(state, *dm);
}
BENCHMARK(SelectStatementDetails)->Arg(Middle)->Arg(Full)->Arg(Heavy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

// SelectStatementDetails while the user scrolls down the list from its middle, one
// statement per iteration (the move itself, Next on Client, untimed).
void SelectStatementDetailsScrollingList(benchmark::State &state)
{
    auto dm = connected(benchDatabasePath());
    const RowKey middle = statementKey(*dm, Middle);
    dm->tblClient.GotoKey(middle);
    for (auto _ : state) {
        state.PauseTiming();
        dm->tblClient.Next();
        if (dm->tblClient.Eof())
            dm->tblClient.GotoKey(middle);
        state.ResumeTiming();
        dm->SelectStatementDetails();
    }
}
BENCHMARK(SelectStatementDetailsScrollingList)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

// (d) ClearStatementFilters after SelectStatement on the statement halfway down the list
// (untimed before each iteration).
void ClearStatementFilters(benchmark::State &state)
{
    auto dm = connected(benchDatabasePath());
    const RowKey key = statementKey(*dm, Middle);
    for (auto _ : state) {
        state.PauseTiming();
        dm->tblClient.GotoKey(key);
        dm->SelectStatement();
        state.ResumeTiming();
        dm->ClearStatementFilters();
    }
}
BENCHMARK(ClearStatementFilters)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

// (e) After SelectStatement (untimed, once), walking every filtered table of the statement
// from First to Eof, reading one field per row as the recomputations and reports do.
void WalkOneStatementInEveryTable(benchmark::State &state)
{
    auto dm = connected(benchDatabasePath());
    dm->tblClient.GotoKey(statementKey(*dm, int(state.range(0))));
    dm->SelectStatement();
    std::vector<Table *> tables = {&dm->tblClient};
    tables.insert(tables.end(), dm->filterOrder().begin(), dm->filterOrder().end());
    const QString clientId = QStringLiteral("ClientId"), id = QStringLiteral("Id");
    qint64 rows = 0;
    for (auto _ : state) {
        for (Table *table : tables) {
            const QString &field = table == &dm->tblClient ? id : clientId;
            for (table->First(); !table->Eof(); table->Next()) {
                benchmark::DoNotOptimize(table->FieldByName(field).AsString());
                ++rows;
            }
        }
    }
    state.counters["rows"] = benchmark::Counter(double(rows), benchmark::Counter::kAvgIterations);
    labelWithStatement(state, *dm);
}
BENCHMARK(WalkOneStatementInEveryTable)->Arg(Middle)->Arg(Full)->Arg(Heavy)->Unit(benchmark::kMillisecond)->UseRealTime();

// Resident memory of a fresh process that starts the program on the benchmark database,
// as a user would, up to the filled overview (see StartupMemoryProbeOption). A separate
// process, because this one's memory holds whatever the cases before left behind. Counters
// in MB: before_MB after the application object, rss_MB after the start, peak_MB the
// high-water mark. The time is the probe's run.
void ResidentMemoryAfterStartUp(benchmark::State &state)
{
    const QString path = benchDatabasePath();
    double before = 0, after = 0, peak = 0;
    for (auto _ : state) {
        QProcess probe;
        probe.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(StartupMemoryProbeOption), path});
        if (!probe.waitForFinished(60000) || probe.exitCode() != 0) {
            state.SkipWithError(("the probe failed: " + probe.readAllStandardError().toStdString()).c_str());
            return;
        }
        const QList<QByteArray> numbers = probe.readAllStandardOutput().trimmed().split(' ');
        if (numbers.size() != 3) {
            state.SkipWithError("the probe printed no memory figures");
            return;
        }
        before = numbers[0].toDouble() / 1024.0;
        after = numbers[1].toDouble() / 1024.0;
        peak = numbers[2].toDouble() / 1024.0;
    }
    state.counters["before_MB"] = before;
    state.counters["rss_MB"] = after;
    state.counters["peak_MB"] = peak;
}
BENCHMARK(ResidentMemoryAfterStartUp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
