#pragma once

#include <QString>

#include <vector>

// The statement database's tables and indexes at the current version, one definition for the
// delivered file and for the tests' fixtures: the tables of version 1 followed by each step.
const char *schemaSql();
// The statements that bring a file to each version: the first makes version 1 from nothing,
// each further one takes the version before to the next (ALTER TABLE … ADD COLUMN and the new
// user_version). Their number is Database::UserVersion.
const std::vector<const char *> &schemaSteps();
// The schema a file of that version (1 up to Database::UserVersion) holds: the steps up to it.
const char *schemaSqlOfVersion(int version);

// Writes an empty statement database at path, readable by its owner only, creating the
// missing folders (open to their owner only). Refuses (returns false, with the reason in
// *error) when a file already exists there; never overwrites one. The file appears whole
// or not at all.
bool createDatabaseFile(const QString &path, QString *error = nullptr);

// The one full check of a statement database chosen by the user, without changing it: no
// journal beside it; ours by its header (application_id, a user_version we know, a size that
// matches its page count); exactly the schema of its version (every table, field and index,
// and no trigger or view); intact by SQLite's integrity check. Empty text when it is, else
// the reason. A file of an earlier version passes: it is brought up to date when connected.
QString checkStatementDatabase(const QString &path);
// The same check of the database an encrypted statement file holds, opened with its password
// in memory (a wrong password is the reason given).
QString checkEncryptedStatementDatabase(const QString &path, const QString &password);
