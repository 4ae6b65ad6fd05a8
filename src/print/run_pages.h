#pragma once

#include <memory>
#include <vector>

class Tdm1;

namespace Report {
class ReportPage;
}

// The three print runs and the report page objects of each, in printing order; each page
// object starts on a new sheet.
enum class PrintRun { Personal, Joint, Blank };

using RunPages = std::vector<std::unique_ptr<Report::ReportPage>>;

// Creates the page objects of a run on the data module's tables.
RunPages createRunPages(PrintRun run, Tdm1 &dm);
// Destroys them in their printing order.
void freeRunPages(RunPages &pages);
