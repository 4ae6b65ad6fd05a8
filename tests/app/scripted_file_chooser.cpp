#include "scripted_file_chooser.h"

QString ScriptedFileChooser::saveFile(const QString &title, const QString &suggestedName, const QString &)
{
    titles << title + QStringLiteral(" / ") + suggestedName;
    return next();
}

QString ScriptedFileChooser::openFile(const QString &title, const QString &)
{
    titles << title;
    return next();
}

QString ScriptedFileChooser::next()
{
    if (answers.empty())
        return {};
    const QString answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedFileChooser::newPassword(const QString &title, const QString &)
{
    titles << QStringLiteral("new password / ") + title;
    return nextPassword(QString());
}

std::optional<QString> ScriptedFileChooser::password(const QString &title, const QString &text)
{
    titles << QStringLiteral("password / ") + title + QStringLiteral(" / ") + text;
    return nextPassword(std::nullopt);
}

std::optional<QString> ScriptedFileChooser::nextPassword(std::optional<QString> whenDry)
{
    if (passwords.empty())
        return whenDry;
    const std::optional<QString> answer = passwords.front();
    passwords.pop_front();
    return answer;
}
