#pragma once

#include <QWidget>

#include "data/statement_name.h"

class QLabel;
class QPushButton;

// The common frame of the secondary windows (sections, backup, restore, about, print):
// a fixed 553 x 447 client area centred on the screen, no title-bar buttons, the section
// background, a caption at the top left and, when asked, the statement's name at the top
// right, with the date the statement is made as of under it. These windows are left only through their own buttons, so a close request from
// the window system is refused; close() from code closes, and the window deletes itself.
class SectionFrame : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Width = 553;
    static constexpr int Height = 447;
    // The band at the top that holds the caption and the name.
    static constexpr int HeaderHeight = 40;
    // Where the row of buttons along the bottom stands.
    static constexpr int ButtonRow = 392;

    explicit SectionFrame(QWidget *parent = nullptr);

    // The window title and the large caption at the top left.
    void setCaption(const QString &caption);
    // The statement's FullName2 at the top right; hidden until showFullName(true).
    void setFullName(const QString &fullName);
    void showFullName(bool show);
    // The statement's name and, under it, "as of" its date; shown at once.
    void showStatement(const StatementName &statement);
    // A button of the windows' common size (75 x 25), named, at its place.
    QPushButton *addButton(const char *name, const QString &text, QPoint position);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void placeHeaderLabels();

    QLabel *m_caption;
    QLabel *m_fullName;
    QLabel *m_asOf;
};
