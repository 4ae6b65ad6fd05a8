#pragma once

#include <functional>

#include <QString>

// Runs body in a child process as an unprivileged user (when the tests run as root, who
// may write any file), with the folder's files made read-only; returns the child's exit
// status, or -1 when it did not exit normally.
int runUnprivileged(const QString &folder, const std::function<int()> &body);

// Runs body in a child process and kills it with SIGKILL, as a crash or a power cut would
// end the program: the given microseconds after the body called its ready() (once its
// work is under way; a slow start, under a sanitizer or a loaded machine, does not eat
// into the time). Returns true when it was killed, false when it ended on its own first
// or never became ready within ten seconds.
bool runAndKill(const std::function<void(const std::function<void()> &ready)> &body, int microseconds);
