#pragma once

#include <vector>

#include <QString>
#include <QStringList>

// Generated statement databases for the benchmarks.
//
// writeFixture(path, N) writes a complete statement database with N statements, Client Ids
// 1..N, filled with realistic rows:
//
//  - Client: every field filled as the particulars windows would. Last names come from a
//    list of a few hundred (common ones more often), so many statements share a last name
//    and the LastName order has long runs of equal names. About 45% are joint statements
//    with the spouse's particulars; the derived texts (FullName, CityStateZip, dlbdate, ...)
//    are composed by the particulars window's rules.
//  - FSPro: one totals row per statement, its totals formed by the program's recomputations
//    from the statement's detail rows. About 3% of the statements are fresh: no detail rows
//    and empty totals.
//  - User: no login, unless asked for (FixtureLoginUser / FixtureLoginPassword).
//  - Detail rows in every detail table, with the exact type texts of the drop-down lists.
//    The statements own exactly FixtureDetailRowsPerStatement * N detail rows (300,000 at
//    N = 10,000): about 30 per statement, varied (fresh statements none, large ones up to
//    90). Most of a statement's rows are stored when it is created, a fifth later, between
//    other statements' rows, as in a file used for years.
//  - FixtureOrphanRows rows with an empty ClientId (two in FSPro, two in each detail table),
//    which the start-up clean-up removes.
//
// Fixed statements, the same at any N:
//  - Statements 1..16 are the heavy ones: heavyStatementId(table) has exactly
//    FixtureHeavyRows (100) rows in that table, besides an ordinary number of rows in the
//    other tables. Statement 1 is heavy in Cash, 2 in Investments, ..., 16 in Expenditure
//    (the order of heavyTables()).
//  - Statement 17 (fullStatementId()) is a joint statement with exactly
//    FixtureFullStatementRows (200) detail rows spread over every detail table, fewer than
//    100 in each.
//
// The content depends only on N (fixed seed): writing again gives the same rows.

inline constexpr int FixtureHeavyRows = 100;
inline constexpr int FixtureFullStatementRows = 200;
inline constexpr int FixtureDetailRowsPerStatement = 30;
inline constexpr int FixtureOrphanRows = 36;
// The heavy statements and the full one.
inline constexpr int FixtureMinimumStatements = 17;
// Statements of the database generated when WORTHSHEET_BENCH_DB is not set.
inline constexpr int FixtureDefaultStatements = 10000;

// Writes the database at path, which must not exist yet; the file appears whole or not at
// all. False, with the reason in *error, when statements < FixtureMinimumStatements or the
// file cannot be written.
bool writeFixture(const QString &path, int statements, QString *error = nullptr, bool withLogin = false);
inline constexpr char FixtureLoginUser[] = "bench";
inline constexpr char FixtureLoginPassword[] = "bench";

// The sixteen list tables whose totals the section windows sum (the detail tables without
// Legal), in the order of the heavy statements: Cash, Investments, ..., Expenditure.
const QStringList &heavyTables();
// The Id (as text) of the statement with FixtureHeavyRows rows in the given table of
// heavyTables(); empty text for any other name.
QString heavyStatementId(const QString &table);
// The Id (as text) of the joint statement with FixtureFullStatementRows detail rows.
QString fullStatementId();
// The seventeen detail tables in the order tables are opened (Cash ... Legal).
const QStringList &fixtureDetailTables();

struct FixtureTableCount
{
    QString table;
    qint64 rows = 0;    // every row of the table
    qint64 orphans = 0; // rows with an empty ClientId (FSPro and the detail tables)
};
// The row counts of the twenty tables, in open order, read through a connection of its own.
// Empty, with the reason in *error, when the file cannot be read.
std::vector<FixtureTableCount> fixtureRowCounts(const QString &path, QString *error = nullptr);

// The database the benchmarks read, never write: the file named by WORTHSHEET_BENCH_DB
// (written there first, FixtureDefaultStatements statements, when it does not exist), else
// a FixtureDefaultStatements database generated once into the temporary folder and kept for
// later runs. Ends the process with a message when no database can be had.
QString benchDatabasePath();

// A private copy of the bench database for benchmarks that write, made once per run in a
// temporary folder that is removed when the process ends.
QString writableBenchDatabase();

// worthsheet_bench started as "worthsheet_bench <this option> <database>" runs the start-up
// of the data module on that database in the fresh process and prints its resident memory
// instead of running benchmarks (bench_main.cpp).
inline constexpr char StartupMemoryProbeOption[] = "--probe-startup-memory";
