#include "user_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "data/engine/file_copy.h"

std::unique_ptr<QSettings> userSettings()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<QSettings>(QDir(folder).filePath(QStringLiteral("Norvale/Worthsheet.conf")),
                                       QSettings::IniFormat);
}

void saveUserSettings(QSettings &settings)
{
    const QString file = settings.fileName();
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    if (makePrivateFolders(QFileInfo(file).absolutePath()) && !QFileInfo::exists(file)) {
        QFile created(file);
        created.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnly);
    }
    settings.sync();
    QFile::setPermissions(file, ownerOnly);
}
