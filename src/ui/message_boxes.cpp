#include "message_boxes.h"

#include <QApplication>
#include <QMessageBox>

std::unique_ptr<QMessageBox> MessageBoxes::build(Kind kind, const QString &text, Buttons buttons)
{
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    switch (kind) {
    case Kind::Error:
        box->setIcon(QMessageBox::Critical);
        box->setWindowTitle(QStringLiteral("Error"));
        break;
    case Kind::Warning:
        box->setIcon(QMessageBox::Warning);
        box->setWindowTitle(QStringLiteral("Warning"));
        break;
    case Kind::Information:
        box->setIcon(QMessageBox::Information);
        box->setWindowTitle(QStringLiteral("Information"));
        break;
    case Kind::Confirmation:
        box->setIcon(QMessageBox::Question);
        box->setWindowTitle(QStringLiteral("Confirm"));
        break;
    }
    // Messages break their lines with a line feed and a carriage return; the box shows one
    // line break for the pair.
    box->setTextFormat(Qt::PlainText);
    box->setText(QString(text).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
    if (buttons == Buttons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

Messages::Answer MessageBoxes::show(Kind kind, const QString &text, Buttons buttons)
{
    const auto box = build(kind, text, buttons);
    const int result = box->exec();
    if (buttons == Buttons::YesNo)
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}
