#pragma once

#include <QWidget>

class ImageButton;

// The Settings page: update check, login, backup and restore.
class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPage(QWidget *parent = nullptr);

    ImageButton *checkUpdateButton() const { return m_checkUpdate; }
    ImageButton *updateLoginButton() const { return m_updateLogin; }
    ImageButton *backupButton() const { return m_backup; }
    ImageButton *restoreButton() const { return m_restore; }
    void restHover();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    ImageButton *button(int y, const QString &name);

    ImageButton *m_checkUpdate;
    ImageButton *m_updateLogin;
    ImageButton *m_backup;
    ImageButton *m_restore;
};
