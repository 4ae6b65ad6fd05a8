#pragma once

#include <functional>

class QIODevice;
class QString;

namespace Report {

// Writes the file at path whole or not at all, readable and writable by its owner alone
// (0600) from the moment it exists, whatever the umask (see writeFileWhole): printed
// statements hold social security and account numbers. write fills it; false fails, with
// *why saying why. Refuses, creating nothing, a file that is the statement database, its
// journal or a file the program holds open. On failure *error (when given) says why.
bool writePrivately(const QString &path, const std::function<bool(QIODevice &device, QString *why)> &write,
                    QString *error);

} // namespace Report
