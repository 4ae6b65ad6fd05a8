#pragma once

#include <QApplication>

// The application object: the program's font (Arial, which fontconfig resolves to
// Liberation Sans, at 15 pixels) for every window, message box and list; password edits
// echo '*'. An exception escaping an event handler that the guarded call did not catch is
// shown in the standard error box as a last resort; it never crosses the event loop.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
