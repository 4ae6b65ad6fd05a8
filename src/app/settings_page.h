#pragma once

#include <QWidget>

class ImageButton;
class QCheckBox;

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
};
