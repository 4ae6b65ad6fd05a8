#pragma once

#include <QString>

// The one way the program shows a message box. Production shows a QMessageBox; tests
// install a recorder that answers from a script, since a modal box would block them.
// This header names no widget, so the data and totals layers may take a Messages&.
class Messages
{
public:
    enum class Kind { Error, Warning, Information, Confirmation };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Messages() = default;
    virtual Answer show(Kind kind, const QString &text, Buttons buttons = Buttons::Ok) = 0;

    // The messages in use: the message boxes unless a test installed its own.
    static Messages &current();
    static void install(Messages *messages);
};
