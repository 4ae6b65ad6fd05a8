#pragma once

#include "ui/section_frame.h"

class Navigator;
class QLabel;

// The about window: the program's name, its maker and its version, and the link to the
// product's web site. It is left only through OK.
class TfrmInfo : public SectionFrame
{
    Q_OBJECT

public:
    explicit TfrmInfo(Navigator &navigator, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void btnOKClick();

    Navigator &m_navigator;
    QLabel *m_lblVersion;
};
