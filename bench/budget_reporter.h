#pragma once

#include <string>
#include <vector>

#include <benchmark/benchmark.h>

// The console report, followed by every budget of the design beside the median measured
// for it and the list of budgets missed.
class BudgetReporter : public benchmark::ConsoleReporter
{
public:
    struct Budget
    {
        const char *benchmark; // the run's name, or the beginning of it followed by '/'
        const char *what;
        double limit;
        const char *counter = nullptr; // null: the real time in ms; else that counter
    };
    static const std::vector<Budget> &budgets();

    void ReportRuns(const std::vector<Run> &reports) override;
    void Finalize() override;

private:
    struct Measured
    {
        std::string name;
        double value;
    };
    std::vector<Run> m_medians;
};
