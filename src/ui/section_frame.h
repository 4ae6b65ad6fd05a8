#pragma once

#include <QWidget>

class QLabel;

// The common frame of the secondary windows (sections, backup, restore, about, print):
// a fixed 553 x 447 client area centred on the screen, no title-bar buttons, the section
// background, a caption at the top left and, when asked, the statement's name at the top
// right. The window deletes itself when closed.
class SectionFrame : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Width = 553;
    static constexpr int Height = 447;

    explicit SectionFrame(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    void setFullName(const QString &fullName);
    void showFullName(bool show);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_caption;
    QLabel *m_fullName;
};
