#include "integrity_check.h"

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "connection.h"
#include "engine_error.h"
#include "query.h"

IntegrityCheck::IntegrityCheck(const QString &path) : m_path(path) {}

void IntegrityCheck::start()
{
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
}

IntegrityCheck::~IntegrityCheck()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopped = true;
        if (m_connection)
            m_connection->interrupt();
    }
    if (m_thread.joinable())
        m_thread.join();
}

QString IntegrityCheck::problemOf(Connection &db)
{
    // The first problem is enough to know; a whole file still has every page read.
    Query check(db, "PRAGMA integrity_check(1)");
    if (!check.next())
        return QStringLiteral("The integrity check gave no answer");
    const QString answer = check.text(0);
    return answer == QLatin1String("ok") ? QString() : answer;
}

void IntegrityCheck::run()
{
#ifdef __linux__
    // Background work: on a busy machine the windows come first.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
    QString problem;
    try {
        // Read only, with the usual locks: the file may be read beside the program's own
        // connection, which writes nothing until the check has ended.
        Connection db = Connection::readOnly(m_path);
        bool stopped;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            stopped = m_stopped;
            m_connection = &db;
        }
        try {
            if (!stopped)
                problem = problemOf(db);
        } catch (...) {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_connection = nullptr;
            throw;
        }
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_connection = nullptr;
    } catch (const EngineError &e) {
        problem = QStringLiteral("The file cannot be read whole: ") + e.message();
    } catch (const std::exception &e) {
        problem = QString::fromUtf8(e.what());
    }

    bool stopped;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        stopped = m_stopped;
        m_problem = problem;
        m_done = true;
    }
    m_ended.notify_all();
    if (!stopped)
        emit finished(problem);
}

QString IntegrityCheck::wait()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_ended.wait(lock, [this] { return m_done; });
    return m_stopped ? QString() : m_problem;
}

bool IntegrityCheck::done() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_done;
}
