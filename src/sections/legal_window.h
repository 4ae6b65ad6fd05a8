#pragma once

#include "data/statement_window.h"
#include "ui/section_frame.h"

class Navigator;
class Tdm1;

// The ten yes-or-no questions that close a statement, five to a window, each with a free
// explanation. Both windows edit the statement's one Legal row, started by the first answer.
class LegalWindow : public SectionFrame
{
    Q_OBJECT

public:
    static const QString Note;

    // Shows the questions the legal questions' table puts on this window.
    LegalWindow(StatementWindow window, Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);

    // Stores the row when something was answered, with the statement's key.
    void UpdateLegal();
    void btnNextClick();
    void btnPreviousClick();
    void CloseToMain();

protected:
    void takeCatalogueCaption();

private:
    void leaveFor(const QString &target);

    Tdm1 &m_dm;
    Navigator &m_navigator;
    bool m_last;
};

class TfrmLegal : public LegalWindow
{
    Q_OBJECT

public:
    TfrmLegal(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
    void UpdateLegal1() { UpdateLegal(); }
};

class TfrmLegal2 : public LegalWindow
{
    Q_OBJECT

public:
    TfrmLegal2(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
    void UpdateLegal2() { UpdateLegal(); }
};

class WindowRegistry;
void addLegalWindows(WindowRegistry &registry);
