#pragma once

#include <QPoint>
#include <QString>

class ClickLabel;
class QLabel;
class QWidget;
class SectionFrame;
class WindowRegistry;

// Registers the about, backup and restore windows under their class names.
void addMaintenanceWindows(WindowRegistry &registry);

// What those windows share: the name and caption of their class ("TfrmInfo": frmInfo, with
// the caption of the window catalogue), plain labels and the
// link to the product's web site at the bottom left.
void nameWindow(SectionFrame *window, const char *className);
QLabel *addLabel(QWidget *window, const QString &text, QPoint position, int pixels = 12);
ClickLabel *addWebSiteLink(QWidget *window);
