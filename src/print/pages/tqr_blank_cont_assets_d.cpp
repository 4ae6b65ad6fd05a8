#include "tqr_blank_cont_assets_d.h"

#include "blank_schedule_parts.h"
#include "print/page_builder.h"

namespace {

constexpr Qt::Alignment R = Qt::AlignRight;

} // namespace

TqrBlank_Cont_Assets_D::TqrBlank_Cont_Assets_D(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrBlank_Cont_Assets_D"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrBlank_Cont_Assets_D::layout()
{
    static const PageSpec table = BlankScheduleParts::page(
        {.section = "Section 2 - Assets (Cont.)",
     .schedules = {{.title = "Schedule G - Business Assets",
                    .headings = {{"Description", nullptr, 8},
                                 {"Registered in the name of:", nullptr, 264},
                                 {"Value", nullptr, 627, 87, R}},
                    .totalCaption = "Total",
                    .totalLeft = 542},
                   {.title = "Schedule H - Other Assets (Accounts and Notes Receivable, Restricted or Margin Accounts and All "
                             "Other Assets)",
                    .headings = {{"Type", nullptr, 8},
                                 {"Description", nullptr, 146},
                                 {"Registered in the name of", nullptr, 384},
                                 {"Value", nullptr, 627, 87, R}},
                    .totalCaption = "Total",
                    .totalLeft = 534,
                    .titleSize = 10}},
     .sectionSize = 14});
    return table;
}
