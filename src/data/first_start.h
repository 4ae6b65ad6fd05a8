#pragma once

#include <QString>
#include <QStringList>

// The empty statement database an installed program copies on its first start, looked for
// relative to the program's folder: share/worthsheet beside bin/ (so a package unpacked
// anywhere finds its own copy), then share/worthsheet inside the folder itself (the build
// folder, where the build writes one).
QStringList databaseTemplateCandidates(const QString &programFolder);

// The first start. When LocateDatabaseFile finds no file, copies the first template of
// templates that is a complete statement database to the first place LocateDatabaseFile
// looks: every folder it makes on the way is private (0700), the file is the user's alone
// (0600) and appears whole or not at all. A file already there is never replaced, nor are
// the modes of folders that exist changed. Returns what LocateDatabaseFile finds afterwards,
// or empty text with the reason in *error.
QString provideDatabaseFile(const QStringList &templates, QString *error = nullptr);
