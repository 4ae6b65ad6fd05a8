#pragma once

#include <QApplication>

// The application object. An engine failure escaping an event handler ends that handler
// and is shown in the standard error box; it never crosses the event loop.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
