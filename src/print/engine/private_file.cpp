#include "private_file.h"

#include <QSaveFile>

namespace Report {

bool openPrivately(QSaveFile &file)
{
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Set on the temporary file before anything is written; the rename keeps it.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace Report
