#include "section_windows.h"

#include "list_windows.h"

void addSectionWindows(WindowRegistry &registry)
{
    addListWindows(registry);
}
