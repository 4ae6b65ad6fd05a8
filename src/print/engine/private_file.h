#pragma once

class QSaveFile;

namespace Report {

// Opens a file for writing that only its owner may read or write (0600), whatever the
// umask: printed statements hold social security and account numbers.
bool openPrivately(QSaveFile &file);

} // namespace Report
