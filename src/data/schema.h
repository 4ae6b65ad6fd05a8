#pragma once

#include <QString>

// The statement database's tables and indexes, one definition for the delivered file and
// for the tests' fixtures.
const char *schemaSql();

// Writes an empty statement database at path. Refuses (returns false, with the reason in
// *error) when a file already exists there; never overwrites one. The file appears whole
// or not at all.
bool createDatabaseFile(const QString &path, QString *error = nullptr);

// Checks, without changing it, that the file at path is a complete statement database: ours
// by its header, intact by SQLite's quick check, with every table and field of the schema.
// Empty text when it is, else the reason.
QString checkStatementDatabase(const QString &path);
