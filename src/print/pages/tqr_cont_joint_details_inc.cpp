#include "tqr_cont_joint_details_inc.h"

#include "data/tdm1.h"
#include "print/page_builder.h"
#include "schedule_parts.h"

using namespace ScheduleParts;

namespace {

// Income and expenditure items list alike.
const std::vector<ScheduleColumn> &itemColumns()
{
    static const std::vector<ScheduleColumn> columns = {
        {"Type", "Type", 8, 141, Qt::AlignLeft},
        {"Description", "Description", 160, 277, Qt::AlignLeft},
        {"Monthly (Average)", "MAmount", 450, 121, Qt::AlignRight},
        {"Yearly", "Amount", 592, 121, Qt::AlignRight},
    };
    return columns;
}

std::vector<Schedule> schedules()
{
    return {
        {.title = "Annual Income - Detailed Summary",
         .table = &Tdm1::tblIncomes,
         .rowHeight = 20,
         .columns = itemColumns(),
         .totalCaption = "Totals",
         .totalLeft = 400,
         .totals = {{"MIncomeTotal", 450, 120}, {"IncomeTotal", 577, 135}}},
        {.title = "Annual Expenditures - Detailed Summary",
         .table = &Tdm1::tblExpenditure,
         .rowHeight = 19,
         .columns = itemColumns(),
         .totalCaption = "Totals",
         .totalLeft = 400,
         .totals = {{"MExpenseTotal", 450, 120}, {"ExpenseTotal", 577, 135}}},
    };
}

} // namespace

TqrCont_Joint_Details_Inc::TqrCont_Joint_Details_Inc(Tdm1 &dm)
    : Report::ReportPage(QStringLiteral("TqrCont_Joint_Details_Inc"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrCont_Joint_Details_Inc::layout()
{
    static const PageSpec table = page(pageHeader(440, Qt::AlignRight),
                                       sectionBand("Section 3 - Annual Income and Expenditures", 25), schedules());
    return table;
}
