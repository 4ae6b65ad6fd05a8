#include "tqr_cont_joint_sect4.h"

#include "data/tdm1.h"
#include "print/page_builder.h"
#include "section4_parts.h"

using namespace Section4Parts;

TqrCont_Joint_Sect4::TqrCont_Joint_Sect4(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrCont_Joint_Sect4")), m_dm(dm)
{
    buildPage(layout(), dm, *this);
    setBeforePrint([this](Report::ReportPage &page, bool &printReport) { QuickRepBeforePrint(page, printReport); });
}

void TqrCont_Joint_Sect4::QuickRepBeforePrint(Report::ReportPage &page, bool &)
{
    markAnswers(page, m_dm.tblLegal);
}

const std::vector<double> &TqrCont_Joint_Sect4::adviserTops()
{
    static const std::vector<double> tops = {514, 529, 554, 569, 594, 609, 634, 649};
    return tops;
}

std::vector<ItemSpec> TqrCont_Joint_Sect4::contactsFrame(double headingTop)
{
    return {hrule(0, 483, BandWidth, 6),
            bar(1, 487, 719, 22),
            caption("Contacts (Personal)", 7, headingTop, 0, Qt::AlignLeft, whiteBold(10)),
            caption("Contacts (Spouse)", 365, headingTop, 0, Qt::AlignLeft, whiteBold(10)),
            vrule(355, 511, 158, 2),
            hrule(1, 544, 719),
            hrule(1, 584, 719)};
}

const PageSpec &TqrCont_Joint_Sect4::layout()
{
    static const PageSpec table = [] {
        std::vector<ItemSpec> items = legalBlock(6, {109, 264, 254, 255, 244, 220, 391, 329, 348, 387});
        const std::vector<AdviserRow> rows(adviserRows().begin(), adviserRows().end());
        items << contactsFrame(489)
              << std::vector<ItemSpec>{hrule(0, 508, BandWidth, 2), hrule(1, 625, 719), hrule(0, 668, BandWidth, 2)}
              << adviserColumn(rows, adviserTops(), 5, 120, {}, true)
              << adviserColumn(rows, adviserTops(), 365, 480, QStringLiteral("S"), true)
              << declaration(statementDeclaration(), 678, 713) << signatureBlock(805, 255, 823, regular(7))
              << signatureBlock(872, 255, 890, regular(7));
        PageSpec page{{{Report::BandKind::Title, BandHeight, 2, items}}};
        page.dataSet = &Tdm1::tblLegal;
        return page;
    }();
    return table;
}
