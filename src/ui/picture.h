#pragma once

#include "click_label.h"

// One picture of the artwork, named like its control, at its own size.
class Picture : public ClickLabel
{
    Q_OBJECT

public:
    Picture(const QString &name, QWidget *parent, QPoint position = {});
};
