// The main() of every test executable: the program's own application object, offscreen,
// then GoogleTest. A message box that no test expects fails the test that showed it
// instead of blocking the run.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "ui/application.h"

namespace {

class UnexpectedMessages : public Messages
{
public:
    Answer show(Kind, const QString &text, Buttons) override
    {
        ADD_FAILURE() << "unexpected message: " << text.toStdString();
        return Answer::No;
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    UnexpectedMessages unexpected;
    Messages::install(&unexpected);
    Application app(argc, argv);
    const int result = RUN_ALL_TESTS();
    Messages::install(nullptr);
    return result;
}
