#include "tqr_blank_cont.h"

#include "print/page_builder.h"
#include "tqr_cont_joint.h"

TqrBlank_Cont::TqrBlank_Cont(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrBlank_Cont"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrBlank_Cont::layout()
{
    static const PageSpec table = [] {
        ParticularsPlaces holder = TqrCont_Joint::holderPlaces();
        holder.fields.clear();
        holder.rowTops = {26, 51, 76, 101, 126};
        ParticularsPlaces spouse = TqrCont_Joint::spousePlaces();
        spouse.fields.clear();
        spouse.rowTops = {169, 194, 219, 244, 269};

        AmountTablePlaces balance = TqrCont_Joint::balancePlaces();
        balance.withFields = false;
        balance.headingStyle = regular(12);
        balance.headings = {{{9}, {295}, {369}, {651}}};
        balance.contingentTrailingBlank = false;
        balance.contingentNoteDrop = 2;
        AmountTablePlaces income = TqrCont_Joint::incomePlaces();
        income.withFields = false;
        income.headingStyle = regular(12);
        income.headings = {{{6}, {295}, {370}, {651}}};

        std::vector<ItemSpec> body = SummarySections::particulars(holder);
        body << SummarySections::particulars(spouse) << SummarySections::balanceSheet(balance)
             << SummarySections::incomeAndExpenditures(income);
        const BandSpec header =
            SummarySections::header(caption("WORTHSHEET", 357, 18, 353, Qt::AlignRight, regular(16)), false);
        return PageSpec{{header, {Report::BandKind::Title, SummarySections::TitleBandHeight, 2, body}}};
    }();
    return table;
}
