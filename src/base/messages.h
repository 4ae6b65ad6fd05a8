#pragma once

#include <QString>

// The one way the program shows a message box. The toolkit layer installs the real boxes;
// tests install a recorder that answers from a script, since a modal box would block them.
// Nothing here names a widget, so every layer may show a message.
class Messages
{
public:
    enum class Kind { Error, Warning, Information, Confirmation };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Messages() = default;
    virtual Answer show(Kind kind, const QString &text, Buttons buttons = Buttons::Ok) = 0;

    // The messages in use: the installed ones, or, before anything is installed, a fallback
    // that writes the text to the console and answers every question with No.
    static Messages &current();
    static void install(Messages *messages);
    static Messages *installed();
};
