#pragma once

#include <optional>

#include <QDialog>

class QLabel;
class QLineEdit;

namespace Report {

// What a password window asks: its title and explanation, whether the password is typed
// twice (a new one, which nothing can look up later, so a typing slip would lock the file
// for good), and whether it may be left empty (to mean none).
struct PasswordRequest
{
    QString title;
    QString text;
    bool twice = false;
    bool mayBeEmpty = false;
};

// A small window that asks for a password, its characters hidden. OK closes it only when
// the password is acceptable; otherwise it says why and stays open.
class PasswordDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PasswordDialog(const PasswordRequest &request, QWidget *parent = nullptr);

    QString password() const;
    // Why the typed password is not accepted; empty when it is.
    QString problem() const;

    void accept() override;

private:
    PasswordRequest m_request;
    QLineEdit *m_password;
    QLineEdit *m_repeat = nullptr;
    QLabel *m_problem;
};

// Shows the window until it is closed: the password, or nothing when cancelled.
std::optional<QString> askPassword(QWidget *parent, const PasswordRequest &request);

} // namespace Report
