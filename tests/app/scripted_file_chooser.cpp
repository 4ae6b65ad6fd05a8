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
