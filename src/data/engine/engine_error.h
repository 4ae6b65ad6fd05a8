#pragma once

#include <stdexcept>

#include <QString>

// The one exception type of the table engine. Its message is meant for the user's eyes:
// the application object shows it in the standard error box.
class EngineError : public std::runtime_error
{
public:
    explicit EngineError(const QString &message);

    QString message() const { return m_message; }

private:
    QString m_message;
};
