#pragma once

#include "ui/section_frame.h"

class DBEdit;
class Navigator;
class WindowRegistry;
class Tdm1;

// Where the date a statement is made as of (its totals row's Date) is set: a real date in
// mm/dd/yyyy form, today or before. Opened from the Overview's statement list and from the
// readiness finding about the date.
class TfrmStatementDate : public SectionFrame
{
    Q_OBJECT

public:
    TfrmStatementDate(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);

    DBEdit *dateEdit() const { return m_date; }
    void btnOKClick();
    void btnCancelClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Tdm1 &m_dm;
    Navigator &m_navigator;
    DBEdit *m_date;
};

void addStatementDateWindow(WindowRegistry &registry);
