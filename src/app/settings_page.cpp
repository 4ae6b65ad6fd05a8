#include "settings_page.h"

#include <QCheckBox>
#include <QPushButton>

#include "backup_reminder.h"
#include "ui/image_button.h"

SettingsPage::SettingsPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tsSettings"));
    setMouseTracking(true);
    m_checkUpdate = button(61, QStringLiteral("imCheckUpdate"));
    m_updateLogin = button(115, QStringLiteral("imUpdateLogin"));
    m_backup = button(171, QStringLiteral("imBackup"));
    m_restore = button(226, QStringLiteral("imRestore"));
    m_checkUpdate->setName(QStringLiteral("Check for Updates"));
    m_updateLogin->setName(QStringLiteral("Update Login"));
    m_backup->setName(QStringLiteral("Backup"));
    m_restore->setName(QStringLiteral("Restore"));
    // Below the pictures, where the page has room; the choice is kept in the user's settings.
    m_backupAtEveryEnd = new QCheckBox(QStringLiteral("Offer a backup every time Worthsheet ends"), this);
    m_backupAtEveryEnd->setObjectName(QStringLiteral("cbBackupAtEveryEnd"));
    m_backupAtEveryEnd->move(115, 290);
    m_backupAtEveryEnd->adjustSize();
    connect(m_backupAtEveryEnd, &QCheckBox::toggled, this, [](bool every) {
        if (every != BackupReminder::offeredAtEveryEnd())
            BackupReminder::setOfferedAtEveryEnd(every);
    });
    const auto command = [this](const char *name, const QString &text, int y) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(115, y, 260, 25);
        return b;
    };
    m_encrypt = command("btnEncrypt", QStringLiteral("Encrypt the statement file\u2026"), 325);
    m_changeEncryptionPassword =
        command("btnChangeEncryptionPassword", QStringLiteral("Change the encryption password\u2026"), 325);
    m_removeEncryption = command("btnRemoveEncryption", QStringLiteral("Remove encryption\u2026"), 358);
    setEncrypted(false);
}

void SettingsPage::setEncrypted(bool encrypted)
{
    m_encrypt->setVisible(!encrypted);
    m_changeEncryptionPassword->setVisible(encrypted);
    m_removeEncryption->setVisible(encrypted);
}

void SettingsPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_backupAtEveryEnd->setChecked(BackupReminder::offeredAtEveryEnd());
}

ImageButton *SettingsPage::button(int y, const QString &name)
{
    auto *b = new ImageButton(this, {115, y}, name, name + QStringLiteral("_up"));
    connect(b, &ImageButton::normalHovered, this, [this, b] {
        restHover();
        b->showHover();
    });
    return b;
}

void SettingsPage::restHover()
{
    for (ImageButton *b : {m_checkUpdate, m_updateLogin, m_backup, m_restore})
        b->rest();
}

void SettingsPage::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    restHover();
}
