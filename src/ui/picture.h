#pragma once

#include "click_label.h"

// One picture of the artwork, named like its control, at its own size. The artwork is
// painted when the picture is first shown: hover pictures, inactive pages and the login's
// pictures cost nothing until they appear.
class Picture : public ClickLabel
{
    Q_OBJECT

public:
    Picture(const QString &name, QWidget *parent, QPoint position = {});

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_painted = false;
};
