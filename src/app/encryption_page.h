#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class Tdm1;

// The page of the main window's page control for everything an encrypted statement file
// asks of the user: its password at start (or the recovery key with a new password), and
// from the Settings page encrypting the file, a new password, and removing the encryption.
// The recovery key is shown here once, when the file is encrypted.
class EncryptionPage : public QWidget
{
    Q_OBJECT

public:
    enum class Mode { Unlock, Recover, Encrypt, ShowRecoveryKey, ChangePassword, Remove };

    static const QString HintRecoversNothingText;
    static const QString LossWarningText;

    explicit EncryptionPage(Tdm1 &dm, QWidget *parent = nullptr);

    void showMode(Mode mode);
    Mode mode() const { return m_mode; }

signals:
    // The encrypted file is open, with its password or with the recovery key.
    void unlocked();
    // The Settings page's command has ended, done or cancelled.
    void finished();

private:
    void okClicked();
    void cancelClicked();
    // The new password typed twice alike, or a message and an empty text.
    QString newPassword();
    void unlock();
    void recover();
    void encrypt();
    void changePassword();
    void remove();

    Tdm1 &m_dm;
    Mode m_mode = Mode::Unlock;
    QString m_recoveryKey;
    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLineEdit *m_password = nullptr;
    QLabel *m_recoveryKeyLabel = nullptr;
    QLineEdit *m_recoveryKeyEdit = nullptr;
    QLabel *m_newPasswordLabel = nullptr;
    QLineEdit *m_newPassword = nullptr;
    QLabel *m_againLabel = nullptr;
    QLineEdit *m_again = nullptr;
    QLabel *m_shownKey = nullptr;
    QLabel *m_useRecoveryKey = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
