#pragma once

#include <stdexcept>

#include <QString>

// A refused export, import or merge. The message names what is wrong and where (the file,
// and inside a statement file the JSON path), for the user's eyes.
class ExchangeError : public std::runtime_error
{
public:
    explicit ExchangeError(const QString &message);

    QString message() const { return m_message; }

private:
    QString m_message;
};
