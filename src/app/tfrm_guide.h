#pragma once

#include <QWidget>

class QTextBrowser;

// The user guide, shipped inside the program: an ordinary, resizable window that stands
// beside the others, so the user can read while working in any of them. There is one guide
// window at a time; it deletes itself when closed.
class TfrmGuide : public QWidget
{
    Q_OBJECT

public:
    // Where the guide's text lies among the program's resources.
    static const QString Source;

    explicit TfrmGuide(QWidget *parent = nullptr);

    QTextBrowser *browser() const { return m_tbGuide; }
    // Shows the guide at the heading with that anchor ("backup"); the contents when empty.
    void showTopic(const QString &anchor);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTextBrowser *m_tbGuide;
};

// Opens the guide (or brings the one open to the front) beside parent's window, at the
// heading with that anchor; what Help and F1 call.
TfrmGuide *openUserGuide(QWidget *parent, const QString &anchor = {});
