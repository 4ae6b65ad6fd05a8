#pragma once

#include <deque>

#include <QStringList>

#include "app/shell.h"

// Stands in for the browser and the folder chooser: records every address and chooser, takes
// the addresses as the desktop would (unless told it has no browser) and answers choosers
// from a script (cancel when the script is empty). Installs itself for its lifetime.
class RecordingShell : public Shell
{
public:
    struct Chooser
    {
        QString title;
        QString startFolder;
    };

    RecordingShell();
    ~RecordingShell() override;

    bool openUrl(const QString &address) override;
    QString chooseFolder(const QString &title, const QString &startFolder) override;

    void choose(const QString &folder) { m_choices.push_back(folder); }
    void setBrowserPresent(bool present) { m_browserPresent = present; }
    const QStringList &addresses() const { return m_addresses; }
    const std::vector<Chooser> &choosers() const { return m_choosers; }

private:
    bool m_browserPresent = true;
    QStringList m_addresses;
    std::deque<QString> m_choices;
    std::vector<Chooser> m_choosers;
    Shell *m_previous;
};
