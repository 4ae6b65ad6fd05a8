#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "readiness/readiness.h"
#include "ui/section_frame.h"

class Navigator;
class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;
class Tdm1;

// The findings of the current statement, each with the button that goes where it is put
// right: the window of the finding, the Overview (to copy the statement as of today), or
// a recomputation of the totals. Shown on its own (TfrmReadiness) and over the print
// window before a statement is previewed or printed, where "Print anyway" goes on.
class ReadinessPanel : public QWidget
{
    Q_OBJECT

public:
    // With proceed set, the panel offers "Print anyway" (which calls it) and "Back";
    // without, it only lists.
    ReadinessPanel(Tdm1 &dm, Navigator &navigator, QWidget *window, std::function<void()> proceed = {},
                   QWidget *parent = nullptr, ReadinessForm form = ReadinessForm::Statement);

    const std::vector<ReadinessFinding> &findings() const { return m_findings; }
    ReadinessForm form() const { return m_form; }
    // Checks the statement for the form from now on, and lists what is found.
    void setForm(ReadinessForm form);
    // Checks the statement again and lists what is found.
    void refresh();

    // The check a print window makes before a statement is previewed or printed: when
    // something is found, it lays the panel over the window and answers true; proceed runs
    // on "Print anyway".
    static std::function<bool(std::function<void()> proceed)> checkBeforePrinting(QWidget *window, Tdm1 &dm,
                                                                                   Navigator &navigator);
    // The same check for the form about to be printed.
    static std::function<bool(ReadinessForm form, std::function<void()> proceed)>
    checkFormBeforePrinting(QWidget *window, Tdm1 &dm, Navigator &navigator);

private:
    void fix(const ReadinessFinding &finding);

    Tdm1 &m_dm;
    Navigator &m_navigator;
    QWidget *m_window;
    std::function<void()> m_proceed;
    ReadinessForm m_form;
    std::vector<ReadinessFinding> m_findings;
    QLabel *m_summary = nullptr;
    QWidget *m_rows = nullptr;
    QVBoxLayout *m_rowsLayout = nullptr;
};

// The readiness check on demand, from the Financial Statement page.
class TfrmReadiness : public SectionFrame
{
    Q_OBJECT

public:
    TfrmReadiness(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);

    ReadinessPanel *panel() const { return m_panel; }
    void btnCloseClick();

private:
    Tdm1 &m_dm;
    Navigator &m_navigator;
    ReadinessPanel *m_panel;
    QComboBox *m_form = nullptr;
};
