#include "recording_shell.h"

RecordingShell::RecordingShell() : m_previous(Shell::installed())
{
    Shell::install(this);
}

RecordingShell::~RecordingShell()
{
    Shell::install(m_previous);
}

bool RecordingShell::openUrl(const QString &address)
{
    m_addresses << address;
    return m_browserPresent;
}

QString RecordingShell::chooseFolder(const QString &title, const QString &startFolder)
{
    m_choosers.push_back({title, startFolder});
    if (m_choices.empty())
        return {};
    const QString next = m_choices.front();
    m_choices.pop_front();
    return next;
}
