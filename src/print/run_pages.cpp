#include "run_pages.h"

#include "pages/tqr_blank_cont.h"
#include "pages/tqr_blank_cont_assets_a.h"
#include "pages/tqr_blank_cont_assets_b.h"
#include "pages/tqr_blank_cont_assets_c.h"
#include "pages/tqr_blank_cont_assets_d.h"
#include "pages/tqr_blank_cont_income.h"
#include "pages/tqr_blank_cont_l_a.h"
#include "pages/tqr_blank_cont_l_b.h"
#include "pages/tqr_blank_cont_l_c.h"
#include "pages/tqr_blank_cont_l_d.h"
#include "pages/tqr_blank_cont_sect4.h"
#include "pages/tqr_cont_joint.h"
#include "pages/tqr_cont_joint_details.h"
#include "pages/tqr_cont_joint_details_inc.h"
#include "pages/tqr_cont_joint_details_l.h"
#include "pages/tqr_cont_joint_sect4.h"
#include "pages/tqr_cont_single.h"
#include "pages/tqr_cont_single_sect4.h"

namespace {

template <class... Pages>
RunPages create(Tdm1 &dm)
{
    RunPages pages;
    (pages.push_back(std::make_unique<Pages>(dm)), ...);
    return pages;
}

} // namespace

RunPages createRunPages(PrintRun run, Tdm1 &dm)
{
    switch (run) {
    // The schedule pages serve both statement runs.
    case PrintRun::Personal:
        return create<TqrCont_Single, TqrCont_Single_Sect4, TqrCont_Joint_Details, TqrCont_Joint_Details_L,
                      TqrCont_Joint_Details_Inc>(dm);
    case PrintRun::Joint:
        return create<TqrCont_Joint, TqrCont_Joint_Sect4, TqrCont_Joint_Details, TqrCont_Joint_Details_L,
                      TqrCont_Joint_Details_Inc>(dm);
    case PrintRun::Blank:
        return create<TqrBlank_Cont, TqrBlank_Cont_Sect4, TqrBlank_Cont_Assets_A, TqrBlank_Cont_Assets_B,
                      TqrBlank_Cont_Assets_C, TqrBlank_Cont_Assets_D, TqrBlank_Cont_L_A, TqrBlank_Cont_L_B,
                      TqrBlank_Cont_L_C, TqrBlank_Cont_L_D, TqrBlank_Cont_Income>(dm);
    }
    return {};
}

void freeRunPages(RunPages &pages)
{
    for (auto &page : pages)
        page.reset();
    pages.clear();
}
