#include "tqr_blank_cont_assets_b.h"

#include "blank_schedule_parts.h"
#include "print/page_builder.h"

namespace {

constexpr Qt::Alignment R = Qt::AlignRight;
constexpr Qt::Alignment C = Qt::AlignHCenter;

} // namespace

TqrBlank_Cont_Assets_B::TqrBlank_Cont_Assets_B(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrBlank_Cont_Assets_B"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrBlank_Cont_Assets_B::layout()
{
    static const PageSpec table = BlankScheduleParts::page(
        {.section = "Section 2 - Assets (Cont.)",
     .schedules = {{.title = "Schedule C - Securities",
                    .headings = {{"# Shares", nullptr, 8},
                                 {"Security", nullptr, 76},
                                 {"Exchange", nullptr, 180},
                                 {"Pledged", nullptr, 236, 57, C},
                                 {"Registered in Name of:", nullptr, 300},
                                 {"Purchase Price", nullptr, 455, 105, R},
                                 {"Current Value", nullptr, 627, 87, R}},
                    .totalCaption = "Totals",
                    .totalLeft = 454},
                   {.title = "Schedule D - Automobiles",
                    .headings = {{"Model", nullptr, 8},
                                 {"Year", nullptr, 164},
                                 {"Monthly Payment", nullptr, 352, 98, R},
                                 {"Purchase Price", nullptr, 461, 98, R},
                                 {"Current Value", nullptr, 627, 87, R}},
                    .totalCaption = "Total",
                    .totalLeft = 461}}});
    return table;
}
