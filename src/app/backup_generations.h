#pragma once

#include <vector>

#include <QDateTime>
#include <QString>

// The backups of a folder. The newest is always wks.ABS; a backup keeps the one it replaces
// beside it under a name that carries the time it was made ("wks 2026-12-09 14.05.33.ABS"),
// so every earlier generation stays in the folder and sorts by its date.
struct BackupGeneration
{
    QString path;
    QString fileName;
    // When the backup was written: its file's time, which a kept generation keeps.
    QDateTime made;
    qint64 size = 0;
    int statements = 0;
    // An encrypted statement file: its statements are counted only with its password.
    bool encrypted = false;
    // Why a restore would refuse the file; empty when it is offered.
    QString refusal;

    bool offered() const { return refusal.isEmpty(); }
};

// The name an earlier generation made at that time is kept under.
QString keptGenerationName(const QDateTime &made);

// The statement databases of the folder by the names a backup gives them (wks.ABS and the
// kept generations; any wks*.ABS), newest first. Each is checked whole, as a restore checks
// it, and only then read, through a connection that writes nothing; a file that fails is
// listed with the reason. A file listed in known with the same size and time is not read
// again.
std::vector<BackupGeneration> listBackupGenerations(const QString &folder,
                                                    const std::vector<BackupGeneration> &known = {});

// Keeps the file at backup (the folder's wks.ABS) under its dated name before a new backup
// replaces it: as a second name of the same file where the file system allows, else by
// renaming it. *kept is the kept path, empty when there was no file to keep; false, with
// the reason in *error, when it could not be kept.
bool keepEarlierGeneration(const QString &backup, QString *kept, QString *error);

// Undoes keepEarlierGeneration after the new backup failed, so the folder is as it was.
void restoreEarlierGeneration(const QString &backup, const QString &kept);
