// The password window: what it accepts and what it keeps open with a reason.
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "print/engine/password_dialog.h"

using namespace Report;

TEST(PasswordDialogTest, AcceptsOnlyAPasswordItsRequestAllows)
{
    const QString differ = QStringLiteral("The two passwords differ; type them again.");
    const QString missing = QStringLiteral("Type the password.");
    const struct
    {
        bool twice;
        bool mayBeEmpty;
        QString typed;
        QString repeated;
        QString problem;
    } cases[] = {
        {false, false, QStringLiteral("s3cret"), {}, {}},
        {false, false, {}, {}, missing},
        {false, true, {}, {}, {}},
        {true, false, QStringLiteral("s3cret"), QStringLiteral("s3cret"), {}},
        {true, false, QStringLiteral("s3cret"), QStringLiteral("s3cre"), differ},
        {true, false, QStringLiteral("s3cret"), QStringLiteral("S3cret"), differ},
        {true, true, {}, {}, {}},
        {true, true, QStringLiteral("s3cret"), {}, differ},
        {true, true, {}, QStringLiteral("s3cret"), differ},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 '%3' '%4'").arg(c.twice).arg(c.mayBeEmpty).arg(c.typed, c.repeated).toStdString());
        PasswordDialog dialog({QStringLiteral("Password"), QStringLiteral("Why"), c.twice, c.mayBeEmpty});
        dialog.show();
        auto *password = dialog.findChild<QLineEdit *>(QStringLiteral("edPassword"));
        auto *repeat = dialog.findChild<QLineEdit *>(QStringLiteral("edRepeat"));
        ASSERT_NE(password, nullptr);
        ASSERT_EQ(repeat != nullptr, c.twice);
        EXPECT_EQ(password->echoMode(), QLineEdit::Password);
        QTest::keyClicks(password, c.typed);
        if (repeat)
            QTest::keyClicks(repeat, c.repeated);
        QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.problem.isEmpty());
        EXPECT_EQ(dialog.isVisible(), !c.problem.isEmpty());
        EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("lblProblem"))->text(), c.problem);
        if (c.problem.isEmpty())
            EXPECT_EQ(dialog.password(), c.typed);
    }
}
