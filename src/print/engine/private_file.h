#pragma once

class QSaveFile;
class QString;

namespace Report {

// Opens a file for writing that only its owner may read or write (0600), whatever the
// umask: printed statements hold social security and account numbers. Refuses, creating
// nothing, a file that is the statement database, its journal or a file the program holds
// open. On failure *error (when given) says why.
bool openPrivately(QSaveFile &file, QString *error);

} // namespace Report
