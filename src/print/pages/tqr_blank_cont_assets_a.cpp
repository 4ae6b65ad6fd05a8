#include "tqr_blank_cont_assets_a.h"

#include "blank_schedule_parts.h"
#include "print/page_builder.h"

namespace {

constexpr Qt::Alignment R = Qt::AlignRight;
constexpr Qt::Alignment C = Qt::AlignHCenter;

} // namespace

TqrBlank_Cont_Assets_A::TqrBlank_Cont_Assets_A(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrBlank_Cont_Assets_A"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrBlank_Cont_Assets_A::layout()
{
    static const PageSpec table = BlankScheduleParts::page(
        {.section = "Section 2 - Assets",
     .schedules = {{.title = "Schedule A - Deposit Relationships",
                    .headings = {{"Type of Account", nullptr, 8},
                                 {"Registered in Name of:", nullptr, 165},
                                 {"Bank", nullptr, 320},
                                 {"Account Number", nullptr, 455},
                                 {"Current Balance", nullptr, 592, 121, R}},
                    .totalCaption = "Total",
                    .totalLeft = 542},
                   {.title = "Schedule B - Real Estate",
                    .headings = {{"Type", nullptr, 8},
                                 {"Description", nullptr, 78},
                                 {"Title in Name of:", nullptr, 214},
                                 {"Lien Holder:", nullptr, 348},
                                 {"Year", "Acquired", 497, 60, C},
                                 {"% Owned", nullptr, 561, 64, C},
                                 {"Market", "Value", 643, 70, R}},
                    .totalCaption = "Total",
                    .totalLeft = 534}}});
    return table;
}
