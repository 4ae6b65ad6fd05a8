#include "database.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include "connection.h"
#include "crypt/crypt_error.h"
#include "crypt/envelope_seam.h"
#include "crypt/envelope_session.h"
#include "engine_error.h"
#include "file_copy.h"
#include "file_identity.h"
#include "integrity_check.h"
#include "sqlite_support.h"
#include "statement_image.h"
#include "table.h"

namespace {

quint32 bigEndian(const QByteArray &bytes, int offset, int length)
{
    quint32 value = 0;
    for (int i = 0; i < length; ++i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return value;
}

// One row of sqlite_master as it describes the schema; the root page is where it lies.
struct SchemaEntry
{
    std::string type, name, table, sql;
    bool operator==(const SchemaEntry &) const = default;
};
using Schema = std::map<std::pair<std::string, std::string>, SchemaEntry>;

Schema readSchema(SQLite::Database &db)
{
    Schema schema;
    SQLite::Statement query(db, "SELECT type, name, tbl_name, sql FROM sqlite_master");
    while (query.executeStep()) {
        SchemaEntry entry{query.getColumn(0).getString(), query.getColumn(1).getString(),
                          query.getColumn(2).getString(), query.getColumn(3).getString()};
        schema.emplace(std::make_pair(entry.type, entry.name), std::move(entry));
    }
    return schema;
}

// The schema our SQL creates, built once per run in memory.
const Schema &referenceSchema(const char *schemaSql)
{
    static std::mutex guard;
    static std::map<std::string, Schema> built;
    const std::lock_guard<std::mutex> lock(guard);
    auto it = built.find(schemaSql);
    if (it == built.end()) {
        SQLite::Database reference(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        reference.exec(schemaSql);
        it = built.emplace(schemaSql, readSchema(reference)).first;
    }
    return it->second;
}

QString quoted(const SchemaEntry &entry)
{
    return QString::fromStdString(entry.type + " " + entry.name);
}

// The database held by a connection as the bytes of a file.
QByteArray serializeMain(SQLite::Database &db)
{
    sqlite3_int64 size = 0;
    unsigned char *bytes = sqlite3_serialize(db.getHandle(), "main", &size, 0);
    if (!bytes)
        throw EngineError(QStringLiteral("Not enough memory to hold the database"));
    QByteArray image(reinterpret_cast<const char *>(bytes), qsizetype(size));
    sqlite3_free(bytes);
    return image;
}

// The bytes of a database file as the database of db, in memory SQLite owns and may grow.
bool deserializeInto(SQLite::Database &db, const QByteArray &image)
{
    const auto size = sqlite3_uint64(image.size());
    auto *bytes = static_cast<unsigned char *>(sqlite3_malloc64(qMax<sqlite3_uint64>(size, 1)));
    if (!bytes)
        return false;
    std::memcpy(bytes, image.constData(), size_t(size));
    return sqlite3_deserialize(db.getHandle(), "main", bytes, sqlite3_int64(size), sqlite3_int64(size),
                               SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE)
        == SQLITE_OK;
}

// A second name for the file, put in place of keep in one step, so that the generation on
// disk stays beside the file when the next one takes its name. Where the file system has
// no links it is copied.
bool keepGeneration(const QString &path, const QString &keep)
{
#ifdef Q_OS_UNIX
    const QString link = keep + QStringLiteral(".partial-link");
    QFile::remove(link);
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()) == 0) {
        const bool renamed = ::rename(QFile::encodeName(link).constData(), QFile::encodeName(keep).constData()) == 0;
        // A rename between two names of one file leaves both.
        QFile::remove(link);
        if (renamed)
            return syncFolder(QFileInfo(path).absolutePath());
    }
#endif
    return copyFileReplacing(path, keep);
}

EngineError engineErrorOf(const CryptError &e)
{
    return EngineError(e.message());
}

} // namespace

Database::Database() = default;

Database::~Database()
{
    try {
        disconnect();
    } catch (...) {
    }
}

void Database::SetDatabaseFileName(const QString &path)
{
    if (Connected())
        throw EngineError(QStringLiteral("Cannot change the database file while connected"));
    m_fileName = path;
}

void Database::SetSchema(const std::vector<const char *> &steps)
{
    if (steps.size() != size_t(UserVersion))
        throw EngineError(QStringLiteral("The schema has %1 steps, not one for each of the %2 versions")
                              .arg(steps.size())
                              .arg(UserVersion));
    m_steps.assign(steps.begin(), steps.end());
    m_schemas.clear();
    std::string text;
    for (const std::string &step : m_steps) {
        text += step;
        m_schemas.push_back(text);
    }
}

const char *Database::schemaOfVersion(int version) const
{
    return m_schemas.at(size_t(version - 1)).c_str();
}

int Database::fileUserVersion(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(64);
    return header.size() < 64 ? -1 : qint32(bigEndian(header, 60, 4));
}

void Database::SetConnected(bool connected)
{
    if (connected == Connected())
        return;
    if (connected)
        connect();
    else
        disconnect();
}

QString checkHeaderBytes(const QByteArray &header, qint64 size, bool sizeMustMatch)
{
    if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
        return QStringLiteral("The file is not a database");
    if (qint32(bigEndian(header, 68, 4)) != Database::ApplicationId)
        return QStringLiteral("The file is not a statement database");
    // File format versions 1 (rollback journal) and 2 (write-ahead log); a later one was
    // written by a program this one does not know.
    const int writeVersion = quint8(header.at(18)), readVersion = quint8(header.at(19));
    if (writeVersion < 1 || writeVersion > 2 || readVersion < 1 || readVersion > 2)
        return QStringLiteral("The database file has an unknown format version");
    if (!Database::knownUserVersion(qint32(bigEndian(header, 60, 4))))
        return QStringLiteral("The database file has a version this program does not know");
    quint32 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 pageCount = bigEndian(header, 28, 4);
    // The size in the header must match the file: a truncated copy does not, nor does a
    // file made large to fill the disk.
    if (sizeMustMatch && (pageCount == 0 || qint64(pageCount) * pageSize != size))
        return QStringLiteral("The database file is incomplete");
    return {};
}

QString Database::checkFileHeader(const QString &path, bool sizeMustMatch)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The database file cannot be opened");
    const qint64 size = file.size();
    return checkHeaderBytes(file.read(100), size, sizeMustMatch);
}

bool Database::isEncryptedFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && EnvelopeSession::looksEncrypted(file.read(16));
}

bool Database::hasHotJournal(const QString &path)
{
    // SQLite plays back a journal that is not empty and whose first byte is not zero.
    QFile journal(path + QStringLiteral("-journal"));
    if (!journal.open(QIODevice::ReadOnly))
        return false;
    const QByteArray first = journal.read(1);
    return !first.isEmpty() && first.at(0) != 0;
}

QString Database::compareSchema(Connection &file, const char *schemaSql)
{
    return compareSchemaOf(file.sql(), schemaSql);
}

QString Database::compareSchemaOf(SQLite::Database &db, const char *schemaSql)
{
    const Schema &ours = referenceSchema(schemaSql);
    Schema found;
    try {
        found = readSchema(db);
    } catch (const SQLite::Exception &e) {
        throw engineError(e);
    }
    for (const auto &[key, entry] : ours) {
        const auto it = found.find(key);
        if (it == found.end())
            return QStringLiteral("The database has no %1").arg(quoted(entry));
        if (!(it->second == entry))
            return QStringLiteral("The %1 differs from ours").arg(quoted(entry));
    }
    for (const auto &[key, entry] : found)
        if (!ours.contains(key))
            return QStringLiteral("The database has a %1 that is not ours").arg(quoted(entry));
    return {};
}

void Database::connect()
{
    if (m_fileName.isEmpty())
        throw EngineError(QStringLiteral("No database file name is set"));
    m_writeRefusal.clear();
    m_unlockRefusal = UnlockRefusal::None;
    if (isEncryptedFile(m_fileName)) {
        connectEncrypted();
        return;
    }
    m_secret.clear();
    if (hasHotJournal(m_fileName))
        recoverFromJournal();
    const QString problem = checkFileHeader(m_fileName);
    if (!problem.isEmpty())
        throw EngineError(problem + QStringLiteral(": ") + m_fileName);
    try {
        // The schema is checked on a connection that can neither write nor play a hot
        // journal, so a file that is refused stays exactly as it was.
        const int version = checkSchema();
        const QString upgradeCopy = m_fileName + QLatin1String(UpgradeCopySuffix);
        if (!m_steps.empty() && version < UserVersion)
            upgrade(version);
        else if (!m_steps.empty() && QFileInfo::exists(upgradeCopy))
            // Left by a run that ended after the step had committed: the file is up to date.
            QFile::remove(upgradeCopy);
        m_sql = std::make_unique<SQLite::Database>(m_fileName.toStdString(), SQLite::OPEN_READWRITE);
        m_sql->setBusyTimeout(BusyTimeoutMs);
        m_sql->exec("PRAGMA journal_mode = DELETE");
        m_sql->exec("PRAGMA synchronous = FULL");
        // Every user action writes: a file that cannot be written (read only, locked by
        // another program) is refused now rather than at the first save.
        if (sqlite3_db_readonly(m_sql->getHandle(), "main") != 0)
            throw EngineError(QStringLiteral("The database file cannot be written: ") + m_fileName);
        m_sql->exec("BEGIN IMMEDIATE");
        m_sql->exec("ROLLBACK");
        sqlite3_update_hook(m_sql->getHandle(), &Database::noteWrite, this);
        m_protected = std::make_unique<ProtectedFile>(m_fileName);
    } catch (const SQLite::Exception &e) {
        clearStatements();
        m_sql.reset();
        throw EngineError(QString::fromUtf8(e.what()) + QStringLiteral(": ") + m_fileName);
    } catch (...) {
        clearStatements();
        m_sql.reset();
        throw;
    }
}

int Database::checkSchema() const
{
    const int version = versionOf(fileUserVersion(m_fileName));
    if (m_steps.empty())
        return version;
    QString difference;
    try {
        Connection reader = Connection::immutable(m_fileName);
        difference = compareSchema(reader, schemaOfVersion(version));
    } catch (const EngineError &e) {
        throw EngineError(e.message() + QStringLiteral(": ") + m_fileName);
    }
    if (!difference.isEmpty())
        throw EngineError(difference + QStringLiteral(": ") + m_fileName);
    return version;
}

void Database::upgrade(int fromVersion)
{
    // The copy goes through the one routine that writes files whole: should the step fail in
    // a way SQLite cannot undo, the file as it was is beside it.
    const QString kept = m_fileName + QLatin1String(UpgradeCopySuffix);
    QString error;
    if (!copyFileReplacing(m_fileName, kept, &error, {}, m_upgradeProgress))
        throw EngineError(QStringLiteral("The database file cannot be copied aside before it is brought to "
                                         "version %1 (%2): %3")
                              .arg(UserVersion)
                              .arg(error, m_fileName));
    QString problem;
    try {
        auto sql = std::make_unique<SQLite::Database>(m_fileName.toStdString(), SQLite::OPEN_READWRITE);
        sql->setBusyTimeout(BusyTimeoutMs);
        sql->exec("PRAGMA journal_mode = DELETE");
        sql->exec("PRAGMA synchronous = FULL");
        Connection file(std::move(sql));
        file.exec("BEGIN IMMEDIATE");
        for (int version = fromVersion; version < UserVersion; ++version)
            file.exec(m_steps[size_t(version)].c_str());
        // Only exactly the current schema is committed.
        problem = compareSchema(file, schemaOfVersion(UserVersion));
        if (problem.isEmpty())
            file.exec("COMMIT");
        // A connection closed inside the transaction rolls it back.
    } catch (const EngineError &e) {
        problem = e.message();
    } catch (const SQLite::Exception &e) {
        problem = QString::fromUtf8(e.what());
    }
    if (problem.isEmpty()) {
        QFile::remove(kept);
        syncFolder(QFileInfo(m_fileName).absolutePath());
        return;
    }
    // Rolled back, the file is as it was and the copy says nothing more; should anything of
    // the step remain (a journal SQLite could not play back), the copy stays beside it.
    if (!hasHotJournal(m_fileName) && versionOf(fileUserVersion(m_fileName)) == fromVersion && QFile::remove(kept))
        throw EngineError(QStringLiteral("The database file could not be brought to version %1 (%2); it is left "
                                         "as it was: %3")
                              .arg(UserVersion)
                              .arg(problem, m_fileName));
    throw EngineError(QStringLiteral("The database file could not be brought to version %1 (%2); the file as it "
                                     "was is kept in %3")
                          .arg(UserVersion)
                          .arg(problem, kept));
}

void Database::recoverFromJournal()
{
    // Not even a copy is taken of a file that is not ours.
    if (const QString problem = checkFileHeader(m_fileName, false); !problem.isEmpty())
        throw EngineError(problem + QStringLiteral(": ") + m_fileName);
    const QString journal = m_fileName + QStringLiteral("-journal");
    const QString fileCopy = m_fileName + QLatin1String(RecoveryCopySuffix);
    const QString journalCopy = journal + QLatin1String(RecoveryCopySuffix);
    QString error;
    if (!copyFileReplacing(m_fileName, fileCopy, &error) || !copyFileReplacing(journal, journalCopy, &error))
        throw EngineError(QStringLiteral("The database file has a journal to play back, but cannot be copied "
                                         "aside first (%1): %2")
                              .arg(error, m_fileName));

    QString problem;
    try {
        // The first read plays the journal back; the check reads every page after it.
        auto sql = std::make_unique<SQLite::Database>(m_fileName.toStdString(), SQLite::OPEN_READWRITE);
        sql->setBusyTimeout(BusyTimeoutMs);
        Connection recovering(std::move(sql));
        if (!IntegrityCheck::problemOf(recovering).isEmpty())
            problem = QStringLiteral("The database file is damaged");
        if (problem.isEmpty() && !m_steps.empty()) {
            // The version as the journal has left it: an interrupted step plays back to the
            // version before.
            const int version = versionOf(int(recovering.sql().execAndGet("PRAGMA user_version").getInt()));
            if (!knownUserVersion(version))
                problem = QStringLiteral("The database file has a version this program does not know");
            else
                problem = compareSchema(recovering, schemaOfVersion(version));
        }
    } catch (const SQLite::Exception &e) {
        problem = QString::fromUtf8(e.what());
    } catch (const EngineError &e) {
        problem = e.message();
    }
    if (problem.isEmpty() && QFileInfo::exists(journal))
        problem = QStringLiteral("The journal was not played back");
    if (problem.isEmpty())
        problem = checkFileHeader(m_fileName);
    if (problem.isEmpty())
        return;

    // Byte for byte as they were: the refused file and its journal are the user's.
    QString putBack;
    if (!copyFileReplacing(fileCopy, m_fileName, &error))
        putBack = error;
    if (!copyFileReplacing(journalCopy, journal, &error))
        putBack = error;
    if (!putBack.isEmpty())
        throw EngineError(QStringLiteral("The database file could not be recovered from its journal (%1), nor be "
                                         "put back (%2); the file and its journal as they were are kept in %3 and %4")
                              .arg(problem, putBack, fileCopy, journalCopy));
    throw EngineError(QStringLiteral("The database file could not be recovered from its journal (%1); the file "
                                     "and its journal are left as they were, and copies are kept in %2 and %3")
                          .arg(problem, fileCopy, journalCopy));
}

void Database::disconnect()
{
    // A check still reading stops: the file may be copied or replaced next.
    m_integrity.reset();
    if (!m_sql)
        return;
    for (Table *table : std::vector<Table *>(m_tables))
        table->Close();
    if (m_depth > 0) {
        try {
            m_sql->exec("ROLLBACK");
        } catch (...) {
        }
        m_depth = 0;
        m_doomed = false;
    }
    clearStatements();
    m_sql.reset();
    m_protected.reset();
    m_session.reset();
    m_image.clear();
    m_lock.reset();
}

void Database::clearStatements()
{
    m_statements.clear();
    m_recentStatements.clear();
}

SQLite::Database &Database::sql()
{
    if (!m_sql)
        throw EngineError(QStringLiteral("The database is not connected"));
    return *m_sql;
}

std::shared_ptr<SQLite::Statement> Database::statement(const std::string &text)
{
    std::shared_ptr<SQLite::Statement> stmt;
    const auto it = m_statements.find(text);
    if (it != m_statements.end() && it->second->second.use_count() > 1) {
        // The cached one is being stepped by a caller further up: this one gets its own.
        try {
            return std::make_shared<SQLite::Statement>(sql(), text);
        } catch (const SQLite::Exception &e) {
            throw engineError(e);
        }
    }
    if (it != m_statements.end()) {
        m_recentStatements.splice(m_recentStatements.begin(), m_recentStatements, it->second);
        stmt = it->second->second;
    } else {
        try {
            stmt = std::make_shared<SQLite::Statement>(sql(), text);
        } catch (const SQLite::Exception &e) {
            throw engineError(e);
        }
        m_recentStatements.emplace_front(text, stmt);
        m_statements[text] = m_recentStatements.begin();
        if (m_recentStatements.size() > StatementCacheSize) {
            m_statements.erase(m_recentStatements.back().first);
            m_recentStatements.pop_back();
        }
    }
    stmt->reset();
    stmt->clearBindings();
    return stmt;
}

void Database::startIntegrityCheck(QObject *receiver, std::function<void(const QString &)> answered)
{
    if (!m_sql)
        throw EngineError(QStringLiteral("The database is not connected"));
    m_integrity.reset();
    if (m_session) {
        // Its envelope has authenticated every byte as the program wrote it; the file on
        // disk is no database to check.
        if (receiver && answered)
            QMetaObject::invokeMethod(receiver, [answered = std::move(answered)] { answered({}); }, Qt::QueuedConnection);
        return;
    }
    m_integrity = std::make_unique<IntegrityCheck>(m_fileName);
    if (receiver && answered)
        QObject::connect(m_integrity.get(), &IntegrityCheck::finished, receiver, std::move(answered),
                         Qt::QueuedConnection);
    m_integrity->start();
}

QString Database::awaitIntegrityCheck()
{
    if (!m_integrity)
        return {};
    const QString problem = m_integrity->wait();
    if (!problem.isEmpty() && m_writeRefusal.isEmpty())
        refuseWrites();
    return problem;
}

void Database::refuseWrites()
{
    m_writeRefusal = QStringLiteral("The database file is damaged, so nothing more is written to it: ") + m_fileName;
    // SQLite itself then refuses any write that does not pass through the tables.
    if (m_sql) {
        try {
            m_sql->exec("PRAGMA query_only = ON");
        } catch (const SQLite::Exception &) {
        }
    }
}

bool Database::refusesWrites()
{
    awaitIntegrityCheck();
    return !m_writeRefusal.isEmpty();
}

void Database::requireWritable()
{
    if (refusesWrites())
        throw EngineError(m_writeRefusal);
}

void Database::registerTable(Table *table)
{
    m_tables.push_back(table);
}

void Database::unregisterTable(Table *table)
{
    m_tables.erase(std::remove(m_tables.begin(), m_tables.end(), table), m_tables.end());
    m_unnotified.erase(std::remove(m_unnotified.begin(), m_unnotified.end(), table), m_unnotified.end());
}

void Database::rollback()
{
    try {
        sql().exec("ROLLBACK");
    } catch (const SQLite::Exception &) {
        // SQLite may already have rolled back on its own after an I/O error.
    }
    // The cursors are right again at once; their listeners (windows) hear of it only once
    // the failed action has ended, never while its exception is on its way.
    for (Table *table : m_tables) {
        holdNotifications(table);
        table->discardAfterRollback();
    }
    scheduleDelivery();
}

void Database::rowsChanged(const QString &tableName)
{
    bool held = false;
    for (Table *table : m_tables) {
        if (!table->Active() || (!tableName.isEmpty() && table->TableName().compare(tableName, Qt::CaseInsensitive) != 0))
            continue;
        holdNotifications(table);
        table->reread();
        held = true;
    }
    if (held)
        scheduleDelivery();
}

void Database::noteWrite(void *database, int, const char *, const char *table, long long)
{
    std::vector<std::string> *written = static_cast<Database *>(database)->m_written;
    if (written && std::find(written->begin(), written->end(), table) == written->end())
        written->emplace_back(table);
}

void Database::holdNotifications(Table *table)
{
    if (std::find(m_unnotified.begin(), m_unnotified.end(), table) == m_unnotified.end()) {
        table->DisableControls();
        m_unnotified.push_back(table);
    }
}

void Database::scheduleDelivery()
{
    if (!QCoreApplication::instance() || m_deliveryScheduled)
        return;
    if (!m_notifier)
        m_notifier = std::make_unique<QObject>();
    m_deliveryScheduled = true;
    QMetaObject::invokeMethod(
        m_notifier.get(),
        [this] {
            m_deliveryScheduled = false;
            deliverNotifications();
        },
        Qt::QueuedConnection);
}

void Database::deliverNotifications()
{
    const std::vector<Table *> tables = std::exchange(m_unnotified, {});
    for (Table *table : tables)
        table->EnableControls();
}

Database::Transaction::Transaction(Database &db) : m_db(db)
{
    if (m_db.m_depth == 0) {
        // A new action: whatever the last one's rollback changed is told first.
        m_db.deliverNotifications();
        // A file that takes no writes is only read: its writes fail one by one.
        const bool readOnly = m_db.refusesWrites();
        try {
            m_db.sql().exec(readOnly ? "BEGIN" : "BEGIN IMMEDIATE");
        } catch (const SQLite::Exception &e) {
            throw engineError(e);
        }
        m_db.m_doomed = false;
    }
    ++m_db.m_depth;
}

Database::Transaction::~Transaction()
{
    if (m_done)
        return;
    // Left by an exception: the outermost scope undoes the whole operation.
    --m_db.m_depth;
    m_db.m_doomed = true;
    if (m_db.m_depth == 0 && m_db.m_sql)
        m_db.rollback();
}

void Database::Transaction::Commit()
{
    if (m_done)
        return;
    m_done = true;
    --m_db.m_depth;
    if (m_db.m_depth > 0)
        return;
    if (m_db.m_doomed) {
        m_db.rollback();
        throw EngineError(QStringLiteral("The operation was undone because a part of it failed"));
    }
    try {
        m_db.sql().exec("COMMIT");
    } catch (const SQLite::Exception &e) {
        m_db.rollback();
        throw engineError(e);
    }
    m_db.persist();
    // The action is done: its listeners hear now what its writes changed.
    m_db.deliverNotifications();
}

// The encrypted file ------------------------------------------------------------------------

void Database::SetSecret(Secret kind, const QString &text)
{
    m_secretKind = kind;
    m_secret = text;
}

bool Database::UnlockedByRecoveryKey() const
{
    return m_session && m_session->unlockedBy() == EnvelopeSession::UnlockedBy::RecoveryKey;
}

void Database::lockFile()
{
    // Never stale by age: only a lock whose program has ended is taken over.
    auto lock = std::make_unique<QLockFile>(m_fileName + QLatin1String(LockSuffix));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        throw EngineError(QStringLiteral("The statement file is open in another program: ") + m_fileName);
    m_lock = std::move(lock);
}

void Database::openImage(const QByteArray &image)
{
    auto db = std::make_unique<SQLite::Database>(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    if (!deserializeInto(*db, image))
        throw EngineError(QStringLiteral("Not enough memory to open the statement file: ") + m_fileName);
    clearStatements();
    m_sql = std::move(db);
    sqlite3_update_hook(m_sql->getHandle(), &Database::noteWrite, this);
}

void Database::connectEncrypted()
{
    const QString secret = std::exchange(m_secret, {});
    const auto refuse = [&](UnlockRefusal why, const QString &message) {
        m_unlockRefusal = why;
        clearStatements();
        m_sql.reset();
        m_session.reset();
        m_image.clear();
        m_lock.reset();
        return EngineError(message);
    };
    if (secret.isEmpty())
        throw refuse(UnlockRefusal::SecretNeeded,
                     QStringLiteral("The statement file is encrypted; it opens with its password: ") + m_fileName);
    lockFile();
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw refuse(UnlockRefusal::Other, QStringLiteral("The database file cannot be opened: ") + m_fileName);
    const QByteArray envelope = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw refuse(UnlockRefusal::Other, QStringLiteral("The database file cannot be read: ") + m_fileName);
    file.close();

    std::optional<OpenedEnvelope> opened;
    try {
        if (m_secretKind == Secret::Password)
            opened.emplace(EnvelopeSession::open(envelope, secret));
        else
            opened.emplace(EnvelopeSession::openWithRecoveryKey(envelope, secret));
    } catch (const CryptError &e) {
        const bool wrong = e.kind() == CryptError::Kind::WrongPassword || e.kind() == CryptError::Kind::WrongRecoveryKey
            || e.kind() == CryptError::Kind::MistypedRecoveryKey || e.kind() == CryptError::Kind::EmptyPassword;
        throw refuse(wrong ? UnlockRefusal::WrongSecret : UnlockRefusal::Other, e.message());
    }
    const QByteArray &image = opened->payload;
    if (const QString problem = checkHeaderBytes(image.left(100), image.size(), true); !problem.isEmpty())
        throw refuse(UnlockRefusal::Other, problem + QStringLiteral(": ") + m_fileName);
    try {
        openImage(image);
        m_session = std::make_unique<EnvelopeSession>(opened->session);
        m_image = image;
        const int version = versionOf(qint32(bigEndian(image, 60, 4)));
        if (!m_steps.empty()) {
            if (const QString difference = compareSchemaOf(*m_sql, schemaOfVersion(version)); !difference.isEmpty())
                throw EngineError(difference + QStringLiteral(": ") + m_fileName);
            if (version < UserVersion) {
                // In memory, then written as any action: the generation before stays beside it.
                m_sql->exec("BEGIN IMMEDIATE");
                for (int step = version; step < UserVersion; ++step)
                    m_sql->exec(m_steps[size_t(step)].c_str());
                if (const QString problem = compareSchemaOf(*m_sql, schemaOfVersion(UserVersion)); !problem.isEmpty())
                    throw EngineError(QStringLiteral("The database file could not be brought to version %1 (%2); it "
                                                     "is left as it was: %3")
                                          .arg(UserVersion)
                                          .arg(problem, m_fileName));
                m_sql->exec("COMMIT");
                persist();
            }
        }
        m_protected = std::make_unique<ProtectedFile>(m_fileName);
    } catch (const SQLite::Exception &e) {
        throw refuse(UnlockRefusal::Other, QString::fromUtf8(e.what()) + QStringLiteral(": ") + m_fileName);
    } catch (const EngineError &e) {
        throw refuse(UnlockRefusal::Other, e.message());
    }
}

void Database::writeEnvelope(const EnvelopeSession &session, const QByteArray &image, bool keepPrevious)
{
    struct WriteRefused {};
    const auto fill = [&](QFile &file, QString *why) {
        try {
            session.seal(image, [&](QByteArrayView piece) {
                if (!fileSystemCalls().write(file, piece))
                    throw WriteRefused{};
            });
        } catch (const WriteRefused &) {
            *why = file.error() != QFileDevice::NoError ? file.errorString()
                                                         : QStringLiteral("not every byte reached the disk");
            return false;
        }
        return true;
    };
    // Once the new generation is whole on disk, and only then, the one it replaces gets a
    // name of its own.
    const auto keep = [&](QFile &) -> QString {
        const QString previous = m_fileName + QLatin1String(PreviousGenerationSuffix);
        if (keepPrevious && QFileInfo::exists(m_fileName) && !keepGeneration(m_fileName, previous))
            return QStringLiteral("The statement file's last generation cannot be kept beside it: ") + m_fileName;
        return {};
    };
    QString error;
    if (!writeFileWhole(m_fileName, fill, &error, AtTarget::Replace, keep))
        throw EngineError(error);
}

void Database::afterWrite()
{
    if (m_session && m_depth == 0)
        persist();
}

void Database::persist()
{
    if (!m_session)
        return;
    QByteArray image;
    try {
        image = serializeMain(*m_sql);
        writeEnvelope(*m_session, image, true);
    } catch (const EngineError &e) {
        restoreImage();
        throw EngineError(QStringLiteral("The statement file could not be written, so the last action was undone "
                                         "and the file keeps what was saved before it.\n\r%1")
                              .arg(e.message()));
    }
    m_image = std::move(image);
}

void Database::restoreImage()
{
    clearStatements();
    if (!deserializeInto(*m_sql, m_image)) {
        // Memory and disk would disagree from here on: nothing more is written.
        m_writeRefusal = QStringLiteral("The statement file could not be put back as it was saved, so nothing more "
                                        "is written to it: ")
            + m_fileName;
        return;
    }
    for (Table *table : m_tables) {
        holdNotifications(table);
        table->discardAfterRollback();
    }
    scheduleDelivery();
}

QString Database::Encrypt(const QString &password, const EnvelopeSeam *seam)
{
    if (!m_sql)
        throw EngineError(QStringLiteral("The database is not connected"));
    if (m_session)
        throw EngineError(QStringLiteral("The statement file is encrypted already"));
    if (m_depth > 0)
        throw EngineError(QStringLiteral("The statement file cannot be encrypted in the middle of an action"));
    requireWritable();
    const QByteArray image = serializeMain(*m_sql);
    std::optional<CreatedEnvelope> created;
    try {
        created.emplace(seam ? createEnvelopeWith(image, password, *seam) : EnvelopeSession::create(image, password));
    } catch (const CryptError &e) {
        throw engineErrorOf(e);
    }
    lockFile();
    try {
        writeEnvelope(created->session, image, false);
    } catch (...) {
        m_lock.reset();
        throw;
    }
    // No generation of another kind stays beside the file: not a plain one, not an older
    // envelope under other keys.
    QFile::remove(m_fileName + QLatin1String(PreviousGenerationSuffix));
    // The plain file the connection had open is gone; the database goes on in memory.
    openImage(image);
    m_session = std::make_unique<EnvelopeSession>(created->session);
    m_image = image;
    for (Table *table : m_tables) {
        holdNotifications(table);
        table->discardAfterRollback();
    }
    scheduleDelivery();
    return created->recoveryKey.text();
}

void Database::ChangePassword(const QString &current, const QString &newPassword)
{
    if (!m_session)
        throw EngineError(QStringLiteral("The statement file is not encrypted"));
    try {
        const EnvelopeSession changed = m_session->withChangedPassword(current, newPassword);
        writeEnvelope(changed, m_image, false);
        *m_session = changed;
    } catch (const CryptError &e) {
        throw engineErrorOf(e);
    }
    QFile::remove(m_fileName + QLatin1String(PreviousGenerationSuffix));
}

void Database::SetNewPassword(const QString &newPassword)
{
    if (!UnlockedByRecoveryKey())
        throw EngineError(QStringLiteral("A new password is set this way only after opening with the recovery key"));
    try {
        const EnvelopeSession changed = m_session->withNewPassword(newPassword);
        writeEnvelope(changed, m_image, false);
        *m_session = changed;
    } catch (const CryptError &e) {
        throw engineErrorOf(e);
    }
    QFile::remove(m_fileName + QLatin1String(PreviousGenerationSuffix));
}

void Database::Decrypt(const QString &password)
{
    if (!m_session)
        throw EngineError(QStringLiteral("The statement file is not encrypted"));
    if (m_depth > 0)
        throw EngineError(QStringLiteral("The statement file cannot be decrypted in the middle of an action"));
    try {
        // Only the one who knows the password takes the encryption off.
        m_session->withChangedPassword(password, password);
    } catch (const CryptError &e) {
        throw engineErrorOf(e);
    }
    const QByteArray image = m_image;
    const auto fill = [&](QFile &file, QString *) { return fileSystemCalls().write(file, image); };
    QString error;
    if (!writeFileWhole(m_fileName, fill, &error))
        throw EngineError(error);
    QFile::remove(m_fileName + QLatin1String(PreviousGenerationSuffix));
    clearStatements();
    try {
        auto sql = std::make_unique<SQLite::Database>(m_fileName.toStdString(), SQLite::OPEN_READWRITE);
        sql->setBusyTimeout(BusyTimeoutMs);
        sql->exec("PRAGMA journal_mode = DELETE");
        sql->exec("PRAGMA synchronous = FULL");
        m_sql = std::move(sql);
    } catch (const SQLite::Exception &e) {
        // The plain file is whole on disk; it opens at the next start.
        disconnect();
        throw EngineError(QString::fromUtf8(e.what()) + QStringLiteral(": ") + m_fileName);
    }
    sqlite3_update_hook(m_sql->getHandle(), &Database::noteWrite, this);
    m_session.reset();
    m_image.clear();
    m_lock.reset();
    for (Table *table : m_tables) {
        holdNotifications(table);
        table->discardAfterRollback();
    }
    scheduleDelivery();
}
