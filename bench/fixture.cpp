#include "fixture.h"
#include "fixture_parts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <SQLiteCpp/SQLiteCpp.h>

#include "base/dates.h"
#include "data/engine/database.h"
#include "data/entry_lists.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "totals/totals.h"

// The generator writes the rows through SQLite directly (one transaction, one prepared
// insert per table): it stands for years of use of the program. The totals are then formed
// by the program's own recomputations, so they are what the program would show.

namespace {

using namespace FixtureParts;

// ---------------------------------------------------------------------------------------
// Inserts.

// One prepared insert per table. Its columns are those of the first row it is given; every
// later row must set the same columns in the same order.
class Inserter
{
public:
    Inserter(SQLite::Database &db, std::string table) : m_db(db), m_table(std::move(table)) {}

    void insert(const Row &row)
    {
        if (!m_statement) {
            std::string names, marks;
            for (const std::string &column : row.columns) {
                names += (names.empty() ? "\"" : ", \"") + column + '"';
                marks += marks.empty() ? "?" : ", ?";
            }
            m_columns = row.columns;
            m_statement = std::make_unique<SQLite::Statement>(
                m_db, "INSERT INTO \"" + m_table + "\" (" + names + ") VALUES (" + marks + ")");
        }
        if (row.columns != m_columns)
            throw FixtureError("the rows of " + m_table + " differ in their columns");
        for (size_t i = 0; i < row.values.size(); ++i) {
            const int index = int(i) + 1;
            const Value &value = row.values[i];
            if (const auto *text = std::get_if<std::string>(&value))
                m_statement->bind(index, *text);
            else if (const auto *real = std::get_if<double>(&value))
                m_statement->bind(index, *real);
            else if (const auto *whole = std::get_if<std::int64_t>(&value))
                m_statement->bind(index, static_cast<int64_t>(*whole));
            else
                m_statement->bind(index);
        }
        m_statement->exec();
        m_statement->reset();
    }

private:
    SQLite::Database &m_db;
    std::string m_table;
    std::vector<std::string> m_columns;
    std::unique_ptr<SQLite::Statement> m_statement;
};

// ---------------------------------------------------------------------------------------
// The plan of the rows and the driver.

constexpr int ListTables = 16;
constexpr int LegalTable = 16;
constexpr int DetailTableCount = 17;
constexpr int FullStatement = FixtureMinimumStatements; // its Id

// How an ordinary statement's rows fall into the list tables.
constexpr double listWeights[ListTables] = {3.2, 4.8, 1.4, 1.6, 1.2, 2.6, 0.6, 1.0,
                                            1.1, 0.9, 2.8, 0.9, 0.8, 0.5, 2.6, 4.0};
// The full statement's rows per list table (199, with its Legal row 200).
constexpr int fullStatementRows[ListTables] = {14, 30, 8, 6, 6, 14, 6, 9, 5, 6, 12, 5, 6, 6, 20, 46};

using Counts = std::array<std::uint16_t, DetailTableCount>;

// Spreads rows over the list tables by their weights, leaving out one table if asked.
void spread(Rng &rng, Counts &counts, int rows, int skippedTable)
{
    double weights[ListTables];
    for (int t = 0; t < ListTables; ++t)
        weights[t] = t == skippedTable ? 0.0 : listWeights[t];
    for (int r = 0; r < rows; ++r)
        ++counts[size_t(rng.weighted(weights, ListTables))];
}

// How many detail rows each statement has in each table: the heavy and full statements
// as fixed, the others varied around the average so that the total comes out exact.
std::vector<Counts> planRows(Rng &rng, int statements)
{
    std::vector<Counts> plan(size_t(statements), Counts{});
    std::vector<int> rows(size_t(statements), 0);
    std::vector<bool> fresh(size_t(statements), false);
    const auto ordinaryRows = [&](double scale) { return std::clamp(3 + int(rng.gamma2(scale)), 2, 90); };

    qint64 fixedRows = 0;
    for (int i = 0; i < FixtureMinimumStatements; ++i) {
        rows[size_t(i)] = i < ListTables ? FixtureHeavyRows + ordinaryRows(13.5) : FixtureFullStatementRows;
        fixedRows += rows[size_t(i)];
    }
    std::vector<int> ordinary;
    for (int i = FixtureMinimumStatements; i < statements; ++i) {
        fresh[size_t(i)] = rng.chance(0.03);
        if (!fresh[size_t(i)])
            ordinary.push_back(i);
    }
    if (!ordinary.empty()) {
        const qint64 wanted = std::max<qint64>(qint64(FixtureDetailRowsPerStatement) * statements - fixedRows,
                                               2 * qint64(ordinary.size()));
        const double mean = double(wanted) / double(ordinary.size());
        qint64 drawn = 0;
        for (int i : ordinary) {
            rows[size_t(i)] = ordinaryRows(std::max(0.5, (mean - 3.0) / 2.0));
            drawn += rows[size_t(i)];
        }
        // Even out the draw, a row at a time, on statements picked at random.
        while (drawn != wanted) {
            int &n = rows[size_t(ordinary[size_t(rng.between(0, int(ordinary.size()) - 1))])];
            if (drawn < wanted && n < 90) {
                ++n;
                ++drawn;
            } else if (drawn > wanted && n > 2) {
                --n;
                --drawn;
            }
        }
    }

    for (int i = 0; i < statements; ++i) {
        Counts &counts = plan[size_t(i)];
        if (i == FullStatement - 1) {
            for (int t = 0; t < ListTables; ++t)
                counts[size_t(t)] = std::uint16_t(fullStatementRows[t]);
            counts[LegalTable] = 1;
            continue;
        }
        if (fresh[size_t(i)] || rows[size_t(i)] == 0)
            continue;
        const bool heavy = i < ListTables;
        const bool legal = heavy || rng.chance(0.9);
        counts[LegalTable] = legal ? 1 : 0;
        int rest = rows[size_t(i)] - (legal ? 1 : 0);
        if (heavy) {
            counts[size_t(i)] = FixtureHeavyRows;
            rest -= FixtureHeavyRows;
        }
        spread(rng, counts, rest, heavy ? i : -1);
    }
    return plan;
}

// One detail row to store: whose, in which table, its place among the statement's rows of
// that table, and when it was entered.
struct Slot
{
    double when;
    std::int32_t statement; // index, -1 for an orphan
    std::uint16_t ordinal;
    std::uint8_t table;
};

// Fills the file and returns the Ids of the statements that have detail rows.
std::vector<int> fill(SQLite::Database &db, int statements, bool withLogin)
{
    Rng rng(0x5EEDF00DULL + std::uint64_t(statements));
    Row row;

    if (withLogin) {
        row.text("User", FixtureLoginUser);
        row.text("Password", FixtureLoginPassword);
        row.text("HintQuestion1", "What is the name of your first pet?");
        row.text("HintAnswer1", "Biscuit");
        Inserter(db, "User").insert(row);
    }

    // The statements, in the order they were created.
    std::vector<Person> people;
    people.reserve(size_t(statements));
    {
        Inserter client(db, "Client");
        for (int i = 0; i < statements; ++i) {
            people.push_back(makePerson(rng, i + 1 == FullStatement, row));
            row.integer("Id", i + 1);
            client.insert(row);
        }
    }

    // Every detail row gets a moment of entry: most with their statement's creation, a
    // fifth later on, in between the rows of statements created afterwards.
    const std::vector<Counts> plan = planRows(rng, statements);
    std::vector<Slot> entries;
    entries.reserve(size_t(FixtureDetailRowsPerStatement) * size_t(statements) + 4096);
    for (int i = 0; i < statements; ++i)
        for (int t = 0; t < DetailTableCount; ++t)
            for (int k = 0; k < plan[size_t(i)][size_t(t)]; ++k) {
                const bool later = k > 0 && rng.chance(0.2);
                entries.push_back({later ? i + rng.unit() * (statements - i) : double(i), i, std::uint16_t(k), std::uint8_t(t)});
            }
    for (int t = 0; t < DetailTableCount; ++t)
        for (int k = 0; k < 2; ++k)
            entries.push_back({rng.unit() * statements, -1, 0, std::uint8_t(t)});
    std::stable_sort(entries.begin(), entries.end(), [](const Slot &a, const Slot &b) { return a.when < b.when; });

    std::vector<std::unique_ptr<Inserter>> inserters;
    for (const DetailTable &table : detailTables())
        inserters.push_back(std::make_unique<Inserter>(db, table.name));
    for (const Slot &slot : entries) {
        const bool orphan = slot.statement < 0;
        const Person &person = orphan ? people[size_t(rng.between(0, statements - 1))] : people[size_t(slot.statement)];
        row.clear();
        row.text("ClientId", orphan ? std::string() : number(slot.statement + 1));
        Detail detail{rng, person, slot.ordinal, row};
        detailTables()[slot.table].write(detail);
        inserters[slot.table]->insert(row);
    }

    // The totals rows, created with their statements over the years before 2012, their
    // totals formed afterwards by the recomputations themselves; two orphans of entries
    // that were never finished.
    Inserter fspro(db, "FSPro");
    const QDate first(2006, 1, 3);
    const qint64 span = first.daysTo(QDate(2011, 12, 30));
    const auto totalsRow = [&](const std::string &clientId, const Person &person, const QDate &date) {
        row.clear();
        row.text("ClientId", clientId);
        row.text("Date", dateText(date));
        row.text("Description", person.name());
        fspro.insert(row);
    };
    std::vector<int> withRows;
    for (int i = 0; i < statements; ++i) {
        const QDate date = first.addDays(span * i / statements);
        qint64 detailRows = 0;
        for (int t = 0; t < DetailTableCount; ++t)
            detailRows += plan[size_t(i)][size_t(t)];
        // A fresh statement was saved once and never recomputed: its totals stay empty.
        if (detailRows)
            withRows.push_back(i + 1);
        totalsRow(number(i + 1), people[size_t(i)], date);
        if (i == statements / 3 || i == 2 * statements / 3)
            totalsRow(std::string(), people[size_t(rng.between(0, statements - 1))], date);
    }
    return withRows;
}

// Forms the totals of the given statements with the program's own recomputations.
void recomputeTotals(const QString &path, const std::vector<int> &statements)
{
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(path);
    dm.db1.SetConnected(true);
    dm.OpenTables();
    Database::Transaction transaction(dm.db1);
    for (int id : statements) {
        dm.CurrentClientId = QString::number(id);
        dm.filterDetailTables();
        RecalcAllTotals(dm);
    }
    transaction.Commit();
}

std::vector<FixtureTableCount> countRows(SQLite::Database &db)
{
    static const char *const tables[] = {"User", "Client", "FSPro"};
    std::vector<FixtureTableCount> counts;
    const auto count = [&](const std::string &table, bool hasClientId) {
        FixtureTableCount c;
        c.table = QString::fromStdString(table);
        c.rows = db.execAndGet("SELECT count(*) FROM \"" + table + '"').getInt64();
        if (hasClientId)
            c.orphans = db.execAndGet("SELECT count(*) FROM \"" + table + "\" WHERE ClientId = ''").getInt64();
        counts.push_back(c);
    };
    for (const char *table : tables)
        count(table, std::strcmp(table, "FSPro") == 0);
    for (const DetailTable &table : detailTables())
        count(table.name, true);
    return counts;
}

// Checks what the benchmarks rely on; empty text when the file holds it.
QString checkFixture(const QString &path)
{
    try {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        for (int t = 0; t < ListTables; ++t) {
            const std::string table = detailTables()[size_t(t)].name;
            const qint64 rows = db.execAndGet("SELECT count(*) FROM \"" + table + "\" WHERE ClientId = '"
                                              + number(t + 1) + "'").getInt64();
            if (rows != FixtureHeavyRows)
                return QStringLiteral("statement %1 has %2 rows in %3, not %4")
                    .arg(t + 1).arg(rows).arg(QString::fromStdString(table)).arg(FixtureHeavyRows);
        }
        qint64 full = 0;
        for (const DetailTable &table : detailTables())
            full += db.execAndGet("SELECT count(*) FROM \"" + std::string(table.name) + "\" WHERE ClientId = '"
                                  + number(FullStatement) + "'").getInt64();
        if (full != FixtureFullStatementRows)
            return QStringLiteral("statement %1 has %2 detail rows, not %3").arg(FullStatement).arg(full).arg(FixtureFullStatementRows);
    } catch (const SQLite::Exception &e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

} // namespace

const QStringList &heavyTables()
{
    static const QStringList tables = [] {
        QStringList names;
        for (int t = 0; t < ListTables; ++t)
            names << QString::fromLatin1(detailTables()[size_t(t)].name);
        return names;
    }();
    return tables;
}

QString heavyStatementId(const QString &table)
{
    const qsizetype index = heavyTables().indexOf(table);
    return index < 0 ? QString() : QString::number(index + 1);
}

QString fullStatementId()
{
    return QString::number(FullStatement);
}

const QStringList &fixtureDetailTables()
{
    static const QStringList tables = [] {
        QStringList names;
        for (const DetailTable &table : detailTables())
            names << QString::fromLatin1(table.name);
        return names;
    }();
    return tables;
}

bool writeFixture(const QString &path, int statements, QString *error, bool withLogin)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (statements < FixtureMinimumStatements)
        return fail(QStringLiteral("A benchmark database needs at least %1 statements").arg(FixtureMinimumStatements));
    if (QFileInfo::exists(path))
        return fail(QStringLiteral("A file already exists at %1").arg(path));

    // Filled under another name and renamed when complete, so an interrupted run leaves no
    // file that looks finished.
    const QString filling = QStringLiteral("%1.filling-%2").arg(path).arg(QCoreApplication::applicationPid());
    QFile::remove(filling);
    if (!createDatabaseFile(filling, error))
        return false;
    try {
        std::vector<int> withRows;
        {
            SQLite::Database db(filling.toStdString(), SQLite::OPEN_READWRITE);
            // Nothing to protect while the file is written: no journal, no syncs.
            db.exec("PRAGMA journal_mode = OFF");
            db.exec("PRAGMA synchronous = OFF");
            db.exec("PRAGMA cache_size = -131072");
            db.exec("BEGIN");
            withRows = fill(db, statements, withLogin);
            db.exec("COMMIT");
        }
        recomputeTotals(filling, withRows);
    } catch (const std::exception &e) {
        QFile::remove(filling);
        return fail(QString::fromUtf8(e.what()));
    }
    if (!QFile::rename(filling, path)) {
        QFile::remove(filling);
        return fail(QStringLiteral("Cannot put the database at %1").arg(path));
    }
    return true;
}

std::vector<FixtureTableCount> fixtureRowCounts(const QString &path, QString *error)
{
    try {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        return countRows(db);
    } catch (const SQLite::Exception &e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return {};
    }
}

QString benchDatabasePath()
{
    static const QString path = [] {
        QString chosen = qEnvironmentVariable("WORTHSHEET_BENCH_DB");
        if (chosen.isEmpty())
            // The name changes whenever the generator writes other rows.
            chosen = QDir::temp().filePath(QStringLiteral("worthsheet-bench-%1-r3.ABS").arg(FixtureDefaultStatements));
        if (!QFileInfo::exists(chosen)) {
            std::fprintf(stderr, "Writing a benchmark database of %d statements to %s\n", FixtureDefaultStatements,
                         qPrintable(chosen));
            QString error;
            // Another run may have written it meanwhile; then that file serves.
            if (!writeFixture(chosen, FixtureDefaultStatements, &error) && !QFileInfo::exists(chosen)) {
                std::fprintf(stderr, "No benchmark database: %s\n", qPrintable(error));
                std::exit(1);
            }
        }
        const QString problem = checkFixture(chosen);
        if (!problem.isEmpty())
            std::fprintf(stderr,
                         "Warning: %s was not written by this generator (%s); the heavy-statement "
                         "benchmarks do not measure what they say. Delete it to have it written anew.\n",
                         qPrintable(chosen), qPrintable(problem));
        return chosen;
    }();
    return path;
}

QString writableBenchDatabase()
{
    static QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("worthsheet-bench-XXXXXX")));
    static const QString copy = [] {
        const QString path = folder.filePath(QStringLiteral("wks.ABS"));
        if (!folder.isValid() || !QFile::copy(benchDatabasePath(), path)) {
            std::fprintf(stderr, "Cannot copy the benchmark database into %s\n", qPrintable(folder.path()));
            std::exit(1);
        }
        return path;
    }();
    return copy;
}
