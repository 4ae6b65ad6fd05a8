#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class BoxMessages : public Messages
{
public:
    Answer show(Kind kind, const QString &text, Buttons buttons) override
    {
        QMessageBox box(QApplication::activeWindow());
        switch (kind) {
        case Kind::Error:
            box.setIcon(QMessageBox::Critical);
            box.setWindowTitle(QStringLiteral("Error"));
            break;
        case Kind::Warning:
            box.setIcon(QMessageBox::Warning);
            box.setWindowTitle(QStringLiteral("Warning"));
            break;
        case Kind::Information:
            box.setIcon(QMessageBox::Information);
            box.setWindowTitle(QStringLiteral("Information"));
            break;
        case Kind::Confirmation:
            box.setIcon(QMessageBox::Question);
            box.setWindowTitle(QStringLiteral("Confirm"));
            break;
        }
        // Messages break their lines with a line feed and a carriage return; the box
        // shows one line break for the pair.
        box.setText(QString(text).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
        if (buttons == Buttons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
};

Messages *g_installed = nullptr;

} // namespace

Messages &Messages::current()
{
    static BoxMessages boxes;
    return g_installed ? *g_installed : boxes;
}

void Messages::install(Messages *messages)
{
    g_installed = messages;
}
