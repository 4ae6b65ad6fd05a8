#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The Section 4 sheet of a personal statement: the legal answers from the row Legal stands
// on, the holder's advisers, the declaration and one signature block.
class TqrCont_Single_Sect4 : public Report::ReportPage
{
public:
    explicit TqrCont_Single_Sect4(Tdm1 &dm);

    static const PageSpec &layout();
    void QuickRepBeforePrint(Report::ReportPage &page, bool &printReport);

private:
    Tdm1 &m_dm;
};
