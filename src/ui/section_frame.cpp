#include "section_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "picture.h"
#include "typed_control.h"
#include "window_keys.h"
#include "window_sizes.h"

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
    m_background = new Picture(QStringLiteral("imSectionBackground"), this);
    m_anchors = new Anchors(this, {Width, Height});
    m_anchors->add(m_background, Anchors::Grows);
    new WindowKeys(
        this, [this] { return escapeButton(); }, [this] { return defaultButton(); });

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
    // The row along the bottom follows the bottom right corner of a window made larger.
    if (position.y() == ButtonRow)
        m_anchors->add(button, Anchors::FollowsBottomRight);
    if (button->objectName() == QLatin1String("btnOK") && !m_defaultButton)
        button->setDefault(true);
    return button;
}

void SectionFrame::setResizable(const QString &kind, QSize defaultSize)
{
    m_kind = kind;
    setMinimumSize(defaultSize);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The walk opens the next window while this one is still shown: it takes its size.
    QSize size = WindowSizes::remembered(kind, defaultSize, this);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        const auto *other = qobject_cast<const SectionFrame *>(window);
        if (other && other != this && other->m_kind == kind && other->isVisible() && !other->m_closed)
            size = other->size();
    }
    resize(size);
}

void SectionFrame::anchor(QWidget *control, Anchors::Anchor anchor)
{
    m_anchors->add(control, anchor);
}

void SectionFrame::setDefaultButton(QPushButton *button)
{
    for (QPushButton *other : findChildren<QPushButton *>())
        other->setDefault(false);
    m_defaultButton = button;
    if (button)
        button->setDefault(true);
}

QAbstractButton *SectionFrame::firstButton(std::initializer_list<const char *> names) const
{
    for (const char *name : names) {
        auto *button = findChild<QAbstractButton *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (button && button->isVisibleTo(this) && button->isEnabled())
            return button;
    }
    return nullptr;
}

QAbstractButton *SectionFrame::escapeButton() const
{
    return m_escapeButton ? m_escapeButton : firstButton({"btnCancel", "btnClose", "btnOK"});
}

QAbstractButton *SectionFrame::defaultButton() const
{
    return m_defaultButton ? m_defaultButton : firstButton({"btnOK"});
}

bool SectionFrame::leaveKeepingInput()
{
    if (m_closed)
        return true;
    WindowKeys::press(firstButton({"btnClose", "btnOK"}));
    return m_closed;
}

// The caption takes the width of its text and the name the rest of the band, so a long
// name never runs over the caption.
void SectionFrame::placeHeaderLabels()
{
    const int captionWidth =
        std::min(m_caption->fontMetrics().horizontalAdvance(m_caption->text()) + 4, width() - 2 * Margin);
    m_caption->setGeometry(Margin, 0, captionWidth, HeaderHeight);
    const int nameLeft = Margin + captionWidth + 12;
    const int nameWidth = std::max(0, width() - Margin - nameLeft);
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
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (isResizable() && !m_closed)
        WindowSizes::remember(m_kind, size());
    m_closed = true;
}

void SectionFrame::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeHeaderLabels();
}
