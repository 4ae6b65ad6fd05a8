#include "program_windows.h"

#include "base/dates.h"
#include "data/tdm1.h"
#include "print/tfrm_print.h"
#include "readiness/readiness.h"
#include "sections/readiness_window.h"
#include "sections/section_windows.h"
#include "tfrm_compare.h"
#include "ui/window_registry.h"
#include "window_parts.h"

namespace {

// SBA Form 413 is checked for its own findings and measured by its own days.
void addSba413Check(TfrmPrint &window, Tdm1 &dm, Navigator &navigator)
{
    window.setSba413Check(
        [check = ReadinessPanel::checkFormBeforePrinting(&window, dm, navigator)](std::function<void()> proceed) {
            return check(ReadinessForm::Sba413, std::move(proceed));
        },
        [&dm] {
            const std::optional<QDate> date = Dates::parseExact(dm.tblFSPro.FieldByName(QStringLiteral("Date")).AsString().trimmed());
            return date ? sba413CurrentUntil(*date) : QDate();
        });
}

} // namespace

void addProgramWindows(WindowRegistry &registry)
{
    addSectionWindows(registry);
    addMaintenanceWindows(registry);
    registry.add(QStringLiteral("TfrmPrint"), [](Tdm1 &dm, Navigator &navigator) {
        auto *window = new TfrmPrint(dm, navigator);
        window->setStatementCheck(ReadinessPanel::checkBeforePrinting(window, dm, navigator));
        addSba413Check(*window, dm, navigator);
        window->setRealEstateCheck(
            [check = ReadinessPanel::checkFormBeforePrinting(window, dm, navigator)](std::function<void()> proceed) {
                return check(ReadinessForm::RealEstateSchedule, std::move(proceed));
            });
        return window;
    });
    registry.add<TfrmReadiness>("TfrmReadiness");
    registry.add<TfrmCompare>("TfrmCompare");
}
