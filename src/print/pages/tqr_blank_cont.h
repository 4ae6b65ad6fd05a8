#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The blank form's summary sheet: the joint summary's captions, bars and rules with
// every field left out, both particulars blocks included.
class TqrBlank_Cont : public Report::ReportPage
{
public:
    explicit TqrBlank_Cont(Tdm1 &dm);

    static const PageSpec &layout();
};
