#include "private_file.h"

#include <QSaveFile>

#include "data/engine/file_identity.h"

namespace Report {

bool openPrivately(QSaveFile &file, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (const QString refusal = outputRefusal(file.fileName()); !refusal.isEmpty())
        return fail(refusal);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // Set on the temporary file before anything is written; the rename keeps it.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    return true;
}

} // namespace Report
