#pragma once

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QString>

class Connection;
class EnvelopeSession;
class IntegrityCheck;
class ProtectedFile;
class QLockFile;
class QObject;
struct EnvelopeSeam;

namespace SQLite {
class Database;
class Statement;
}

class Table;

// The database component: one SQLite file opened in rollback-journal mode, so the file
// is complete and safe to copy whenever no transaction is open.
class Database
{
public:
    // SQLite's application_id of a statement database.
    static constexpr int ApplicationId = 0x57575331;
    // How long an operation waits for a lock another connection holds.
    static constexpr int BusyTimeoutMs = 1000;
    // SQLite's user_version of the current file format, written into new files. Files
    // delivered before it was written carry 0 and hold the tables of version 1; a file of an
    // earlier version is brought up to this one when it is connected; a later version is a
    // file this program does not know.
    static constexpr int UserVersion = 2;
    static bool knownUserVersion(int version) { return version >= 0 && version <= UserVersion; }
    // The version whose tables a file of that user_version holds (0 holds those of 1).
    static int versionOf(int userVersion) { return userVersion == 0 ? 1 : userVersion; }
    // The user_version in the header of the file at path, -1 when it cannot be read.
    static int fileUserVersion(const QString &path);
    // Beside a file whose hot journal is played back at connection: the copies taken before.
    static constexpr const char *RecoveryCopySuffix = ".before-recovery";
    // Beside a file brought up to the current version: the copy of it as it was, kept until
    // the step has committed.
    static constexpr const char *UpgradeCopySuffix = ".before-upgrade";

    // Beside an encrypted file: the generation before the last one written, and the lock
    // that keeps a second program off the file while it is open in memory.
    static constexpr const char *PreviousGenerationSuffix = ".previous";
    static constexpr const char *LockSuffix = ".lock";
    // Whether the file at path starts as an encrypted statement file (docs/encrypted-file.md).
    static bool isEncryptedFile(const QString &path);

    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void SetDatabaseFileName(const QString &path);
    QString DatabaseFileName() const { return m_fileName; }
    void SetDatabaseName(const QString &name) { m_databaseName = name; }
    QString DatabaseName() const { return m_databaseName; }
    void SetKeepConnection(bool keep) { m_keepConnection = keep; }
    // The SQL of each version of the file: the first creates the tables and indexes of
    // version 1, each further one is the step from the version before (there are UserVersion
    // of them). Connecting refuses a file whose schema is not exactly the one of its version,
    // and brings a file of an earlier version up to the current one. Without them only the
    // file's header is checked.
    void SetSchema(const std::vector<const char *> &steps);
    bool KeepConnection() const { return m_keepConnection; }

    // Connecting checks that the file is a complete statement database before SQLite
    // touches it; anything else is refused with an EngineError and left as it was. A hot
    // journal beside the file is played back only after file and journal are copied aside,
    // and both are put back when the result is not whole. A file of an earlier version is
    // copied aside (UpgradeCopySuffix), then the steps up to the current version run in one
    // transaction on it, and the copy is removed once they have committed: a failure or a
    // kill leaves the file of its version, whole, or of the current one.
    void SetConnected(bool connected);
    // Hears how far the copy kept aside before a step to the current version has come (bytes
    // copied, bytes in all); the copy is the long part of the step, the step itself one
    // schema write.
    void SetUpgradeProgress(std::function<void(qint64 copied, qint64 total)> progress)
    {
        m_upgradeProgress = std::move(progress);
    }
    bool Connected() const { return m_sql != nullptr; }
    void Close() { SetConnected(false); }

    // An encrypted file is opened whole into memory with the secret given here (forgotten
    // once the connection has used it): each committed action then writes the whole file
    // anew, the generation before it kept beside it, and an action whose file could not be
    // written is undone in memory too. Connecting refuses an encrypted file without a secret
    // or with a wrong one; UnlockRefusal says which, for a caller that asks again.
    enum class Secret { Password, RecoveryKey };
    void SetSecret(Secret kind, const QString &text);
    enum class UnlockRefusal { None, SecretNeeded, WrongSecret, Other };
    UnlockRefusal LastUnlockRefusal() const { return m_unlockRefusal; }
    bool Encrypted() const { return m_session != nullptr; }
    // Opened with the recovery key: a new password may be set without the old one.
    bool UnlockedByRecoveryKey() const;

    // The connected plain file encrypted with password, in its place: no plain copy stays
    // beside it. Returns the recovery key, to be shown once. The seam is the tests' only.
    QString Encrypt(const QString &password, const EnvelopeSeam *seam = nullptr);
    // A new password slot; WrongPassword (an EngineError) when current is not the file's.
    // No generation sealed with the old password is kept beside the file.
    void ChangePassword(const QString &current, const QString &newPassword);
    // After opening with the recovery key.
    void SetNewPassword(const QString &newPassword);
    // The connected encrypted file written plain in its place, once password is its own.
    void Decrypt(const QString &password);

    // Groups the posts of one operation into one commit. Nested scopes join the outermost;
    // a scope left without Commit() (an exception) rolls the whole operation back and
    // makes every open table re-read its rows.
    class Transaction
    {
    public:
        explicit Transaction(Database &db);
        ~Transaction();
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;
        void Commit();

    private:
        Database &m_db;
        bool m_done = false;
    };

    // Starts SQLite's full check of the connected file on a worker thread; its answer (the
    // problem found, empty when the file is whole) comes to answered in receiver's thread.
    // From then on every write first waits for its end; once it has found the file
    // damaged, every write is refused with an EngineError and nothing more is written.
    void startIntegrityCheck(QObject *receiver = nullptr,
                             std::function<void(const QString &problem)> answered = {});
    // Waits for a check still running; the problem it found, empty when the file is whole
    // or no check was started.
    QString awaitIntegrityCheck();
    // Whether writes are refused (after waiting for a check still running).
    bool refusesWrites();
    // Throws the refusal when writes are refused.
    void requireWritable();

    // The most recently used prepared statements are kept (see Query).
    static constexpr size_t StatementCacheSize = 96;
    size_t cachedStatements() const { return m_statements.size(); }
    void registerTable(Table *table);
    void unregisterTable(Table *table);
    bool inTransaction() const { return m_depth > 0; }

    // Checks the file without opening it through SQLite; returns an empty text when the
    // file looks like a complete statement database, else the reason. The size is compared
    // with the header's page count only when sizeMustMatch (a hot journal may legitimately
    // leave the file at another size until it is played back).
    static QString checkFileHeader(const QString &path, bool sizeMustMatch = true);
    // Compares the schema of an open file (sqlite_master: every table, index, trigger and
    // view) with the one schemaSql creates; empty text when they are the same, else the
    // first difference.
    static QString compareSchema(Connection &file, const char *schemaSql);
    // Whether SQLite would play back the journal beside the file when it opens it.
    static bool hasHotJournal(const QString &path);

    // Rows of the table (of every table when the name is empty) were written by other means
    // than its Table objects: each open one re-reads its rows at its place, and its
    // listeners hear of it once the action has ended, as after a rollback.
    void rowsChanged(const QString &tableName);

    // Tells the tables' listeners what a rollback or a write changed; runs on its own once
    // the action has ended (at its commit, or from the event loop).
    void deliverNotifications();

private:
    friend class Query;
    friend class Table;

    // Engine internals used by Table and Query.
    SQLite::Database &sql();
    // A prepared statement for the text, reset and without bindings, for the caller alone:
    // while one caller holds it, another asking for the same text gets a statement of its
    // own, so a nested read never resets an outer one.
    std::shared_ptr<SQLite::Statement> statement(const std::string &text);
    // While a Query writes, the tables it writes rows of are noted here (SQLite's update
    // hook); nothing is noted otherwise.
    std::vector<std::string> *m_written = nullptr;
    static void noteWrite(void *database, int operation, const char *schema, const char *table, long long rowid);

    void holdNotifications(Table *table);
    void scheduleDelivery();
    void connect();
    void disconnect();
    void rollback();
    // The schema of the file's version, compared before the read-write open; returns the
    // file's version.
    int checkSchema() const;
    void upgrade(int fromVersion);
    const char *schemaOfVersion(int version) const;
    void recoverFromJournal();
    void clearStatements();
    void refuseWrites();
    static QString compareSchemaOf(SQLite::Database &db, const char *schemaSql);
    void connectEncrypted();
    void openImage(const QByteArray &image);
    void lockFile();
    // After a committed write of an encrypted file: the file written anew, or on failure the
    // database put back to the last image written and an EngineError thrown.
    void persist();
    // After a statement that wrote: outside a transaction it is an action of its own.
    void afterWrite();
    void writeEnvelope(const EnvelopeSession &session, const QByteArray &image, bool keepPrevious);
    void restoreImage();

    QString m_fileName;
    QString m_databaseName;
    bool m_keepConnection = false;
    std::unique_ptr<SQLite::Database> m_sql;
    // While connected no output may replace the file or its journals.
    std::unique_ptr<ProtectedFile> m_protected;
    using CachedStatement = std::pair<std::string, std::shared_ptr<SQLite::Statement>>;
    std::list<CachedStatement> m_recentStatements; // most recently used first
    std::unordered_map<std::string, std::list<CachedStatement>::iterator> m_statements;
    std::vector<Table *> m_tables;
    // Tables whose listeners have not yet heard of a rollback.
    std::vector<Table *> m_unnotified;
    std::unique_ptr<QObject> m_notifier;
    bool m_deliveryScheduled = false;
    // The steps, and the schema of each version they make (the steps up to it).
    std::vector<std::string> m_steps;
    std::vector<std::string> m_schemas;
    std::function<void(qint64, qint64)> m_upgradeProgress;
    std::unique_ptr<IntegrityCheck> m_integrity;
    QString m_writeRefusal;
    int m_depth = 0;
    bool m_doomed = false;
    // Of an encrypted file: the unlocked envelope, the image last written, the lock.
    std::unique_ptr<EnvelopeSession> m_session;
    QByteArray m_image;
    std::unique_ptr<QLockFile> m_lock;
    Secret m_secretKind = Secret::Password;
    QString m_secret;
    UnlockRefusal m_unlockRefusal = UnlockRefusal::None;
};
