#include "run_pages.h"

#include "pages/tqr_cont_joint.h"
#include "pages/tqr_cont_single.h"

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
    case PrintRun::Personal:
        return create<TqrCont_Single>(dm);
    case PrintRun::Joint:
        return create<TqrCont_Joint>(dm);
    case PrintRun::Blank:
        break;
    }
    return {};
}

void freeRunPages(RunPages &pages)
{
    for (auto &page : pages)
        page.reset();
    pages.clear();
}
