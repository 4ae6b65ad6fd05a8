#pragma once

#include <vector>

#include <QKeySequence>

class TfrmMain;

// What a command needs before it runs: nothing (about, exit), the login passed, or also a
// statement selected in the list. Before the login only the first kind works.
enum class CommandNeed { Nothing, Login, Statement };

// One command of the main window. The menu bar, the statement list's context menu, the
// shortcuts and the tooltips of the pictures that do the same all read this one table;
// a command is added to the program by adding its row.
struct MainCommand
{
    const char *name;   // the action's object name
    const char *menu;   // the menu bar's menu that holds it
    const char *text;
    QKeySequence keys;  // empty: reached through the menu alone
    CommandNeed need;
    void (*run)(TfrmMain &main);
    bool inListMenu = false;      // also in the statement list's context menu
    bool separatorBefore = false; // begins a group in its menu
    const char *picture = nullptr; // the picture button that does the same, by name
};

const std::vector<MainCommand> &mainCommands();
