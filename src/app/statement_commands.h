#pragma once

class StatementPage;
class TfrmMain;

// The main window's commands beyond its picture buttons, on the statement selected in the
// list: copy it as of today, compare it with the person's most recent other statement, set
// the date it is made as of, check it is ready for the lender. The menu bar and the list's
// context menu run them (main_commands.cpp); the Financial Statement page has a button for
// the readiness check.
void copyStatement(TfrmMain &main);
void compareStatements(TfrmMain &main);
void setStatementDate(TfrmMain &main);
void checkReadiness(TfrmMain &main);
void addBeyondCommands(TfrmMain &main, StatementPage &statement);
