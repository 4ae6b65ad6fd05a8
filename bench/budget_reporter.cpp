#include "budget_reporter.h"

#include <cstdio>

const std::vector<BudgetReporter::Budget> &BudgetReporter::budgets()
{
    static const std::vector<Budget> list = {
        {"StartUpToFilledOverview", "start-up to the filled overview, 10,000 statements (ms)", 30},
        {"ResidentMemoryAfterStartUp", "resident memory after start-up, fresh process (MB)", 64, "rss_MB"},
        {"SelectStatement/", "SelectStatement (ms)", 2},
        {"SelectStatementDetails/", "SelectStatementDetails (ms)", 2},
        {"ClearStatementFilters", "ClearStatementFilters (ms)", 2},
        {"Recompute/", "a recomputation, 100 rows in its table (ms)", 5},
        {"RecomputeRealEstatePostingEveryRow", "real estate posting all 100 rows (ms)", 5},
        {"OpenListWindow/", "open a list window with 100 rows (ms)", 30},
        {"MainWindowAndListWindow", "open the main window with its menu bar, then a list window (ms)", 60},
        {"ListWindowOK/", "OK on a list window: check, save, recompute (ms)", 20},
        {"WalkStep/", "one step of the walk (ms)", 40},
        {"StatementPdf/", "lay out and write a full statement PDF (ms)", 40},
        {"BlankFormPdf", "lay out and write the blank form PDF (ms)", 30},
        {"Sba413Pdf", "SBA Form 413 of a full statement as PDF (ms)", 40},
        {"CopyStatementAsOfToday", "copy a statement of 10,000 detail rows as of today (ms)", 300},
        {"OpenComparison", "open the comparison of two full statements (ms)", 50},
        {"ReadinessCheck", "readiness check of a full statement (ms)", 20},
        {"MigrateVersion1File", "bring the 10,000-statement file of version 1 to version 2 (ms)", 5000},
        {"ExportStatementJson", "export a full statement as a statement file (ms)", 50},
        {"ImportStatementJson", "import a full statement file with its totals (ms)", 50},
        {"CommandLinePdf", "worthsheet --pdf of a full statement, whole process (ms)", 150},
        {"KeyDerivation", "key derivation at the calibrated limits (ms)", 1000},
        {"SealEnvelope/1", "encrypt a 1 MB payload under an unlocked key (ms)", 10},
        {"SealEnvelope/10", "encrypt a 10 MB payload under an unlocked key (ms)", 60},
        {"SealEnvelope/50", "encrypt a 50 MB payload under an unlocked key (ms)", 300},
        {"EncryptedFileOpen/", "open an encrypted file of 100 statements, derivation included (ms)", 1000},
        {"EncryptedListWindowOK", "OK on a list window, encrypted file of 100 statements (ms)", 30},
    };
    return list;
}

void BudgetReporter::ReportRuns(const std::vector<Run> &reports)
{
    ConsoleReporter::ReportRuns(reports);
    for (const Run &run : reports)
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            m_medians.push_back(run);
}

namespace {

bool matches(const std::string &name, const char *pattern)
{
    const std::string p = pattern;
    if (!p.empty() && p.back() == '/')
        return name.compare(0, p.size(), p) == 0 || name == p.substr(0, p.size() - 1);
    return name == p || name.compare(0, p.size() + 1, p + "/") == 0;
}

} // namespace

void BudgetReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::vector<std::string> missed;
    std::printf("\n%-58s %-44s %10s %8s\n", "budget", "benchmark", "median", "limit");
    for (const Budget &budget : budgets()) {
        for (const Run &run : m_medians) {
            const std::string name = run.run_name.str();
            if (!matches(name, budget.benchmark))
                continue;
            double value = 0;
            if (budget.counter) {
                const auto counter = run.counters.find(budget.counter);
                if (counter == run.counters.end())
                    continue;
                value = counter->second.value;
            } else {
                value = run.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(run.time_unit)
                    / benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond);
            }
            const bool ok = value < budget.limit;
            std::printf("%-58s %-44s %10.2f %8.1f%s\n", budget.what, name.c_str(), value, budget.limit, ok ? "" : "  MISSED");
            if (!ok)
                missed.push_back(std::string(budget.what) + ": " + name);
        }
    }
    if (missed.empty()) {
        std::printf("\nBudgets missed: none\n");
        return;
    }
    std::printf("\nBudgets missed:\n");
    for (const std::string &m : missed)
        std::printf("  %s\n", m.c_str());
}
