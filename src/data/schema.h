#pragma once

#include <QString>

// The statement database's tables and indexes, one definition for the delivered file and
// for the tests' fixtures.
const char *schemaSql();

// Writes an empty statement database at path, readable by its owner only, creating the
// missing folders (open to their owner only). Refuses (returns false, with the reason in
// *error) when a file already exists there; never overwrites one. The file appears whole
// or not at all.
bool createDatabaseFile(const QString &path, QString *error = nullptr);

// The one full check of a statement database chosen by the user, without changing it: no
// journal beside it; ours by its header (application_id, a user_version we know, a size that
// matches its page count); exactly our schema (every table, field and index, and no trigger
// or view); intact by SQLite's integrity check. Empty text when it is, else the reason.
QString checkStatementDatabase(const QString &path);
