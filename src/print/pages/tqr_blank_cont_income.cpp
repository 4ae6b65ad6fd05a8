#include "tqr_blank_cont_income.h"

#include "blank_schedule_parts.h"
#include "print/page_builder.h"

namespace {

// Income and expenditure items take the same columns.
const std::vector<BlankHeading> ItemHeadings = {
    {"Type", nullptr, 8},
    {"Description", nullptr, 160},
    {"Monthly", nullptr, 450, 121, Qt::AlignRight},
    {"Yearly", nullptr, 592, 121, Qt::AlignRight},
};

} // namespace

TqrBlank_Cont_Income::TqrBlank_Cont_Income(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrBlank_Cont_Income"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrBlank_Cont_Income::layout()
{
    static const PageSpec table = BlankScheduleParts::page(
        {.section = "Section 3 - Annual Income and Expenditures",
         .schedules = {{.title = "Annual Income - Detailed Summary",
                        .headings = ItemHeadings,
                        .totalCaption = "Totals",
                        .totalLeft = 450},
                       {.title = "Annual Expenditures - Detailed Summary",
                        .headings = ItemHeadings,
                        .totalCaption = "Totals",
                        .totalLeft = 450}},
         .sectionLeft = 8});
    return table;
}
