#pragma once

#include "click_label.h"

// One picture of the artwork, named like its control, at its own size. The artwork is
// painted when the picture is first shown: hover pictures, inactive pages and the login's
// pictures cost nothing until they appear. A window's background is painted again at the
// window's size when the window is resized.
class Picture : public ClickLabel
{
    Q_OBJECT

public:
    Picture(const QString &name, QWidget *parent, QPoint position = {});

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The artwork's name, kept when the control is named otherwise.
    QString m_artwork;
    bool m_painted = false;
};
