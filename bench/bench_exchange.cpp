// Statements in and out, on the benchmark database's full statement (statement 17, a joint
// statement with 200 detail rows):
//  - ExportStatementJson: read it and write its statement file. Budget: 50 ms (median).
//  - ImportStatementJson: read that file, check it and store it as a new statement with its
//    totals formed, in one transaction (on a private copy of the database). Budget: 50 ms.
//  - CommandLinePdf: `worthsheet --pdf 17 FILE` as a whole process, from its start to its
//    exit, on a private copy placed where the program looks. Budget: 150 ms.
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "data/tdm1.h"
#include "exchange/statement_json.h"
#include "fixture.h"

namespace {

std::unique_ptr<Tdm1> connectTo(const QString &path)
{
    auto dm = std::make_unique<Tdm1>();
    dm->db1.SetDatabaseFileName(path);
    dm->db1.SetConnected(true);
    dm->OpenTables();
    return dm;
}

void ExportStatementJson(benchmark::State &state)
{
    auto dm = connectTo(benchDatabasePath());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("statement.json"));
    for (auto _ : state)
        exportStatementJson(*dm, fullStatementId(), path);
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(ExportStatementJson)->Unit(benchmark::kMillisecond)->UseRealTime();

void ImportStatementJson(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("statement.json"));
    exportStatementJson(*connectTo(benchDatabasePath()), fullStatementId(), path);
    auto dm = connectTo(writableBenchDatabase());
    for (auto _ : state)
        importStatementJson(*dm, path);
}
BENCHMARK(ImportStatementJson)->Unit(benchmark::kMillisecond)->UseRealTime();

void CommandLinePdf(benchmark::State &state)
{
    QTemporaryDir home;
    const QString dataFolder = home.filePath(QStringLiteral("Norvale/Worthsheet 2010/data"));
    if (!QDir().mkpath(dataFolder) || !QFile::link(writableBenchDatabase(), dataFolder + QStringLiteral("/wks.ABS"))) {
        state.SkipWithError("the data folder could not be made");
        return;
    }
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/worthsheet");
    const QString pdf = home.filePath(QStringLiteral("statement.pdf"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, {QStringLiteral("--pdf"), fullStatementId(), pdf});
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            state.SkipWithError(("worthsheet --pdf failed: " + process.readAllStandardError().toStdString()).c_str());
            break;
        }
    }
}
BENCHMARK(CommandLinePdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
