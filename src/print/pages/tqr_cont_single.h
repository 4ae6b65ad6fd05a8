#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The summary sheet of a personal statement: the holder's particulars, the balance sheet
// and the annual income and expenditures, from the current Client and FSPro rows.
class TqrCont_Single : public Report::ReportPage
{
public:
    explicit TqrCont_Single(Tdm1 &dm);

    static const PageSpec &layout();
};
