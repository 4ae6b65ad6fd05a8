#pragma once

#include <deque>

#include <QStringList>

#include "app/statement_exchange_menu.h"

// Answers the file dialogs from a script, recording their titles; cancels when it runs dry.
class ScriptedFileChooser : public ExchangeFileChooser
{
public:
    ScriptedFileChooser() { install(this); }
    ~ScriptedFileChooser() override { install(nullptr); }
    QString saveFile(const QString &title, const QString &suggestedName, const QString &filter) override;
    QString openFile(const QString &title, const QString &filter) override;

    std::deque<QString> answers;
    QStringList titles;

private:
    QString next();
};
