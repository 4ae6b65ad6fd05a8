// The application object: the last-resort catch, the program's font and password echo,
// and the message boxes.
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "ui/message_boxes.h"
#include "support/recording_messages.h"

TEST(ApplicationObject, EngineFailureInAHandlerBecomesAnErrorMessage)
{
    RecordingMessages messages;
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, &button, [] { throw EngineError("Table Cash is not open"); });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, Messages::Kind::Error);
    EXPECT_EQ(messages.last(), "Table Cash is not open");

    // The program goes on: the next click is handled again.
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(messages.shown().size(), 2u);
}

TEST(ApplicationObject, EveryWindowWritesInArialAtFifteenPixelsAndPasswordsEchoStars)
{
    const QFont font = QApplication::font();
    EXPECT_EQ(font.pixelSize(), 15);
    // Arial is resolved to its metric twin, not to a wider fallback face.
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");

    QLineEdit password;
    password.setEchoMode(QLineEdit::Password);
    password.setText("secret");
    EXPECT_EQ(password.displayText(), "******");

    const auto box = MessageBoxes::build(Messages::Kind::Warning, "x", Messages::Buttons::Ok);
    EXPECT_EQ(QFontInfo(box->font()).family(), "Liberation Sans");
}

TEST(MessageBoxAdapter, ShowsTheTextWithItsIconAndButtons)
{
    const struct
    {
        Messages::Kind kind;
        QMessageBox::Icon icon;
    } kinds[] = {{Messages::Kind::Error, QMessageBox::Critical},
                 {Messages::Kind::Warning, QMessageBox::Warning},
                 {Messages::Kind::Information, QMessageBox::Information},
                 {Messages::Kind::Confirmation, QMessageBox::Question}};
    for (const auto &k : kinds) {
        const auto box = MessageBoxes::build(k.kind, "Line one.\n\rLine two.", Messages::Buttons::Ok);
        EXPECT_EQ(box->icon(), k.icon);
        // The pair of line feed and carriage return is one line break on screen.
        EXPECT_EQ(box->text(), "Line one.\nLine two.");
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    }
    const auto question = MessageBoxes::build(Messages::Kind::Warning, "Delete?", Messages::Buttons::YesNo);
    EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question->textFormat(), Qt::PlainText);
}

TEST(MessageBoxAdapter, AnswersWithTheButtonTheUserPressed)
{
    MessageBoxes boxes;
    for (const auto &[button, answer] : {std::pair{QMessageBox::Yes, Messages::Answer::Yes},
                                         std::pair{QMessageBox::No, Messages::Answer::No}}) {
        // The box is modal: press its button once it is up.
        QTimer::singleShot(0, qApp, [button = button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->button(button)->click();
        });
        EXPECT_EQ(boxes.show(Messages::Kind::Warning, "Delete?", Messages::Buttons::YesNo), answer);
    }
}
