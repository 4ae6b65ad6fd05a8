#pragma once

#include <memory>

#include "base/messages.h"

class QMessageBox;

// The program's messages as modal QMessageBoxes over the active window.
class MessageBoxes : public Messages
{
public:
    Answer show(Kind kind, const QString &text, Buttons buttons) override;

    // The box show() runs, built but not yet shown.
    static std::unique_ptr<QMessageBox> build(Kind kind, const QString &text, Buttons buttons);
};
