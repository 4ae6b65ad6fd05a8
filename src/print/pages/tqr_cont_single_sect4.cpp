#include "tqr_cont_single_sect4.h"

#include "data/tdm1.h"
#include "print/page_builder.h"
#include "section4_parts.h"

using namespace Section4Parts;

TqrCont_Single_Sect4::TqrCont_Single_Sect4(Tdm1 &dm)
    : Report::ReportPage(QStringLiteral("TqrCont_Single_Sect4")), m_dm(dm)
{
    buildPage(layout(), dm, *this);
    setBeforePrint([this](Report::ReportPage &page, bool &printReport) { QuickRepBeforePrint(page, printReport); });
}

void TqrCont_Single_Sect4::QuickRepBeforePrint(Report::ReportPage &page, bool &)
{
    markAnswers(page, m_dm.tblLegal);
}

const PageSpec &TqrCont_Single_Sect4::layout()
{
    static const PageSpec table = [] {
        std::vector<ItemSpec> items = legalBlock(9, {109, 264, 255, 256, 244, 221, 391, 328, 349, 387});
        // The holder's advisers in two columns: accountant and attorney, banker and advisor.
        const auto &rows = adviserRows();
        const std::vector<double> tops = {524, 544, 579, 599};
        items << std::vector<ItemSpec>{hrule(0, 483, BandWidth, 6), bar(1, 487, 719, 22),
                                       caption("Contacts", 7, 492, 0, Qt::AlignLeft, whiteBold(10)),
                                       hrule(0, 508, BandWidth, 2), box(1, 511, 719, 113, 3), vrule(355, 511, 113, 2),
                                       hrule(1, 564, 719)}
              << adviserColumn({rows[0], rows[1], rows[2], rows[3]}, tops, 5, 120, {}, true)
              << adviserColumn({rows[4], rows[5], rows[6], rows[7]}, tops, 365, 480, {}, true)
              << declaration(statementDeclaration(), 645, 713) << signatureBlock(802, 223, 820, regular(8));
        return PageSpec{{{Report::BandKind::Title, BandHeight, 2, items}}};
    }();
    return table;
}
