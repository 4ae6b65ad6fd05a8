#include "file_identity.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sys/stat.h>
#ifdef Q_OS_LINUX
#include <dirent.h>
#endif

namespace {

// The journals SQLite may keep beside a database, in any journal mode.
const char *const JournalSuffixes[] = {"-journal", "-wal", "-shm"};

struct Identity
{
    dev_t device;
    ino_t inode;
    bool operator==(const Identity &) const = default;
};

// Where a name is or would be: its folder's identity and the name in it.
struct Place
{
    Identity folder;
    QString name;
    bool operator==(const Place &) const = default;
};

std::optional<Identity> identityOf(const QString &path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return Identity{info.st_dev, info.st_ino};
}

std::optional<Place> placeOf(const QString &path)
{
    const QFileInfo info(path);
    const std::optional<Identity> folder = identityOf(info.absolutePath());
    if (!folder)
        return std::nullopt;
    return Place{*folder, info.fileName()};
}

// The path a write at path reaches: the links of its last part followed, also to a name
// where no file is yet (a new file is created there). Links in the folders above are
// followed by stat() when the folder's identity is taken.
QString followLinks(const QString &path)
{
    QString reached = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(reached);
        if (!info.isSymLink())
            break;
        reached = info.symLinkTarget();
    }
    return reached;
}

std::mutex &registryGuard()
{
    static std::mutex guard;
    return guard;
}

std::vector<QString> &protectedFiles()
{
    static std::vector<QString> files;
    return files;
}

// The names under which SQLite keeps the database: as given and with its links resolved
// (SQLite puts the journal beside the file a link leads to).
QStringList spellings(const QString &database)
{
    QStringList names{QFileInfo(database).absoluteFilePath()};
    const QString canonical = QFileInfo(database).canonicalFilePath();
    if (!canonical.isEmpty() && !names.contains(canonical))
        names << canonical;
    return names;
}

bool reaches(const std::optional<Identity> &target, const std::optional<Place> &targetPlace, const QString &name)
{
    if (target && target == identityOf(name))
        return true;
    return targetPlace && targetPlace == placeOf(name);
}

// Whether the process holds a file of that identity open (the database, its journal while a
// transaction writes it, a file being read).
bool heldOpen(const Identity &target)
{
#ifdef Q_OS_LINUX
    DIR *descriptors = ::opendir("/proc/self/fd");
    if (!descriptors)
        return false;
    bool found = false;
    while (const dirent *entry = ::readdir(descriptors)) {
        struct stat info {};
        // Through /proc each entry leads to the open file itself.
        if (entry->d_name[0] != '.' && ::fstatat(::dirfd(descriptors), entry->d_name, &info, 0) == 0
            && S_ISREG(info.st_mode) && Identity{info.st_dev, info.st_ino} == target) {
            found = true;
            break;
        }
    }
    ::closedir(descriptors);
    return found;
#else
    Q_UNUSED(target);
    return false;
#endif
}

} // namespace

ProtectedFile::ProtectedFile(const QString &path) : m_path(path)
{
    const std::lock_guard<std::mutex> lock(registryGuard());
    protectedFiles().push_back(m_path);
}

ProtectedFile::~ProtectedFile()
{
    const std::lock_guard<std::mutex> lock(registryGuard());
    std::vector<QString> &files = protectedFiles();
    const auto it = std::find(files.begin(), files.end(), m_path);
    if (it != files.end())
        files.erase(it);
}

QString outputRefusal(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QString reached = followLinks(path);
    const std::optional<Identity> target = identityOf(reached);
    const std::optional<Place> targetPlace = placeOf(reached);
    std::vector<QString> files;
    {
        const std::lock_guard<std::mutex> lock(registryGuard());
        files = protectedFiles();
    }
    for (const QString &database : files) {
        if (database.isEmpty())
            continue;
        const QStringList names = spellings(database);
        const QString also = names.contains(QFileInfo(path).absoluteFilePath())
            ? QString()
            : QStringLiteral(" (%1)").arg(names.first());
        for (const QString &name : names) {
            if (reaches(target, targetPlace, name))
                return QStringLiteral("%1 is the statement database in use%2; choose another file").arg(path, also);
            for (const char *suffix : JournalSuffixes)
                if (reaches(target, targetPlace, name + QLatin1String(suffix)))
                    return QStringLiteral("%1 is the journal of the statement database in use (%2); choose another file")
                        .arg(path, names.first());
        }
    }
    if (target && heldOpen(*target))
        return QStringLiteral("%1 is a file the program holds open; choose another file").arg(path);
    return {};
}

bool isSameFile(const QString &first, const QString &second)
{
    const std::optional<Identity> one = identityOf(first);
    return one && one == identityOf(second);
}
