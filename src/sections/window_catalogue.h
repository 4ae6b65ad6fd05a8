#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "data/statement_window.h"

// Every secondary window, once: its class, caption and family, the link of the main
// window's Financial Statement page and the clickable totals of its Overview that open it,
// and its neighbours in the walk of Next and Previous. The main window's links, totals and
// the walk all read this table.
enum class WindowFamily {
    PersonalInformation, // the first window: where a statement comes into being
    Particulars,         // the person's employment and contacts
    Spouse,              // the spouse's three windows, for joint statements only
    List,                // the seventeen list-and-detail windows
    Legal,
    Other,               // print, about, backup, restore and the windows beside them
};

struct CatalogueEntry
{
    const char *className;
    const char *caption;
    WindowFamily family;
    StatementWindow window = StatementWindow::None; // how the layers below name it
    const char *link = nullptr;        // the Financial Statement page's link control
    const char *linkCaption = nullptr; // its text
    int linkRow = -1;                  // its row on the page, from the top
    QStringList totals = {};           // the Overview's clickable totals that open it
    const char *next = nullptr;        // null: no Next button
    const char *previous = nullptr;    // null: no Previous button
    // Where the walk goes instead on a joint statement (the spouse's windows); null: the same.
    const char *nextJoint = nullptr;
    const char *previousJoint = nullptr;
};

const std::vector<CatalogueEntry> &windowCatalogue();
// The entry of a window class, a page link or a clickable total; null for any other name.
const CatalogueEntry *findWindow(const QString &name);
// The entry of a window named by the layers below the windows; null for None.
const CatalogueEntry *findWindow(StatementWindow window);
// The window Next (Previous) opens from this one; empty text where there is none.
QString nextWindow(const CatalogueEntry &entry, bool joint);
QString previousWindow(const CatalogueEntry &entry, bool joint);
// Whether the window edits the statement's own Client row (the particulars windows).
bool editsClientRow(const QString &className);
