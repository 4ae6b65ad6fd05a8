#include "program_windows.h"

#include "maintenance_windows.h"
#include "print/tfrm_print.h"
#include "sections/section_windows.h"
#include "ui/window_registry.h"

void addProgramWindows(WindowRegistry &registry)
{
    addSectionWindows(registry);
    addMaintenanceWindows(registry);
    registry.add(QStringLiteral("TfrmPrint"),
                 [](Tdm1 &dm, Navigator &navigator) -> QWidget * { return new TfrmPrint(dm, navigator); });
}
