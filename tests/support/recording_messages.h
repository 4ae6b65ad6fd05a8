#pragma once

#include <deque>
#include <vector>

#include "base/messages.h"

// Stands in for the message boxes: records every message and answers questions from a
// script (Yes when the script is empty). Installs itself for its lifetime.
class RecordingMessages : public Messages
{
public:
    struct Shown
    {
        Kind kind;
        QString text;
        Buttons buttons;
    };

    RecordingMessages();
    ~RecordingMessages() override;

    Answer show(Kind kind, const QString &text, Buttons buttons) override;

    void answer(Answer next) { m_script.push_back(next); }
    const std::vector<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    QString last() const { return m_shown.empty() ? QString() : m_shown.back().text; }
    void clear() { m_shown.clear(); }

private:
    std::deque<Answer> m_script;
    std::vector<Shown> m_shown;
    Messages *m_previous = nullptr;
};
