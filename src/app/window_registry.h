#pragma once

#include <functional>
#include <map>

#include <QString>

class QWidget;
class Tdm1;
class TfrmMain;

// How the main window opens its secondary windows: each is registered under its class
// name ("TfrmCash") by the folder that builds it. A name with no entry opens nothing.
// The main window hides while the window is shown; the window brings it back through
// TfrmMain::ReturnToMainWindow when it closes.
class WindowRegistry
{
public:
    // Creates and returns the window to show, or nullptr when the action shows none
    // itself (the update check opens the browser).
    using Opener = std::function<QWidget *(Tdm1 &dm, TfrmMain &main)>;

    void add(const QString &name, Opener opener) { m_openers[name] = std::move(opener); }
    bool contains(const QString &name) const { return m_openers.count(name) > 0; }
    const Opener *find(const QString &name) const;

private:
    std::map<QString, Opener> m_openers;
};
