#pragma once

#include <QWidget>

#include "anchors.h"
#include "data/statement_name.h"

class QAbstractButton;
class QLabel;
class QPushButton;
class Picture;

// The common frame of the secondary windows (sections, backup, restore, about, print):
// a 553 x 447 client area centred on the screen, no title-bar buttons, the section
// background, a caption at the top left and, when asked, the statement's name at the top
// right, with the date the statement is made as of under it. These windows are left only through their own buttons, so a close request from
// the window system is refused; close() from code closes, and the window deletes itself.
// Esc presses Cancel (or Close, or the OK of a window with nothing else), Enter in a field
// the default button (OK unless the window names another). A window may let the user
// resize it: its controls then keep their places unless anchored to grow or move, the
// buttons along the bottom follow the bottom right corner, and the size is kept for the
// next time a window of its kind opens.
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

    // Lets the user resize the window from its default size up; windows of one kind share
    // the size kept for them. Called once the controls stand at their places.
    void setResizable(const QString &kind, QSize defaultSize = {Width, Height});
    bool isResizable() const { return !m_kind.isEmpty(); }
    // How a control moves or grows with the room beyond the default size.
    void anchor(QWidget *control, Anchors::Anchor anchor);

    // The buttons Esc and Enter press; by default Cancel, else Close, else OK for Esc, and
    // OK for Enter.
    void setEscapeButton(QAbstractButton *button) { m_escapeButton = button; }
    void setDefaultButton(QPushButton *button);
    QAbstractButton *escapeButton() const;
    QAbstractButton *defaultButton() const;
    // Leaves the window through its button that keeps what was typed (Close, else OK), with
    // the checks that button runs. True when the window has gone; false when a check kept
    // it open (and told the user why).
    bool leaveKeepingInput();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeHeaderLabels();
    QAbstractButton *firstButton(std::initializer_list<const char *> names) const;

    Picture *m_background;
    QLabel *m_caption;
    QLabel *m_fullName;
    QLabel *m_asOf;
    Anchors *m_anchors;
    QString m_kind;
    QAbstractButton *m_escapeButton = nullptr;
    QPushButton *m_defaultButton = nullptr;
    bool m_closed = false;
};
