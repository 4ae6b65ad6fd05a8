#include "tqr_blank_cont_sect4.h"

#include "print/page_builder.h"
#include "section4_parts.h"
#include "tqr_cont_joint_sect4.h"

using namespace Section4Parts;

namespace {

// The blank form breaks the declaration into eight lines of its own.
const QStringList &blankDeclaration()
{
    static const QStringList lines = {
        QStringLiteral("The information contained in this statement and supporting schedules is provided to induce you to "
                       "extend or to continue the extension of credit to the undersigned or to"),
        QStringLiteral("others upon the guaranty of the undersigned.  The undersigned acknowledges and understands that "
                       "you are relying upon the information provided herein in deciding to"),
        QStringLiteral("grant or continue credit or to accept a guaranty thereof.  The undersigned represents, warrants "
                       "and certifies that the information provided herein is true, correct and  "),
        QStringLiteral("complete to the best of the undersigned's knowledge.  The undersigned agrees to notify you "
                       "immediately and in writing of any changes in name, address, or employment "),
        QStringLiteral("and of any material adverse change (1) in any of the information contained in this statement or "
                       "(2) in the financial condition of the undersigned or (3) in the ability   "),
        QStringLiteral("of the undersigned to perform its obligations to you.  In the absence of such notice or a new and "
                       "full written statement, this should be considered as a continuing "),
        QStringLiteral("statement and substantially correct.  You are authorized to make all inquiries you deem necessary "
                       "to verify the accuracy of the information contained herein, and to  "),
        QStringLiteral("determine the credit worthiness of the undersigned.  The undersigned authorizes you to answer "
                       "questions about your credit experience with the undersigned."),
    };
    return lines;
}

} // namespace

TqrBlank_Cont_Sect4::TqrBlank_Cont_Sect4(Tdm1 &dm) : Report::ReportPage(QStringLiteral("TqrBlank_Cont_Sect4"))
{
    buildPage(layout(), dm, *this);
}

const PageSpec &TqrBlank_Cont_Sect4::layout()
{
    static const PageSpec table = [] {
        std::vector<ItemSpec> items = legalBlock(7, {});
        const std::vector<AdviserRow> rows(adviserRows().begin(), adviserRows().end());
        const std::vector<double> &tops = TqrCont_Joint_Sect4::adviserTops();
        items << TqrCont_Joint_Sect4::contactsFrame(490)
              << std::vector<ItemSpec>{box(1, 511, 719, 158, 3), hrule(1, 624, 719)}
              << adviserColumn(rows, tops, 5, 0, {}, false) << adviserColumn(rows, tops, 365, 0, {}, false)
              << declaration(blankDeclaration(), 675, 708) << signatureBlock(812, 255, 831, regular(7))
              << signatureBlock(879, 255, 898, regular(7));
        return PageSpec{{{Report::BandKind::Title, BandHeight, 2, items}}};
    }();
    return table;
}
