#include "tqr_blank_cont_l_a.h"

#include "blank_schedule_parts.h"
#include "print/page_builder.h"

namespace {

constexpr Qt::Alignment R = Qt::AlignRight;
constexpr Qt::Alignment C = Qt::AlignHCenter;

} // namespace

TqrBlank_Cont_L_A::TqrBlank_Cont_L_A(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrBlank_Cont_L_A"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrBlank_Cont_L_A::layout()
{
    static const PageSpec table = BlankScheduleParts::page(
        {.section = "Section 2 - Liabilities",
     .schedules = {{.title = "Schedule I - Notes Payable",
                    .headings = {{"Bank", nullptr, 8},
                                 {"Description", nullptr, 184},
                                 {"Registered in name of:", nullptr, 328},
                                 {"Amount", nullptr, 592, 121, R}},
                    .totalCaption = "Total",
                    .totalLeft = 542},
                   {.title = "Schedule J - Mortgages Payable",
                    .headings = {{"Type", nullptr, 8},
                                 {"Description", nullptr, 78},
                                 {"Title in Name of:", nullptr, 214},
                                 {"Lien Holder:", nullptr, 348},
                                 {"Year", "Acquired", 497, 60, C},
                                 {"% Liability", nullptr, 561, 64, C},
                                 {"Current", "Balance", 643, 70, R}},
                    .totalCaption = "Total",
                    .totalLeft = 534}}});
    return table;
}
