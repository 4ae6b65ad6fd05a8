#pragma once

#include <QWidget>

class ImageButton;
class QCheckBox;
class QPushButton;

// The Settings page: update check, login, backup and restore, and whether a backup is
// offered every time the program ends (not only when one is overdue).
class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPage(QWidget *parent = nullptr);

    ImageButton *checkUpdateButton() const { return m_checkUpdate; }
    ImageButton *updateLoginButton() const { return m_updateLogin; }
    ImageButton *backupButton() const { return m_backup; }
    ImageButton *restoreButton() const { return m_restore; }
    QCheckBox *backupAtEveryEndBox() const { return m_backupAtEveryEnd; }
    QPushButton *encryptButton() const { return m_encrypt; }
    QPushButton *changeEncryptionPasswordButton() const { return m_changeEncryptionPassword; }
    QPushButton *removeEncryptionButton() const { return m_removeEncryption; }
    // The encryption commands that apply: to encrypt a plain file, or to change or remove
    // the encryption of an encrypted one.
    void setEncrypted(bool encrypted);
    void restHover();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    ImageButton *button(int y, const QString &name);

    ImageButton *m_checkUpdate;
    ImageButton *m_updateLogin;
    ImageButton *m_backup;
    ImageButton *m_restore;
    QCheckBox *m_backupAtEveryEnd;
    QPushButton *m_encrypt;
    QPushButton *m_changeEncryptionPassword;
    QPushButton *m_removeEncryption;
};
