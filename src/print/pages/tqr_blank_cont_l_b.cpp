#include "tqr_blank_cont_l_b.h"

#include "blank_schedule_parts.h"
#include "print/page_builder.h"

namespace {

constexpr Qt::Alignment R = Qt::AlignRight;

} // namespace

TqrBlank_Cont_L_B::TqrBlank_Cont_L_B(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrBlank_Cont_L_B"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrBlank_Cont_L_B::layout()
{
    static const PageSpec table = BlankScheduleParts::page(
        {.section = "Section 2 - Liabilities (Cont.)",
     .schedules = {{.title = "Schedule K - Credit Card Liability",
                    .headings = {{"Card Name", nullptr, 8},
                                 {"Member Since (Year)", nullptr, 225},
                                 {"Card Limit", nullptr, 503, 56, R},
                                 {"Balance", nullptr, 607, 106, R}},
                    .totalCaption = "Total",
                    .totalLeft = 542},
                   {.title = "Schedule L - Auto Liability",
                    .headings = {{"Description", nullptr, 8},
                                 {"Registered in the name of:", nullptr, 184},
                                 {"Lien Holder", nullptr, 368},
                                 {"Loan Balance", nullptr, 592, 121, R}},
                    .totalCaption = "Total",
                    .totalLeft = 534}}});
    return table;
}
