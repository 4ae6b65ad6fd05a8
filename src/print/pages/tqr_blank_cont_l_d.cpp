#include "tqr_blank_cont_l_d.h"

#include "blank_schedule_parts.h"
#include "print/page_builder.h"

namespace {

constexpr Qt::Alignment R = Qt::AlignRight;

} // namespace

TqrBlank_Cont_L_D::TqrBlank_Cont_L_D(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrBlank_Cont_L_D"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrBlank_Cont_L_D::layout()
{
    static const PageSpec table = BlankScheduleParts::page(
        {.section = "Section 2 - Liabilities (Cont.)",
     .schedules = {{.title = "Schedule O - Contingent Liabilities (Not Included in Net Worth Calculation)",
                    .headings = {{"Type", nullptr, 8},
                                 {"To Whom", nullptr, 168},
                                 {"Maturity Date", nullptr, 298},
                                 {"Monthly Payment", nullptr, 462, 97, R},
                                 {"Amount", nullptr, 604, 110, R}},
                    .totalCaption = "Totals",
                    .totalLeft = 418}}});
    return table;
}
