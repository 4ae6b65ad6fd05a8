// Printing from the benchmark database as the preview's Save as PDF does: creating a run's
// page objects, laying them out and writing the PDF file.
//  - StatementPdf: the full statement (statement 17, a joint statement with 200 detail
//    rows) with the joint pages, and with the personal pages, sheet footers included.
//    Budget: 40 ms (median).
//  - BlankFormPdf: the eleven sheets of the blank form. Budget: 30 ms (median).
//  - Sba413Pdf: SBA Form 413 of the full statement, its figures read from the rows, with
//    the attachment sheets of what the form has no room for. Budget: 40 ms (median).
#include <functional>
#include <memory>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "data/tdm1.h"
#include "fixture.h"
#include "print/engine/composite_report.h"
#include "print/engine/report_page.h"
#include "print/run_pages.h"

namespace {

std::unique_ptr<Tdm1> fullStatementSelected()
{
    auto dm = std::make_unique<Tdm1>();
    dm->db1.SetDatabaseFileName(benchDatabasePath());
    dm->db1.SetConnected(true);
    dm->OpenTables();
    dm->tblClient.SetFilter(QStringLiteral("Id = ") + fullStatementId());
    dm->tblClient.SetFiltered(true);
    dm->tblClient.First();
    dm->SelectStatement();
    return dm;
}

// Lays out and writes the pages `create` makes, composed by `prepare`, once per iteration.
void writePages(benchmark::State &state, const std::function<RunPages()> &create,
                const std::function<void(Report::CompositeReport &, const RunPages &)> &prepare)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("statement.pdf"));
    int sheets = 0;
    for (auto _ : state) {
        RunPages pages = create();
        Report::CompositeReport composite;
        prepare(composite, pages);
        if (!composite.writePdf(path)) {
            state.SkipWithError("the PDF could not be written");
            break;
        }
        state.PauseTiming();
        sheets = composite.layout().pageCount();
        state.ResumeTiming();
    }
    state.counters["sheets"] = sheets;
}

void writeRun(benchmark::State &state, PrintRun run, Tdm1 &dm)
{
    writePages(
        state, [run, &dm] { return createRunPages(run, dm); },
        [run, &dm](Report::CompositeReport &composite, const RunPages &pages) { prepareComposite(composite, run, dm, pages); });
}

void StatementPdf(benchmark::State &state)
{
    const PrintRun run = state.range(0) == 0 ? PrintRun::Personal : PrintRun::Joint;
    auto dm = fullStatementSelected();
    writeRun(state, run, *dm);
    state.SetLabel(QStringLiteral("%1, Id %2").arg(run == PrintRun::Personal ? "personal" : "joint", fullStatementId())
                       .toStdString());
}
BENCHMARK(StatementPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BlankFormPdf(benchmark::State &state)
{
    auto dm = fullStatementSelected();
    writeRun(state, PrintRun::Blank, *dm);
}
BENCHMARK(BlankFormPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void Sba413Pdf(benchmark::State &state)
{
    auto dm = fullStatementSelected();
    writePages(
        state, [&dm] { return createSba413Pages(*dm); },
        [&dm](Report::CompositeReport &composite, const RunPages &pages) { prepareSba413Composite(composite, *dm, pages); });
    state.SetLabel(QStringLiteral("Id %1").arg(fullStatementId()).toStdString());
}
BENCHMARK(Sba413Pdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
