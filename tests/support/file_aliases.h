#pragma once

#include <vector>

#include <QString>

// A path that reaches a file without being its text, or a name SQLite would create beside it.
struct FileAlias
{
    const char *form;
    QString path;
    // Whether a file is there; the others are names where a new file would be created.
    bool exists;
};

// Makes in folder (not the file's own) the other ways to reach file and returns them with the
// file's own path first: a symbolic link to it, a hard link to it, the file through a symbolic
// link to its folder, its journal through that link, and a link to where its -wal would be.
// Every name has an extension, so no save dialog adds one.
std::vector<FileAlias> aliasesOf(const QString &file, const QString &folder);

// A new folder in parent (one per alias) holding name as a symbolic link to the alias: where
// an output of several files (the CSV export) meets the file.
QString folderLinkingTo(const FileAlias &alias, const QString &parent, const QString &name);
