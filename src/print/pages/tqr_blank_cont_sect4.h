#pragma once

#include "print/engine/report_page.h"
#include "print/page_spec.h"

// The blank form's Section 4 sheet: the legal questions without answers, both columns of
// adviser captions, the declaration as the blank form breaks it, and two signature blocks.
class TqrBlank_Cont_Sect4 : public Report::ReportPage
{
public:
    explicit TqrBlank_Cont_Sect4(Tdm1 &dm);

    static const PageSpec &layout();
};
