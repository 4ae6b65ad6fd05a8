#include "section_frame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "typed_control.h"
#include "picture.h"

namespace {

constexpr int Margin = 14;

QLabel *headerLabel(const QString &name, int pixels, Qt::Alignment alignment, QWidget *parent)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

SectionFrame::SectionFrame(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Width, Height);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    new Picture(QStringLiteral("imSectionBackground"), this);

    m_caption = headerLabel(QStringLiteral("lblCaption"), 18, Qt::AlignLeft | Qt::AlignVCenter, this);
    m_fullName = headerLabel(QStringLiteral("lblFullName2"), 15, Qt::AlignRight | Qt::AlignVCenter, this);
    m_fullName->hide();
    m_asOf = headerLabel(QStringLiteral("lblStatementDate"), 12, Qt::AlignRight | Qt::AlignVCenter, this);
    QFont plain = m_asOf->font();
    plain.setBold(false);
    m_asOf->setFont(plain);
    m_asOf->hide();
    placeHeaderLabels();
}

void SectionFrame::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    m_caption->setText(caption);
    placeHeaderLabels();
}

void SectionFrame::setFullName(const QString &fullName)
{
    m_fullName->setText(fullName);
}

void SectionFrame::showFullName(bool show)
{
    m_fullName->setVisible(show);
    m_asOf->setVisible(show && !m_asOf->text().isEmpty());
    placeHeaderLabels();
}

void SectionFrame::showStatement(const StatementName &statement)
{
    m_fullName->setText(statement.holder);
    m_asOf->setText(statement.date.isEmpty() ? QString() : QStringLiteral("as of ") + statement.date);
    showFullName(true);
}

QPushButton *SectionFrame::addButton(const char *name, const QString &text, QPoint position)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(QRect(position, QSize(75, 25)));
    // These buttons check the typing before they store or leave, and report it themselves.
    static const QStringList checking = {QStringLiteral("btnOK"), QStringLiteral("btnNext"),
                                         QStringLiteral("btnPrevious"), QStringLiteral("btnClose")};
    if (checking.contains(button->objectName()))
        button->setProperty(TypedControl::ChecksTypingProperty, true);
    return button;
}

// The caption takes the width of its text and the name the rest of the band, so a long
// name never runs over the caption.
void SectionFrame::placeHeaderLabels()
{
    const int captionWidth =
        std::min(m_caption->fontMetrics().horizontalAdvance(m_caption->text()) + 4, Width - 2 * Margin);
    m_caption->setGeometry(Margin, 0, captionWidth, HeaderHeight);
    const int nameLeft = Margin + captionWidth + 12;
    const int nameWidth = std::max(0, Width - Margin - nameLeft);
    // With a date the name stands above it, else in the middle of the band.
    if (m_asOf->isVisibleTo(this)) {
        m_fullName->setGeometry(nameLeft, 2, nameWidth, 21);
        m_asOf->setGeometry(nameLeft, 23, nameWidth, 15);
    } else {
        m_fullName->setGeometry(nameLeft, 0, nameWidth, HeaderHeight);
    }
}

void SectionFrame::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void SectionFrame::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}
