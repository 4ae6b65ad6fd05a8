#include "password_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Report {

namespace {

QLineEdit *passwordEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

} // namespace

PasswordDialog::PasswordDialog(const PasswordRequest &request, QWidget *parent)
    : QDialog(parent), m_request(request), m_password(passwordEdit(this, QStringLiteral("edPassword"))),
      m_problem(new QLabel(this))
{
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(request.title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *text = new QLabel(request.text, this);
    text->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Password:"), m_password);
    if (request.twice) {
        m_repeat = passwordEdit(this, QStringLiteral("edRepeat"));
        form->addRow(QStringLiteral("Repeat the password:"), m_repeat);
    }
    m_problem->setObjectName(QStringLiteral("lblProblem"));
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PasswordDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PasswordDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

QString PasswordDialog::password() const
{
    return m_password->text();
}

QString PasswordDialog::problem() const
{
    if (m_repeat && m_repeat->text() != m_password->text())
        return QStringLiteral("The two passwords differ; type them again.");
    if (m_password->text().isEmpty() && !m_request.mayBeEmpty)
        return QStringLiteral("Type the password.");
    return QString();
}

void PasswordDialog::accept()
{
    const QString why = problem();
    m_problem->setText(why);
    if (why.isEmpty())
        QDialog::accept();
}

std::optional<QString> askPassword(QWidget *parent, const PasswordRequest &request)
{
    PasswordDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.password();
}

} // namespace Report
