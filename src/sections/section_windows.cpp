#include "section_windows.h"

#include "legal_window.h"
#include "list_windows.h"
#include "particulars_windows.h"
#include "statement_date_window.h"

void addSectionWindows(WindowRegistry &registry)
{
    addParticularsWindows(registry);
    addListWindows(registry);
    addLegalWindows(registry);
    addStatementDateWindow(registry);
}
