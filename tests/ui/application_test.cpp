// An engine failure inside an event handler ends that handler and reaches the user as
// the standard error box, instead of crossing the event loop.
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "support/recording_messages.h"

TEST(ApplicationObject, EngineFailureInAHandlerBecomesAnErrorMessage)
{
    RecordingMessages messages;
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, [] { throw EngineError("Table Cash is not open"); });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, Messages::Kind::Error);
    EXPECT_EQ(messages.last(), "Table Cash is not open");

    // The program goes on: the next click is handled again.
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(messages.shown().size(), 2u);
}
