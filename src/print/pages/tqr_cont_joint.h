#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"
#include "summary_sections.h"

// The summary sheet of a joint statement: the holder's and the spouse's particulars, the
// balance sheet and the annual income and expenditures, from the current Client and FSPro
// rows.
class TqrCont_Joint : public Report::ReportPage
{
public:
    explicit TqrCont_Joint(Tdm1 &dm);

    static const PageSpec &layout();
    // The places of the joint summary, which the blank summary shares.
    static ParticularsPlaces holderPlaces();
    static ParticularsPlaces spousePlaces();
    static AmountTablePlaces balancePlaces();
    static AmountTablePlaces incomePlaces();
};
