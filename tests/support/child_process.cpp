#include "child_process.h"

#include <csignal>

#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

namespace {

constexpr uid_t Nobody = 65534;

int statusOf(pid_t child)
{
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

int runUnprivileged(const QString &folder, const std::function<int()> &body)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files))
        QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    chmod(QFile::encodeName(folder).constData(), 0555);
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(Nobody) != 0 || setuid(Nobody) != 0))
            _exit(100);
        _exit(body());
    }
    const int status = child > 0 ? statusOf(child) : -1;
    chmod(QFile::encodeName(folder).constData(), 0700);
    for (const QString &name : dir.entryList(QDir::Files))
        QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    return status;
}

bool runAndKill(const std::function<void(const std::function<void()> &ready)> &body, int microseconds)
{
    int signal[2];
    if (pipe(signal) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        close(signal[0]);
        bool told = false;
        body([&] {
            if (told)
                return;
            told = true;
            const char byte = 1;
            (void)!write(signal[1], &byte, 1);
        });
        _exit(0);
    }
    close(signal[1]);
    if (child < 0) {
        close(signal[0]);
        return false;
    }
    pollfd wait{signal[0], POLLIN, 0};
    char byte = 0;
    const bool ready = poll(&wait, 1, 10000) == 1 && read(signal[0], &byte, 1) == 1;
    close(signal[0]);
    if (ready)
        usleep(useconds_t(microseconds));
    const bool killed = kill(child, SIGKILL) == 0;
    int status = 0;
    waitpid(child, &status, 0);
    return ready && killed && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}
