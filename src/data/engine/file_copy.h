#pragma once

#include <functional>

#include <QString>

#include "base/whole_file.h"

// Copies source over target so that target is at every moment either its old self or a
// complete copy (see writeFileWhole). On failure nothing new is left behind and *error
// (when given) says why. A target that is the source
// itself (through a link or a linked folder) is refused.
// The copy is private: a new file is readable and writable by its owner only; a replaced
// file keeps its owner's permissions and grants group and others no more than both the file
// replaced and the source did.
// verify, when given, sees the complete temporary copy before it replaces target; a non-empty
// answer refuses it and is the error. progress, when given, hears the bytes copied so far and
// the source's size after every chunk written.
using CopyProgress = std::function<void(qint64 copied, qint64 total)>;
bool copyFileReplacing(const QString &source, const QString &target, QString *error = nullptr,
                       const std::function<QString(const QString &copy)> &verify = {},
                       const CopyProgress &progress = {});

// Empty text when the folder has room for bytes more, else the reason.
QString checkRoom(const QString &folder, qint64 bytes);

// Creates folder and the missing folders above it, each open to its owner only.
bool makePrivateFolders(const QString &folder);
