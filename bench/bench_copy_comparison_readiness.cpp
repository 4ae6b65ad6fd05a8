// The additions beyond the form, on the benchmark database:
//  - CopyStatementAsOfToday: copying a statement of 10,000 detail rows as of a new date, its
//    totals recomputed, one transaction. Budget: 300 ms (median).
//  - OpenComparison: the comparison window on two full statements of one person (statement
//    17 and a copy of it): read both, fill the figures and ratios, show. Budget: 50 ms.
//  - ReadinessCheck: the readiness check of the full statement. Budget: 20 ms.
#include <memory>

#include <QCoreApplication>
#include <QEvent>

#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include "app/tfrm_compare.h"
#include "base/pending_messages.h"
#include "copy/statement_copy.h"
#include "data/engine/query.h"
#include "data/tdm1.h"
#include "fixture.h"
#include "base/dates.h"
#include "readiness/readiness.h"
#include "ui/navigator.h"

namespace {

constexpr int LargeStatementRows = 10000;

std::unique_ptr<Tdm1> connectedTo(const QString &path)
{
    auto dm = std::make_unique<Tdm1>();
    dm->db1.SetDatabaseFileName(path);
    dm->db1.SetConnected(true);
    dm->OpenTables();
    return dm;
}

// Makes the full statement's rows grow to LargeStatementRows detail rows in a statement of
// its own (the legal answers stay one row), through a connection of its own. Its Id.
QString largeStatement(const QString &path)
{
    SQLite::Database file(path.toStdString(), SQLite::OPEN_READWRITE);
    SQLite::Transaction transaction(file);
    const std::string full = fullStatementId().toStdString();
    // A person of its own, so the comparison's benchmark keeps to statement 17's person.
    file.exec("INSERT INTO Client (LastName, FirstName, JointStatement) SELECT 'Large', 'Statement', JointStatement "
              "FROM Client WHERE Id = " + full);
    const std::string id = std::to_string(file.getLastInsertRowid());
    file.exec("INSERT INTO FSPro (ClientId, Date, Description) VALUES ('" + id + "', '01/15/2026', 'Large')");
    file.exec("INSERT INTO Legal (ClientId, Will) VALUES ('" + id + "', 'No')");
    const QStringList tables = heavyTables();
    int rows = 1;
    for (int round = 0; rows < LargeStatementRows; ++round) {
        for (const QString &table : tables) {
            if (rows >= LargeStatementRows)
                break;
            const std::string name = table.toStdString();
            SQLite::Statement columns(file, "SELECT name FROM pragma_table_info('" + name + "') WHERE name <> 'ClientId'");
            std::string list;
            while (columns.executeStep())
                list += std::string(list.empty() ? "" : ",") + "\"" + columns.getColumn(0).getString() + "\"";
            const int take = std::min(LargeStatementRows - rows, 40);
            file.exec("INSERT INTO \"" + name + "\" (ClientId," + list + ") SELECT '" + id + "'," + list + " FROM \""
                      + name + "\" WHERE ClientId <> '' LIMIT " + std::to_string(take) + " OFFSET "
                      + std::to_string(round * 40));
            rows += file.getChanges();
        }
    }
    transaction.commit();
    return QString::fromStdString(id);
}

void CopyStatementAsOfToday(benchmark::State &state)
{
    const QString path = writableBenchDatabase();
    static const QString source = largeStatement(path);
    auto dm = connectedTo(path);
    for (auto _ : state) {
        const QString copy = CopyStatement(*dm, source, Dates::today());
        state.PauseTiming();
        // Keep the file the same size from one run to the next.
        for (Table *table : dm->openOrder()) {
            if (table == &dm->tblUser)
                continue;
            const bool client = table == &dm->tblClient;
            Query(dm->db1, QStringLiteral("DELETE FROM \"%1\" WHERE %2 = '%3'")
                               .arg(table->TableName(), client ? "Id" : "ClientId", copy)
                               .toStdString())
                .exec();
        }
        for (Table *table : dm->openOrder())
            table->Refresh();
        state.ResumeTiming();
    }
    state.counters["rows"] = LargeStatementRows;
}
BENCHMARK(CopyStatementAsOfToday)->Unit(benchmark::kMillisecond);

// The statement, filtered as opening one of its windows does.
void selectStatement(Tdm1 &dm, const QString &id)
{
    dm.ClearStatementFilters();
    dm.tblClient.SetFilter(QStringLiteral("Id = ") + id);
    dm.tblClient.SetFiltered(true);
    dm.tblClient.First();
    dm.SelectStatement();
}

class NoNavigator : public Navigator
{
public:
    void open(const QString &) override {}
    void returnToMain() override {}
    void returnToOverview() override {}
    void endProgram() override {}
};

void OpenComparison(benchmark::State &state)
{
    auto dm = connectedTo(writableBenchDatabase());
    // A second full statement of the same person, a year on.
    static const QString copy = CopyStatement(*dm, fullStatementId(), Dates::today());
    selectStatement(*dm, copy);
    NoNavigator navigator;
    int figures = 0;
    bool pairedWithSource = false;
    for (auto _ : state) {
        auto *window = new TfrmCompare(*dm, navigator);
        window->show();
        letPendingMessagesRun();
        state.PauseTiming();
        figures = int(window->comparison().groups.size() + window->comparison().ratios.size());
        pairedWithSource = window->comparison().earlier.id == fullStatementId()
            || window->comparison().later.id == fullStatementId();
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["groups_and_ratios"] = figures;
    state.counters["paired_with_source"] = pairedWithSource;
}
BENCHMARK(OpenComparison)->Unit(benchmark::kMillisecond);

void ReadinessCheck(benchmark::State &state)
{
    auto dm = connectedTo(benchDatabasePath());
    selectStatement(*dm, fullStatementId());
    size_t findings = 0;
    for (auto _ : state)
        findings = CheckReadiness(*dm, Dates::today()).size();
    state.counters["findings"] = double(findings);
}
BENCHMARK(ReadinessCheck)->Unit(benchmark::kMillisecond);

} // namespace
