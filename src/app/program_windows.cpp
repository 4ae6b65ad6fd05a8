#include "program_windows.h"

#include "print/tfrm_print.h"
#include "sections/readiness_window.h"
#include "sections/section_windows.h"
#include "tfrm_compare.h"
#include "ui/window_registry.h"
#include "window_parts.h"

void addProgramWindows(WindowRegistry &registry)
{
    addSectionWindows(registry);
    addMaintenanceWindows(registry);
    registry.add(QStringLiteral("TfrmPrint"), [](Tdm1 &dm, Navigator &navigator) {
        auto *window = new TfrmPrint(dm, navigator);
        window->setStatementCheck(ReadinessPanel::checkBeforePrinting(window, dm, navigator));
        return window;
    });
    registry.add<TfrmReadiness>("TfrmReadiness");
    registry.add<TfrmCompare>("TfrmCompare");
}
