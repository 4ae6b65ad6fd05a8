#include "image_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

// A frame drawn over the pictures while the button has the keyboard focus; the mouse
// passes through it.
class FocusFrame : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        ClickLabel::paintFocusMark(painter, rect());
    }
};

} // namespace

ImageButton::ImageButton(QWidget *parent, QPoint position, const QString &normalName, const QString &hoverName,
                         const QString &whiteName)
    : QObject(parent), m_normal(new Picture(normalName, parent, position))
{
    setObjectName(normalName + QStringLiteral("Button"));
    if (!whiteName.isEmpty())
        m_white = new Picture(whiteName, parent, position);
    m_hover = new Picture(hoverName, parent, position);
    m_normal->raise();
    if (m_white)
        m_white->raise();
    m_hover->raise();
    m_hover->setCursor(Qt::PointingHandCursor);
    m_focusFrame = new FocusFrame(parent);
    m_focusFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_focusFrame->setGeometry(m_normal->geometry());
    m_focusFrame->hide();
    m_normal->setFocusPolicy(Qt::StrongFocus);
    m_normal->installEventFilter(this);
    connect(m_normal, &Picture::hovered, this, &ImageButton::normalHovered);
    connect(m_hover, &Picture::clicked, this, &ImageButton::clicked);
    rest();
}

void ImageButton::rest(bool active)
{
    m_hover->hide();
    m_normal->show();
    if (m_white)
        m_white->setVisible(active);
}

void ImageButton::showHover()
{
    if (!isEnabled())
        return;
    m_hover->show();
    m_hover->raise();
    if (m_focusFrame->isVisible())
        m_focusFrame->raise();
}

void ImageButton::setEnabled(bool enabled)
{
    for (Picture *picture : {m_normal, m_white, m_hover})
        if (picture)
            picture->setEnabled(enabled);
    if (!enabled)
        m_hover->hide();
}

void ImageButton::setName(const QString &name)
{
    for (Picture *picture : {m_normal, m_white, m_hover}) {
        if (!picture)
            continue;
        picture->setAccessibleName(name);
        picture->setToolTip(name);
    }
}

void ImageButton::showShortcut(const QKeySequence &shortcut)
{
    for (Picture *picture : {m_normal, m_white, m_hover})
        if (picture)
            picture->setToolTip(
                QStringLiteral("%1 (%2)").arg(picture->accessibleName(), shortcut.toString(QKeySequence::NativeText)));
}

std::vector<QWidget *> ImageButton::parts() const
{
    std::vector<QWidget *> all{m_normal, m_hover, m_focusFrame};
    if (m_white)
        all.push_back(m_white);
    return all;
}

bool ImageButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_normal)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        m_focusFrame->show();
        m_focusFrame->raise();
        break;
    case QEvent::FocusOut:
        m_focusFrame->hide();
        break;
    case QEvent::Hide:
        m_focusFrame->hide();
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            if (isEnabled())
                emit clicked();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
