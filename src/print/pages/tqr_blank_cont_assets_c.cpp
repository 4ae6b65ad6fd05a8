#include "tqr_blank_cont_assets_c.h"

#include "blank_schedule_parts.h"
#include "print/page_builder.h"

namespace {

constexpr Qt::Alignment R = Qt::AlignRight;

} // namespace

TqrBlank_Cont_Assets_C::TqrBlank_Cont_Assets_C(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrBlank_Cont_Assets_C"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrBlank_Cont_Assets_C::layout()
{
    static const PageSpec table = BlankScheduleParts::page(
        {.section = "Section 2 - Assets (Cont.)",
     .schedules = {{.title = "Schedule E - Cash Value of Life Insurance",
                    .headings = {{"Company", nullptr, 8},
                                 {"Insured", nullptr, 119},
                                 {"Benificiary", nullptr, 224},
                                 {"Pledged?", nullptr, 326},
                                 {"To Whom?", nullptr, 387},
                                 {"Face Value", nullptr, 481, 99, R},
                                 {"Cash Value", nullptr, 627, 87, R}},
                    .totalCaption = "Totals",
                    .totalLeft = 481},
                   {.title = "Schedule F - Household and Personal Assets",
                    .headings = {{"Description", nullptr, 8},
                                 {"Registered in the name of:", nullptr, 264},
                                 {"Value", nullptr, 627, 87, R}},
                    .totalCaption = "Total",
                    .totalLeft = 534}}});
    return table;
}
