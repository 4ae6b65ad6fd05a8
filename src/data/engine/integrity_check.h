#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

#include <QObject>
#include <QString>

class Connection;

// SQLite's full check of a database file, on a worker thread over a read-only connection
// of its own, so that a start on a large file is not held up by it.
class IntegrityCheck : public QObject
{
    Q_OBJECT

public:
    explicit IntegrityCheck(const QString &path);
    // Stops a check still running and waits for its thread.
    ~IntegrityCheck() override;
    IntegrityCheck(const IntegrityCheck &) = delete;
    IntegrityCheck &operator=(const IntegrityCheck &) = delete;

    // Starts the check on its thread; connect to finished() before.
    void start();

    // Waits until the check has ended; the first problem found, empty when the file is
    // whole (or the check was stopped).
    QString wait();
    bool done() const;

    // The full check on an open connection: empty when the file is whole, else the first
    // problem SQLite reports. A file too damaged to be checked throws an EngineError.
    static QString problemOf(Connection &db);

signals:
    // Emitted on the worker thread when a check has ended (never when it was stopped), so
    // a receiver on the user-interface thread gets it queued.
    void finished(const QString &problem);

private:
    void run();

    mutable std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    bool m_stopped = false;
    QString m_path;
    QString m_problem;
    Connection *m_connection = nullptr; // while the check reads, so that it can be interrupted
    std::thread m_thread;
};
