#include "program_windows.h"

#include "maintenance_windows.h"
#include "print/readiness_window.h"
#include "print/tfrm_compare.h"
#include "print/tfrm_print.h"
#include "sections/section_windows.h"
#include "ui/window_registry.h"

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
