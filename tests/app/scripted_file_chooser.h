#pragma once

#include <deque>

#include <QStringList>

#include "app/statement_exchange_menu.h"

// Answers the file dialogs and the password windows from a script, recording their titles;
// when it runs dry it cancels, but for a new password, which it leaves empty (none).
class ScriptedFileChooser : public ExchangeFileChooser
{
public:
    ScriptedFileChooser() { install(this); }
    ~ScriptedFileChooser() override { install(nullptr); }
    QString saveFile(const QString &title, const QString &suggestedName, const QString &filter) override;
    QString openFile(const QString &title, const QString &filter) override;
    std::optional<QString> newPassword(const QString &title, const QString &text) override;
    std::optional<QString> password(const QString &title, const QString &text) override;

    std::deque<QString> answers;
    std::deque<std::optional<QString>> passwords;
    QStringList titles;

private:
    QString next();
    std::optional<QString> nextPassword(std::optional<QString> whenDry);
};
