#pragma once

#include <functional>

#include <QString>

// Copies source over target so that target is at every moment either its old self or a
// complete copy: the bytes go into a temporary file beside target, reach the disk, and only
// then is the temporary file renamed over target. On failure nothing new is left behind and
// *error (when given) says why. Replacing keeps the permissions of the file replaced.
// verify, when given, sees the complete temporary copy before it replaces target; a non-empty
// answer refuses it and is the error.
bool copyFileReplacing(const QString &source, const QString &target, QString *error = nullptr,
                       const std::function<QString(const QString &copy)> &verify = {});
