#include "application.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>

#include "base/messages.h"
#include "click_label.h"
#include "message_boxes.h"

namespace {

QString captionName(QString text)
{
    text.remove(u'*');
    text.remove(u'&');
    text = text.trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    return text.trimmed();
}

class ProgramStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        // The style's own mark of a focused button is the outline of the default button:
        // the default button would show no change. The program's mark is drawn inside.
        const QStyle::State keyboardFocus = State_HasFocus | State_KeyboardFocusChange;
        if (element == CE_PushButton && (option->state & keyboardFocus) == keyboardFocus) {
            painter->save();
            ClickLabel::paintFocusMark(*painter, option->rect.adjusted(2, 2, -2, -2));
            painter->restore();
        }
    }

    void polish(QWidget *widget) override
    {
        QProxyStyle::polish(widget);
        // Enter on a focused button presses it, as Space does, in every window.
        if (auto *button = qobject_cast<QPushButton *>(widget))
            button->setAutoDefault(true);
        // A control is named for a screen reader by the caption that stands for it.
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            QWidget *buddy = label->buddy();
            if (buddy && buddy->accessibleName().isEmpty())
                buddy->setAccessibleName(captionName(label->text()));
        }
    }
};

} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Worthsheet"));
    setOrganizationName(QStringLiteral("Norvale"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    setFont(font);
    setStyle(new ProgramStyle);
    static MessageBoxes boxes;
    if (!Messages::installed())
        Messages::install(&boxes);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        Messages::current().show(Messages::Kind::Error, QString::fromUtf8(e.what()));
    }
    return false;
}
