#include "tqr_cont_joint.h"

#include "data/tdm1.h"
#include "print/page_builder.h"

TqrCont_Joint::TqrCont_Joint(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrCont_Joint"))
{
    buildPage(layout(), dm, *this);
}

ParticularsPlaces TqrCont_Joint::holderPlaces()
{
    ParticularsPlaces holder;
    holder.title = QStringLiteral("Personal Information");
    holder.barTop = -2;
    holder.titleTop = 0;
    holder.titleStyle = whiteBold(12);
    holder.rowTops = {25, 50, 75, 100, 125};
    holder.ruleTops = {41, 66, 91, 116, 141};
    holder.residencePhoneLeft = 215;
    holder.fields = {
        {{38, 170}, {274, 14}, {351, 77}, {510, 93}, {637, 79}},
        {{53, 243}, {330, 97}, {467, 36}, {535, 120}},
        {{54, 243}, {345, 161}, {573, 62}},
        {{108, 190}, {327, 101}, {467, 36}, {535, 120}},
        {{86, 120}, {306, 118}, {468, 248}},
    };
    return holder;
}

ParticularsPlaces TqrCont_Joint::spousePlaces()
{
    ParticularsPlaces spouse = holderPlaces();
    spouse.title = QStringLiteral("Spouse Information");
    spouse.barTop = 143;
    spouse.titleTop = 145;
    spouse.rowTops = {170, 195, 220, 245, 270};
    spouse.ruleTops = {186, 211, 236, 261, 284};
    spouse.fieldPrefix = QStringLiteral("S");
    spouse.fields = {
        {{38, 166}, {274, 14}, {351, 77}, {510, 93}, {637, 79}},
        {{53, 244}, {330, 97}, {466, 41}, {534, 120}},
        {{54, 240}, {346, 157}, {573, 62}},
        {{108, 188}, {327, 101}, {466, 41}, {534, 120}},
        {{86, 120}, {306, 121}, {468, 248}},
    };
    return spouse;
}

AmountTablePlaces TqrCont_Joint::balancePlaces()
{
    AmountTablePlaces balance;
    balance.barTop = 286;
    balance.titleTop = 287;
    balance.titleStyle = whiteBold(12);
    balance.greyTop = 309;
    balance.headingTop = 313;
    balance.headingStyle = bold(12);
    balance.headings = {{{9, 0}, {287, 73, Qt::AlignRight}, {369, 0}, {643, 73, Qt::AlignRight}}};
    balance.firstRowTop = 341;
    balance.rightField = {599, 117};
    balance.contingentNoteLeft = 493;
    return balance;
}

AmountTablePlaces TqrCont_Joint::incomePlaces()
{
    AmountTablePlaces income = balancePlaces();
    income.barTop = 612;
    income.titleTop = 614;
    income.greyTop = 634;
    income.headingTop = 636;
    income.headings = {{{6, 0}, {287, 73, Qt::AlignRight}, {370, 0}, {643, 73, Qt::AlignRight}}};
    income.firstRowTop = 664;
    income.totalsTop = 866;
    return income;
}

const PageSpec &TqrCont_Joint::layout()
{
    static const PageSpec table = [] {
        std::vector<ItemSpec> body = SummarySections::particulars(holderPlaces());
        body.push_back(field(&Tdm1::tblFSPro, QStringLiteral("Date"), 625, 2, 87, Qt::AlignRight, {10, false, Qt::white}));
        body << SummarySections::particulars(spousePlaces()) << SummarySections::balanceSheet(balancePlaces())
             << SummarySections::incomeAndExpenditures(incomePlaces());
        return PageSpec{{SummarySections::statementHeader(),
                         {Report::BandKind::Title, SummarySections::TitleBandHeight, 2, body}}};
    }();
    return table;
}
