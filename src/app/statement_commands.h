#pragma once

class OverviewPage;
class StatementPage;
class TfrmMain;

// The main window's commands beyond its picture buttons: on the Overview's statement list
// a context menu and shortcuts to copy the selected statement as of today (Ctrl+D) and to
// compare it with the person's most recent other statement (Ctrl+K) and to set the date it
// is made as of (Ctrl+T); on the Financial
// Statement page a button and shortcut (Ctrl+R) for the readiness check.
void addBeyondCommands(TfrmMain &main, OverviewPage &overview, StatementPage &statement);
