#pragma once

#include "page_spec.h"

namespace Report {
class ReportPage;
}

// Turns a layout table into the engine's bands and items on the data module's tables.
void buildPage(const PageSpec &table, Tdm1 &dm, Report::ReportPage &page);
