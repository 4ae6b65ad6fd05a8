#pragma once

#include <QDateTime>
#include <QString>

// When the program last made a backup, kept in the user's settings, and whether one is due
// when the program ends: DueAfterDays after the last (or, before the first, after the
// program was first used), or every time when the user asked for that.
namespace BackupReminder {

inline constexpr int DueAfterDays = 30;

void recordBackup(const QDateTime &when);
// Invalid when no backup was recorded.
QDateTime lastBackup();
void setOfferedAtEveryEnd(bool every);
bool offeredAtEveryEnd();

// The question to ask when the program ends now, empty when no backup is due. The first
// call without any backup recorded starts the count.
QString questionAtEnd(const QDateTime &now);

} // namespace BackupReminder
