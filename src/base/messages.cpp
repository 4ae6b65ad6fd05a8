#include "messages.h"

#include <cstdio>

namespace {

// Without a user interface nothing can be confirmed, so a question is answered No.
class ConsoleMessages : public Messages
{
public:
    Answer show(Kind, const QString &text, Buttons buttons) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(QString(text).replace(QStringLiteral("\n\r"), QStringLiteral("\n"))));
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
};

Messages *g_installed = nullptr;

} // namespace

Messages &Messages::current()
{
    static ConsoleMessages console;
    return g_installed ? *g_installed : console;
}

void Messages::install(Messages *messages)
{
    g_installed = messages;
}

Messages *Messages::installed()
{
    return g_installed;
}
