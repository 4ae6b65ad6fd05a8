// The program's start-up on a database of 10,000 statements: the main window connects,
// opens every table, purges the rows of no statement and fills the overview. Its memory
// is measured in a fresh process (ResidentMemoryAfterStartUp). The full check of the file
// that runs beside the login is measured on its own (IntegrityCheckOfTheFile).
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "app/tfrm_main.h"
#include "data/engine/integrity_check.h"
#include "data/tdm1.h"
#include "fixture.h"

namespace {

void StartUpToFilledOverview(benchmark::State &state)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const QString path = Tdm1::DatabaseFileCandidates().first();
    QDir().mkpath(QFileInfo(path).absolutePath());
    for (auto _ : state) {
        state.PauseTiming();
        // Each start purges the fixture's orphan rows, so each starts from a fresh copy.
        QFile::remove(path);
        QFile::copy(benchDatabasePath(), path);
        state.ResumeTiming();

        auto main = std::make_unique<TfrmMain>();
        main->show();
        // The file's full check runs while the user logs in, which takes far longer; the
        // purge that waits for it is timed again from here.
        state.PauseTiming();
        main->dm1().db1.awaitIntegrityCheck();
        state.ResumeTiming();
        main->EnterProgram();
        benchmark::DoNotOptimize(main->dm1().CurrentClientId);

        state.PauseTiming();
        main.reset();
        state.ResumeTiming();
    }
    qunsetenv("XDG_DATA_HOME");
}
BENCHMARK(StartUpToFilledOverview)->Unit(benchmark::kMillisecond)->Iterations(5);

// SQLite's full check of the whole file, as the program runs it beside the login.
void IntegrityCheckOfTheFile(benchmark::State &state)
{
    for (auto _ : state) {
        IntegrityCheck check(benchDatabasePath());
        check.start();
        if (const QString problem = check.wait(); !problem.isEmpty()) {
            state.SkipWithError(problem.toStdString().c_str());
            break;
        }
    }
}
BENCHMARK(IntegrityCheckOfTheFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
