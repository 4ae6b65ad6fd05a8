#pragma once

#include <QString>
#include <QStringList>

// Generated statement databases for the benchmarks.
//
// writeFixture fills a new file with `statements` statements of realistic rows: every
// detail table in use, 30 detail rows per statement on average, a few dozen orphan rows.
// The first sixteen statements are the heavy ones: statement k (Id k, k = 1..16) has
// exactly 100 rows in heavyTables()[k - 1].
bool writeFixture(const QString &path, int statements, QString *error = nullptr);

// The sixteen tables whose section windows sum them, in the order of the heavy statements.
const QStringList &heavyTables();
// The Id (as text) of the statement with 100 rows in the given table.
QString heavyStatementId(const QString &table);

// The database the benchmarks read: WORTHSHEET_BENCH_DB, or else a fixture of 10,000
// statements generated once into the temporary folder.
QString benchDatabasePath();

// A private copy of the bench database for benchmarks that write, made once per run.
QString writableBenchDatabase();
