#include "tqr_blank_cont_l_c.h"

#include "blank_schedule_parts.h"
#include "print/page_builder.h"

namespace {

constexpr Qt::Alignment R = Qt::AlignRight;

} // namespace

TqrBlank_Cont_L_C::TqrBlank_Cont_L_C(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrBlank_Cont_L_C"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrBlank_Cont_L_C::layout()
{
    static const PageSpec table = BlankScheduleParts::page(
        {.section = "Section 2 - Liabilities (Cont.)",
     .schedules = {{.title = "Schedule M - Tax Liability",
                    .headings = {{"Type of Tax", nullptr, 8},
                                 {"Explanation", nullptr, 184},
                                 {"Amount", nullptr, 592, 121, R}},
                    .totalCaption = "Total",
                    .totalLeft = 542},
                   {.title = "Schedule N - All Other Liabilities",
                    .headings = {{"Description", nullptr, 8},
                                 {"Monthly Payment", nullptr, 462, 97, R},
                                 {"Amount", nullptr, 604, 110, R}},
                    .totalCaption = "Totals",
                    .totalLeft = 450}}});
    return table;
}
