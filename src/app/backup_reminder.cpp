#include "backup_reminder.h"

#include "user_settings.h"

namespace {

const QString LastBackupKey = QStringLiteral("Backup/LastBackup");
const QString FirstUseKey = QStringLiteral("Backup/FirstUse");
const QString EveryEndKey = QStringLiteral("Backup/OfferAtEveryEnd");

QDateTime readTime(const QSettings &settings, const QString &key)
{
    return QDateTime::fromString(settings.value(key).toString(), Qt::ISODate);
}

void writeValue(const QString &key, const QVariant &value)
{
    const auto settings = userSettings();
    settings->setValue(key, value);
    saveUserSettings(*settings);
}

} // namespace

namespace BackupReminder {

void recordBackup(const QDateTime &when)
{
    writeValue(LastBackupKey, when.toUTC().toString(Qt::ISODate));
}

QDateTime lastBackup()
{
    return readTime(*userSettings(), LastBackupKey);
}

void setOfferedAtEveryEnd(bool every)
{
    writeValue(EveryEndKey, every);
}

bool offeredAtEveryEnd()
{
    return userSettings()->value(EveryEndKey, false).toBool();
}

QString questionAtEnd(const QDateTime &now)
{
    const auto settings = userSettings();
    QDateTime since = readTime(*settings, LastBackupKey);
    if (!since.isValid())
        since = readTime(*settings, FirstUseKey);
    if (!since.isValid()) {
        writeValue(FirstUseKey, now.toUTC().toString(Qt::ISODate));
        since = now;
    }
    // A time well after now was written under a clock set wrong: it tells nothing of the
    // backups made.
    const bool overdue = since > now.addDays(1) || since.secsTo(now) >= qint64(DueAfterDays) * 24 * 60 * 60;
    if (overdue)
        return QStringLiteral("No backup of your financial data has been made in the last %1 days.\n\r"
                              "Back it up now?")
            .arg(DueAfterDays);
    if (settings->value(EveryEndKey, false).toBool())
        return QStringLiteral("Back up your financial data before the program ends?");
    return {};
}

} // namespace BackupReminder
