// Handlers run through the guarded call: a failure ends the handler with its message and
// never reaches Qt's signal machinery.
#include <stdexcept>

#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

#include "base/guarded.h"
#include "base/messages.h"
#include "support/recording_messages.h"

namespace {

TEST(GuardedHandler, AFailureEndsTheHandlerWithItsMessage)
{
    RecordingMessages messages;
    bool after = false;
    EXPECT_FALSE(guarded([&] {
        throw std::runtime_error("The database is not connected");
        after = true;
    }));
    EXPECT_FALSE(after);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, Messages::Kind::Error);
    EXPECT_EQ(messages.last(), "The database is not connected");

    EXPECT_TRUE(guarded([] {}));
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST(GuardedHandler, PassesTheSignalsArgumentsOnOrDropsThem)
{
    RecordingMessages messages;
    QObject sender;
    QString received;
    int calls = 0;
    QObject::connect(&sender, &QObject::objectNameChanged, &sender,
                     guard([&](const QString &name) { received = name; }));
    QObject::connect(&sender, &QObject::objectNameChanged, &sender, guard([&] { ++calls; }));
    QObject::connect(&sender, &QObject::objectNameChanged, &sender,
                     guard([](const QString &) { throw std::runtime_error("refused"); }));
    sender.setObjectName(QStringLiteral("btnOK"));
    EXPECT_EQ(received, "btnOK");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(messages.texts(), QStringList{"refused"});
}

TEST(GuardedHandler, WithoutAnInstalledBoxAQuestionIsAnsweredNo)
{
    Messages *installed = Messages::installed();
    Messages::install(nullptr);
    EXPECT_EQ(Messages::current().show(Messages::Kind::Warning, "Delete?", Messages::Buttons::YesNo),
              Messages::Answer::No);
    Messages::install(installed);
}

} // namespace
