#include "tqr_cont_single.h"

#include "data/tdm1.h"
#include "print/page_builder.h"
#include "summary_sections.h"

TqrCont_Single::TqrCont_Single(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrCont_Single"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrCont_Single::layout()
{
    static const PageSpec table = [] {
        ParticularsPlaces personal;
        personal.title = QStringLiteral("Personal Information");
        personal.barTop = -2;
        personal.titleTop = 2;
        personal.titleStyle = whiteBold(10);
        personal.rowTops = {27, 51, 76, 101, 126};
        personal.ruleTops = {43, 68, 93, 118, 141};
        personal.fields = {
            {{39, 161}, {274, 14}, {351, 77}, {510, 93}, {637, 79}},
            {{53, 243}, {326, 104}, {470, 33}, {535, 123}},
            {{55, 240}, {346, 156}, {573, 62}},
            {{109, 187}, {326, 104}, {470, 33}, {535, 123}},
            {{85, 132}, {305, 125}, {470, 244}},
        };

        AmountTablePlaces balance;
        balance.barTop = 188;
        balance.titleTop = 192;
        balance.titleStyle = whiteBold(10);
        balance.greyTop = 211;
        balance.headingTop = 216;
        balance.headingStyle = bold(10);
        balance.headings = {{{9, 0}, {299, 61, Qt::AlignRight}, {369, 0}, {655, 61, Qt::AlignRight}}};
        balance.firstRowTop = 243;

        AmountTablePlaces income = balance;
        income.barTop = 557;
        income.titleTop = 559;
        income.greyTop = 579;
        income.headingTop = 584;
        income.headings = {{{6, 0}, {299, 61, Qt::AlignRight}, {370, 0}, {655, 61, Qt::AlignRight}}};
        income.firstRowTop = 609;
        income.totalsTop = 811;

        std::vector<ItemSpec> body = SummarySections::particulars(personal);
        body.push_back(field(&Tdm1::tblFSPro, QStringLiteral("Date"), 521, 2, 192, Qt::AlignRight, {10, false, Qt::white}));
        body << SummarySections::balanceSheet(balance) << SummarySections::incomeAndExpenditures(income);
        return PageSpec{{SummarySections::statementHeader(),
                         {Report::BandKind::Title, SummarySections::TitleBandHeight, 2, body}}};
    }();
    return table;
}
