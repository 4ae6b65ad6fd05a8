#pragma once

#include <QString>

#include "sections/section_list_editor.h"
#include "support/app/main_window_fixture.h"

class QPushButton;

// The main window past the login on a statement "Ann Q. Avery" (Id 1) with its totals row,
// and the list windows opened as a user opens them.
class ListWindowTest : public MainWindowTest
{
protected:
    void SetUp() override;

    // Opens a window from the Financial Statement page's link.
    SectionListEditor *openFromLink(const QString &link);
    SectionListEditor *window() const;
    void clickButton(const QString &name);
    // Types into the control bound to the field: keys into an edit or a list's edit.
    void typeInto(const QString &field, const QString &text);
    // Types text into a field or a list's edit, replacing what it shows.
    static void typeIn(QWidget *control, const QString &text);
    QString totalLabel() const;
    double storedTotal(const QString &field);
    // The window that is shown now, after a step of the walk.
    QString shownClass() const;
    QWidget *shown() const { return main->shownWindow(); }
    // The control of the shown window bound to the field.
    QWidget *control(const QString &field) const;
};
