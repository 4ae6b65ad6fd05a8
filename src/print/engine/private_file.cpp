#include "private_file.h"

#include <QFile>

#include "base/whole_file.h"
#include "data/engine/file_identity.h"

namespace Report {

bool writePrivately(const QString &path, const std::function<bool(QIODevice &device, QString *why)> &write,
                    QString *error)
{
    if (const QString refusal = outputRefusal(path); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    return writeFileWhole(path, [&write](QFile &file, QString *why) { return write(file, why); }, error);
}

} // namespace Report
