#include "recording_messages.h"

#include <QStringList>

RecordingMessages::RecordingMessages() : m_previous(Messages::installed())
{
    Messages::install(this);
}

RecordingMessages::~RecordingMessages()
{
    Messages::install(m_previous);
}

Messages::Answer RecordingMessages::show(Kind kind, const QString &text, Buttons buttons)
{
    m_shown.push_back({kind, text, buttons});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (m_script.empty())
        return Answer::Yes;
    const Answer next = m_script.front();
    m_script.pop_front();
    return next;
}

QStringList RecordingMessages::texts() const
{
    QStringList result;
    for (const Shown &s : m_shown)
        result << s.text;
    return result;
}
