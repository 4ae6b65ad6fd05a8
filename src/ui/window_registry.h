#pragma once

#include <functional>
#include <map>

#include <QString>

class Navigator;
class QWidget;
class Tdm1;

// How the main window creates its secondary windows: each is registered under its class
// name ("TfrmCash") by the folder that builds it. A name with no entry opens nothing.
class WindowRegistry
{
public:
    // Creates the window to show, or returns nullptr when the action shows none itself.
    using Opener = std::function<QWidget *(Tdm1 &dm, Navigator &navigator)>;

    void add(const QString &name, Opener opener) { m_openers[name] = std::move(opener); }
    // Registers a window class made from the data module and the navigator.
    template <class Window>
    void add(const char *className)
    {
        add(QString::fromLatin1(className), [](Tdm1 &dm, Navigator &navigator) -> QWidget * {
            return new Window(dm, navigator);
        });
    }
    bool contains(const QString &name) const { return m_openers.count(name) > 0; }
    const Opener *find(const QString &name) const;

private:
    std::map<QString, Opener> m_openers;
};
