#include "encryption_page.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/guarded.h"
#include "base/messages.h"
#include "data/engine/engine_error.h"
#include "data/tdm1.h"
#include "ui/click_label.h"
#include "ui/window_keys.h"

const QString EncryptionPage::HintRecoversNothingText = QStringLiteral(
    "Nothing of the password is kept, so the password hint question cannot recover it. Only the "
    "recovery key, shown once when the file was encrypted, opens the file without its password.");
const QString EncryptionPage::LossWarningText = QStringLiteral(
    "Encrypting keeps the statements from anyone without the password, and from you too if it is "
    "lost: a recovery key, shown once, opens the file without it. If both the password and the "
    "recovery key are lost, the statements are lost, and no one can recover them.");

namespace {

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel *label(QWidget *parent, const QString &name, QRect geometry, int pixels = 12, bool bold = false)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(pixelFont(pixels, bold));
    l->setGeometry(geometry);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLineEdit *edit(QWidget *parent, const QString &name, QRect geometry, bool secret)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFont(pixelFont(12));
    e->setGeometry(geometry);
    if (secret)
        e->setEchoMode(QLineEdit::Password);
    return e;
}

// What each mode of the page shows.
struct ModeLayout
{
    EncryptionPage::Mode mode;
    const char *title;
    bool password, recoveryKey, newPassword, shownKey, useRecoveryKey, cancel;
};

const ModeLayout Layouts[] = {
    {EncryptionPage::Mode::Unlock, "This statement file is encrypted", true, false, false, false, true, false},
    {EncryptionPage::Mode::Recover, "Open with the recovery key", false, true, true, false, false, true},
    {EncryptionPage::Mode::Encrypt, "Encrypt the statement file", false, false, true, false, false, true},
    {EncryptionPage::Mode::ShowRecoveryKey, "The recovery key of this statement file", false, false, false, true, false,
     false},
    {EncryptionPage::Mode::ChangePassword, "Change the encryption password", true, false, true, false, false, true},
    {EncryptionPage::Mode::Remove, "Remove encryption", true, false, false, false, false, true},
};

} // namespace

EncryptionPage::EncryptionPage(Tdm1 &dm, QWidget *parent) : QWidget(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("tsEncryption"));
    m_title = label(this, QStringLiteral("lblEncryptionTitle"), {40, 30, 450, 24}, 15, true);
    m_text = label(this, QStringLiteral("lblEncryptionText"), {40, 62, 450, 96});
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_passwordLabel = label(this, QStringLiteral("lblEncryptionPassword"), {40, 166, 300, 16});
    m_password = edit(this, QStringLiteral("edEncryptionPassword"), {40, 182, 300, 22}, true);
    m_recoveryKeyLabel = label(this, QStringLiteral("lblRecoveryKeyEntry"), {40, 166, 450, 16});
    m_recoveryKeyLabel->setText(QStringLiteral("Recovery key:"));
    m_recoveryKeyEdit = edit(this, QStringLiteral("edRecoveryKey"), {40, 182, 450, 22}, false);
    m_newPasswordLabel = label(this, QStringLiteral("lblNewEncryptionPassword"), {40, 214, 300, 16});
    m_newPasswordLabel->setText(QStringLiteral("New password:"));
    m_newPassword = edit(this, QStringLiteral("edNewEncryptionPassword"), {40, 230, 300, 22}, true);
    m_againLabel = label(this, QStringLiteral("lblNewEncryptionPasswordAgain"), {40, 262, 300, 16});
    m_againLabel->setText(QStringLiteral("The new password again:"));
    m_again = edit(this, QStringLiteral("edNewEncryptionPasswordAgain"), {40, 278, 300, 22}, true);
    m_shownKey = label(this, QStringLiteral("lblRecoveryKey"), {40, 180, 460, 80}, 20, true);
    m_shownKey->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_shownKey->setFont([] {
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setStyleHint(QFont::Monospace);
        font.setPixelSize(20);
        font.setBold(true);
        return font;
    }());
    m_shownKey->setWordWrap(true);
    auto *useRecoveryKey = new ClickLabel(this);
    useRecoveryKey->setObjectName(QStringLiteral("lblUseRecoveryKey"));
    useRecoveryKey->setText(QStringLiteral("I lost the password: open with the recovery key."));
    QFont linkFont = pixelFont(12);
    linkFont.setUnderline(true);
    useRecoveryKey->setFont(linkFont);
    useRecoveryKey->setCursor(Qt::PointingHandCursor);
    useRecoveryKey->setGeometry(40, 216, 400, 18);
    m_useRecoveryKey = useRecoveryKey;
    connect(useRecoveryKey, &ClickLabel::clicked, this, guard([this] { showMode(Mode::Recover); }));

    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("btnEncryptionCancel"));
    m_cancel->setGeometry(343, 402, 75, 25);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btnEncryptionOK"));
    m_ok->setGeometry(424, 402, 75, 25);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, guard([this] { okClicked(); }));
    connect(m_cancel, &QPushButton::clicked, this, guard([this] { cancelClicked(); }));
    new WindowKeys(
        this, [this] { return m_cancel->isVisible() ? m_cancel : nullptr; }, [this] { return m_ok; });
    showMode(Mode::Unlock);
}

void EncryptionPage::showMode(Mode mode)
{
    m_mode = mode;
    const ModeLayout *layout = nullptr;
    for (const ModeLayout &l : Layouts)
        if (l.mode == mode)
            layout = &l;
    m_title->setText(QString::fromLatin1(layout->title));
    switch (mode) {
    case Mode::Unlock:
        m_text->setText(QStringLiteral("Enter the password of the statement file to open it.\n\n") + HintRecoversNothingText);
        break;
    case Mode::Recover:
        m_text->setText(QStringLiteral("Type the recovery key as it was printed or written down (8 groups of 5 letters "
                                       "and digits), and the new password that opens the file from now on."));
        break;
    case Mode::Encrypt:
        m_text->setText(LossWarningText);
        break;
    case Mode::ShowRecoveryKey:
        m_text->setText(QStringLiteral("The statement file is encrypted. Print this recovery key or write it down, and "
                                       "keep it apart from the computer: it is shown only this once, and it opens the "
                                       "file when the password is lost."));
        break;
    case Mode::ChangePassword:
        m_text->setText(QStringLiteral("The new password opens the statement file from now on; the recovery key "
                                       "keeps working."));
        break;
    case Mode::Remove:
        m_text->setText(QStringLiteral("The statement file is stored unencrypted again, readable by anyone who can read "
                                       "the file. Its backups made so far stay encrypted."));
        break;
    }
    m_passwordLabel->setText(mode == Mode::Unlock || mode == Mode::Remove ? QStringLiteral("Password:")
                                                                          : QStringLiteral("Current password:"));
    for (QWidget *w : {static_cast<QWidget *>(m_passwordLabel), static_cast<QWidget *>(m_password)})
        w->setVisible(layout->password);
    for (QWidget *w : {static_cast<QWidget *>(m_recoveryKeyLabel), static_cast<QWidget *>(m_recoveryKeyEdit)})
        w->setVisible(layout->recoveryKey);
    for (QWidget *w : {static_cast<QWidget *>(m_newPasswordLabel), static_cast<QWidget *>(m_newPassword),
                       static_cast<QWidget *>(m_againLabel), static_cast<QWidget *>(m_again)})
        w->setVisible(layout->newPassword);
    m_shownKey->setVisible(layout->shownKey);
    // Two lines of four groups, as they are best written down.
    QStringList groups = m_recoveryKey.split(u'-');
    if (groups.size() == 8)
        groups[3] += u'\n';
    m_shownKey->setText(layout->shownKey ? groups.join(u'-') : QString());
    m_useRecoveryKey->setVisible(layout->useRecoveryKey);
    m_cancel->setVisible(layout->cancel);
    for (QLineEdit *e : {m_password, m_recoveryKeyEdit, m_newPassword, m_again})
        e->clear();
    if (layout->password)
        m_password->setFocus();
    else if (layout->recoveryKey)
        m_recoveryKeyEdit->setFocus();
    else if (layout->newPassword)
        m_newPassword->setFocus();
    else
        m_ok->setFocus();
}

void EncryptionPage::okClicked()
{
    // Deriving a key takes about half a second, twice for a new password.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor
    {
        ~RestoreCursor() { QGuiApplication::restoreOverrideCursor(); }
    } restore;
    switch (m_mode) {
    case Mode::Unlock:
        unlock();
        break;
    case Mode::Recover:
        recover();
        break;
    case Mode::Encrypt:
        encrypt();
        break;
    case Mode::ShowRecoveryKey:
        // Shown once: the page keeps nothing of it.
        m_recoveryKey.clear();
        m_shownKey->clear();
        emit finished();
        break;
    case Mode::ChangePassword:
        changePassword();
        break;
    case Mode::Remove:
        remove();
        break;
    }
}

void EncryptionPage::cancelClicked()
{
    if (m_mode == Mode::Recover) {
        showMode(Mode::Unlock);
        return;
    }
    emit finished();
}

QString EncryptionPage::newPassword()
{
    const QString password = m_newPassword->text();
    if (password.isEmpty()) {
        Messages::current().show(Messages::Kind::Error, QStringLiteral("Please enter the new password."));
        m_newPassword->setFocus();
        return {};
    }
    if (password != m_again->text()) {
        Messages::current().show(Messages::Kind::Error,
                                 QStringLiteral("The new password and its repetition differ. Please type both again."));
        m_newPassword->clear();
        m_again->clear();
        m_newPassword->setFocus();
        return {};
    }
    return password;
}

void EncryptionPage::unlock()
{
    if (m_password->text().isEmpty()) {
        Messages::current().show(Messages::Kind::Error, QStringLiteral("Please enter the password."));
        return;
    }
    m_dm.db1.SetSecret(Database::Secret::Password, m_password->text());
    m_password->clear();
    try {
        m_dm.db1.SetConnected(true);
    } catch (const EngineError &e) {
        Messages::current().show(Messages::Kind::Error, e.message());
        m_password->setFocus();
        return;
    }
    emit unlocked();
}

void EncryptionPage::recover()
{
    const QString password = newPassword();
    if (password.isEmpty())
        return;
    m_dm.db1.SetSecret(Database::Secret::RecoveryKey, m_recoveryKeyEdit->text());
    try {
        m_dm.db1.SetConnected(true);
    } catch (const EngineError &e) {
        Messages::current().show(Messages::Kind::Error, e.message());
        m_recoveryKeyEdit->setFocus();
        return;
    }
    // Open now: should the new password not be written, the recovery key still opens it.
    try {
        m_dm.db1.SetNewPassword(password);
    } catch (const EngineError &e) {
        Messages::current().show(Messages::Kind::Error, e.message());
    }
    m_newPassword->clear();
    m_again->clear();
    emit unlocked();
}

void EncryptionPage::encrypt()
{
    const QString password = newPassword();
    if (password.isEmpty())
        return;
    m_recoveryKey = m_dm.db1.Encrypt(password);
    showMode(Mode::ShowRecoveryKey);
}

void EncryptionPage::changePassword()
{
    const QString password = newPassword();
    if (password.isEmpty())
        return;
    m_dm.db1.ChangePassword(m_password->text(), password);
    Messages::current().show(Messages::Kind::Information, QStringLiteral("The encryption password is changed."));
    emit finished();
}

void EncryptionPage::remove()
{
    m_dm.db1.Decrypt(m_password->text());
    Messages::current().show(Messages::Kind::Information,
                             QStringLiteral("The statement file is no longer encrypted."));
    emit finished();
}
