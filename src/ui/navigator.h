#pragma once

#include <QString>

// How a secondary window reaches the main window: it opens its successor by class name
// ("TfrmInvestments") or goes back. The main window implements it, keeps track of the one
// window that is open and comes back by itself when that window goes away without a
// successor.
class Navigator
{
public:
    virtual ~Navigator() = default;

    // Creates and shows the window of that class; the main window stays hidden.
    virtual void open(const QString &className) = 0;
    // Shows the main window again on the page that was active.
    virtual void returnToMain() = 0;
    // Shows the main window again on its Overview page, whatever page was active.
    virtual void returnToOverview() = 0;
    // Closes the main window, which ends the program (after a backup or a restore, which
    // leave the database disconnected).
    virtual void endProgram() = 0;
};
