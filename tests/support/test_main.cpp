// The main() of every test executable: the program's own application object, offscreen,
// then GoogleTest. A message box that no test expects fails the test that showed it
// instead of blocking the run. The window sizes the program keeps go to a temporary
// configuration folder, emptied before every test: no test sees the sizes another left,
// and none touches the user's own settings (children started by a test inherit it).
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

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

class FreshSettings : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo &) override { QSettings().clear(); }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configHome.path());
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
    UnexpectedMessages unexpected;
    Messages::install(&unexpected);
    Application app(argc, argv);
    const int result = RUN_ALL_TESTS();
    Messages::install(nullptr);
    return result;
}
