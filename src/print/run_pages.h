#pragma once

#include <memory>
#include <vector>

#include "print/engine/composite_report.h"
#include "print/engine/report_page.h"

class Tdm1;

// The three print runs and the report page objects of each, in printing order; each page
// object starts on a new sheet.
// The schedule of real estate owned also prints alone, as a run of its own.
enum class PrintRun { Personal, Joint, Blank, RealEstateSchedule };

using RunPages = std::vector<std::unique_ptr<Report::ReportPage>>;

// The names of a statement's Client row that its sheets name its holders by.
struct HolderNames
{
    QString fullName;
    QString spouseFirstName;
    QString spouseLastName;
    QString spouseFullName;
};
HolderNames currentHolderNames(Tdm1 &dm);

// The run that prints the current statement: the joint pages when both spouse names are
// filled in, the personal pages otherwise.
PrintRun statementRun(Tdm1 &dm);
PrintRun statementRun(const HolderNames &names);
// Whom every sheet of the run names: the holder, and on the joint run the spouse too
// ("Ann Avery and Bob Avery").
QString sheetHolder(PrintRun run, const HolderNames &names);

// Creates the page objects of a run on the data module's tables.
RunPages createRunPages(PrintRun run, Tdm1 &dm);
// Destroys them in their printing order.
void freeRunPages(RunPages &pages);

// What identifies every sheet of the run: the holder's name (both names on the joint run)
// and the statement date of the current statement; nothing but page numbers on the blank.
Report::SheetFooter runSheetFooter(PrintRun run, Tdm1 &dm);
// The name proposed for the run's PDF: the holder's name and the statement date, as a
// file name any file system takes ("Jane Doe 01-15-2026.pdf").
QString runFileName(PrintRun run, Tdm1 &dm);
// Fills the composite from the pages and gives it the run's sheet footer.
void prepareComposite(Report::CompositeReport &composite, PrintRun run, Tdm1 &dm, const RunPages &pages);

// SBA Form 413 of the current statement: the form's sheets, then the attachment sheets of the
// rows beyond its room, every sheet with the statement's footer.
RunPages createSba413Pages(Tdm1 &dm);
// "Jane Doe 01-15-2026 SBA Form 413.pdf", as runFileName forms its names.
QString sba413FileName(Tdm1 &dm);
void prepareSba413Composite(Report::CompositeReport &composite, Tdm1 &dm, const RunPages &pages);
