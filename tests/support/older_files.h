#pragma once

#include <QString>

// Statement databases as the program wrote them before the current version of the file.

// An empty file of version 1 at path, made by the statements of version 1 alone, as the
// delivering tool of that version made it (user_version 1, readable by its owner only).
void writeVersion1File(const QString &path);

// A file of version 1 at path holding every row of the current-version file source (rowids,
// keys and the login included), each with the fields version 1 has.
void writeVersion1Copy(const QString &source, const QString &path);

// Every row of every table version 1 has, in rowid order, each by the fields version 1 has,
// with the kind SQLite stores it as: two files with equal dumps hold the same values.
QString version1Dump(const QString &path);

// The fields the file has beyond those of version 1 that hold a value (neither empty text nor
// NULL), as "Table.Field" lines; empty when every one is empty.
QString filledNewFields(const QString &path);

// Empties every field beyond those of version 1, as a file of version 1 brought to version 2
// holds them.
void emptyNewFields(const QString &path);

// The file's sqlite_master, every entry's type, name, table and SQL text, by name.
QString schemaText(const QString &path);
