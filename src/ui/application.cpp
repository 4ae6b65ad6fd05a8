#include "application.h"

#include <QFont>
#include <QProxyStyle>

#include "base/messages.h"
#include "message_boxes.h"

namespace {

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
