#pragma once

#include <memory>
#include <vector>

#include "print/engine/report_page.h"

class Tdm1;

// The three print runs and the report page objects of each, in printing order; each page
// object starts on a new sheet.
enum class PrintRun { Personal, Joint, Blank };

using RunPages = std::vector<std::unique_ptr<Report::ReportPage>>;

// Creates the page objects of a run on the data module's tables.
RunPages createRunPages(PrintRun run, Tdm1 &dm);
// Destroys them in their printing order.
void freeRunPages(RunPages &pages);
