#include "first_start.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/whole_file.h"
#include "data/engine/file_copy.h"
#include "schema.h"
#include "tdm1.h"

namespace {

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// Why the folders of path could not be made: a file where a folder belongs, or else the
// system refused.
QString folderFailure(const QString &path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo::exists(existing) && QFileInfo(existing).path() != existing)
        existing = QFileInfo(existing).path();
    if (QFileInfo::exists(existing) && !QFileInfo(existing).isDir())
        return QStringLiteral("%1 is not a folder").arg(existing);
    return QStringLiteral("Cannot create the folder %1").arg(path);
}

// Copies source to target as a new file of the user's alone (see writeFileWhole), which never
// replaces a file that is there.
bool copyPrivately(const QString &source, const QString &target, QString *error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("Cannot read %1: %2").arg(source, in.errorString()));
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return fail(error, QStringLiteral("Cannot read %1: %2").arg(source, in.errorString()));
    const auto write = [&bytes](QFile &out, QString *) { return out.write(bytes) == bytes.size(); };
    // A file that appeared there meanwhile is the user's and is kept.
    if (QFileInfo::exists(target))
        return true;
    return writeFileWhole(target, write, error, AtTarget::Keep);
}

} // namespace

QStringList databaseTemplateCandidates(const QString &programFolder)
{
    const QString tail = QStringLiteral("/share/worthsheet/wks.ABS");
    return {QDir::cleanPath(programFolder + QStringLiteral("/..") + tail), QDir::cleanPath(programFolder + tail)};
}

QString provideDatabaseFile(const QStringList &templates, QString *error)
{
    const QString present = Tdm1::LocateDatabaseFile();
    if (!present.isEmpty())
        return present;

    QString source;
    QStringList reasons;
    for (const QString &candidate : templates) {
        if (!QFileInfo(candidate).isFile())
            continue;
        const QString why = checkStatementDatabase(candidate);
        if (why.isEmpty()) {
            source = candidate;
            break;
        }
        reasons << QStringLiteral("%1: %2").arg(candidate, why);
    }
    if (source.isEmpty()) {
        if (reasons.isEmpty())
            reasons << QStringLiteral("none of %1").arg(templates.join(QStringLiteral(", ")));
        fail(error, QStringLiteral("No empty database to start from (%1)").arg(reasons.join(QStringLiteral("; "))));
        return {};
    }

    const QString target = Tdm1::DatabaseFileCandidates().first();
    const QString folder = QFileInfo(target).path();
    if (!makePrivateFolders(folder)) {
        fail(error, folderFailure(folder));
        return {};
    }
    if (!copyPrivately(source, target, error))
        return {};
    return Tdm1::LocateDatabaseFile();
}
