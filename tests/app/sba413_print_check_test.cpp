// The print window as the program opens it: SBA Form 413 checked by the form's own rule.
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/program_windows.h"
#include "print/tfrm_print.h"
#include "sections/readiness_window.h"
#include "support/print/print_window_fixture.h"
#include "ui/window_registry.h"

namespace {

class Sba413PrintCheckTest : public StatementTest
{
};

TEST_F(Sba413PrintCheckTest, TheFormIsCheckedForItselfAndItsLastCurrentDayIsShown)
{
    addFilledStatement(true); // dated 03/15/2024
    select();
    WindowRegistry registry;
    addProgramWindows(registry);
    RecordingNavigator navigator;
    QPointer<TfrmPrint> window(qobject_cast<TfrmPrint *>((*registry.find(QStringLiteral("TfrmPrint")))(*dm, navigator)));
    ASSERT_TRUE(window);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    auto *sba413 = window->findChild<QRadioButton *>(QStringLiteral("rbSba413"));
    ASSERT_NE(sba413, nullptr);
    QTest::mouseClick(sba413, Qt::LeftButton, {}, {10, 8});
    ASSERT_TRUE(sba413->isChecked());
    // 120 days after the statement's date.
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("lblCurrentUntil"))->text(), "current until 07/13/2024");

    // Long past those days: the panel lists what the form needs instead of printing.
    window->imPreview_UpClick();
    auto *panel = window->findChild<ReadinessPanel *>();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->form(), ReadinessForm::Sba413);
    EXPECT_FALSE(panel->findings().empty());
    EXPECT_EQ(window->pageObjectCount(), 0);
    delete window;
}

} // namespace
