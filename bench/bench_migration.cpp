// Bringing the benchmark database, as a file of version 1, to the current version when it is
// connected: the copy kept aside (the long part, with its progress heard as the window hears
// it) and the step in one transaction.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <benchmark/benchmark.h>

#include "data/engine/database.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "fixture.h"

namespace {

// The rows of the current file source in a new file of version 1, by the fields version 1
// has (made from its schema text), so the file is what the program of version 1 wrote.
void writeVersion1File(const QString &source, const QString &path)
{
    SQLite::Database file(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    file.exec("PRAGMA journal_mode = OFF");
    file.exec(schemaSqlOfVersion(1));
    file.exec("ATTACH DATABASE '" + QString(source).replace('\'', "''").toStdString() + "' AS source");
    file.exec("BEGIN");
    SQLite::Statement tables(file, "SELECT name FROM main.sqlite_master WHERE type = 'table' AND substr(name, 1, 7) <> 'sqlite_' "
                                 "ORDER BY name");
    std::vector<std::string> names;
    while (tables.executeStep())
        names.push_back(tables.getColumn(0).getString());
    for (const std::string &table : names) {
        std::string columns = "rowid";
        SQLite::Statement info(file, "SELECT name FROM pragma_table_info(?1, 'main')");
        info.bind(1, table);
        while (info.executeStep())
            columns += ", \"" + info.getColumn(0).getString() + "\"";
        file.exec("INSERT INTO main.\"" + table + "\" (" + columns + ") SELECT " + columns + " FROM source.\"" + table
                  + "\"");
    }
    file.exec("COMMIT");
    file.exec("DETACH DATABASE source");
}

const QString &version1BenchDatabase(QTemporaryDir &dir)
{
    static const QString path = [&dir] {
        const QString made = dir.filePath(QStringLiteral("version1.ABS"));
        writeVersion1File(benchDatabasePath(), made);
        return made;
    }();
    return path;
}

void MigrateVersion1File(benchmark::State &state)
{
    static QTemporaryDir dir;
    const QString version1 = version1BenchDatabase(dir);
    const QString path = dir.filePath(QStringLiteral("wks.ABS"));
    double heard = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        if (!QFile::copy(version1, path)) {
            state.SkipWithError("the file of version 1 cannot be copied");
            return;
        }
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(path);
        dm.db1.SetUpgradeProgress([&heard](qint64, qint64) { ++heard; });
        state.ResumeTiming();
        dm.db1.SetConnected(true);
        state.PauseTiming();
        if (Database::fileUserVersion(path) != Database::UserVersion)
            state.SkipWithError("the file was not brought up to date");
        dm.db1.Close();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(QFile(version1).size()) / (1024.0 * 1024.0);
    state.counters["progress_calls"] = benchmark::Counter(heard, benchmark::Counter::kAvgIterations);
}
BENCHMARK(MigrateVersion1File)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
