#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The Section 4 sheet of a joint statement: the legal answers from the first Legal row
// (its data set), the holder's and the spouse's advisers side by side, the declaration
// and a signature block for each signer.
class TqrCont_Joint_Sect4 : public Report::ReportPage
{
public:
    explicit TqrCont_Joint_Sect4(Tdm1 &dm);

    static const PageSpec &layout();
    void QuickRepBeforePrint(Report::ReportPage &page, bool &printReport);

    // The contacts block the blank Section 4 sheet shares: bar, headings, column split
    // and the rules between the adviser pairs.
    static std::vector<ItemSpec> contactsFrame(double headingTop);
    static const std::vector<double> &adviserTops();

private:
    Tdm1 &m_dm;
};
