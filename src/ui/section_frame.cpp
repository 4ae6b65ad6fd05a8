#include "section_frame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "picture.h"

SectionFrame::SectionFrame(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Width, Height);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    new Picture(QStringLiteral("imSectionBackground"), this);

    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPixelSize(18);
    captionFont.setBold(true);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lblCaption"));
    m_caption->setFont(captionFont);
    m_caption->setStyleSheet(QStringLiteral("color: white;"));
    m_caption->setGeometry(14, 0, 300, 40);
    m_caption->setTextFormat(Qt::PlainText);

    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPixelSize(15);
    nameFont.setBold(true);
    m_fullName = new QLabel(this);
    m_fullName->setObjectName(QStringLiteral("lblFullName2"));
    m_fullName->setFont(nameFont);
    m_fullName->setStyleSheet(QStringLiteral("color: white;"));
    m_fullName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_fullName->setGeometry(Width - 254, 0, 240, 40);
    m_fullName->setTextFormat(Qt::PlainText);
    m_fullName->hide();
}

void SectionFrame::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    m_caption->setText(caption);
}

void SectionFrame::setFullName(const QString &fullName)
{
    m_fullName->setText(fullName);
}

void SectionFrame::showFullName(bool show)
{
    m_fullName->setVisible(show);
}

void SectionFrame::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
