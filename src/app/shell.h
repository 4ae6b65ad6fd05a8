#pragma once

#include <QString>

// What the program asks of the desktop: its own version, a web page opened in the user's
// browser, a folder chosen by the user. The production shell uses the desktop; tests install
// their own, since a browser or a modal chooser cannot be driven from a test.
class Shell
{
public:
    virtual ~Shell() = default;

    // True when the desktop took the address (it need not be reachable).
    virtual bool openUrl(const QString &address) = 0;
    // The chosen folder, or empty text when the user cancelled.
    virtual QString chooseFolder(const QString &title, const QString &startFolder) = 0;

    // The installed shell, or the desktop's when none is installed.
    static Shell &current();
    static void install(Shell *shell);
    static Shell *installed();
};

// The build's four-part version, or "No version information found" when none is compiled in.
QString GetProgramVersion();
bool OpenWebPage(const QString &address);
// Cancelling gives empty text; an empty start folder opens the chooser at its default place.
QString BrowseForFolder(const QString &title, const QString &startFolder);

// The product site's front page, opened by the web-site links.
QString WebSiteAddress();
// Where the update check sends the version; the site answers in the browser.
QString UpdateCheckAddress(const QString &version);
