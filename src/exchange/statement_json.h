#pragma once

#include <QByteArray>
#include <QString>

#include "exchange/statement_record.h"

class Tdm1;

// The statement file: one statement as JSON, described in docs/statement-format.md and
// docs/statement-format.schema.json.
namespace StatementJson {

inline constexpr char FormatName[] = "Worthsheet statement";
// The version written. Version n holds the fields of version n of the database file; every
// earlier version is still read, its missing fields empty.
inline constexpr int FormatVersion = 2;
inline constexpr int OldestFormatVersion = 1;
// A statement of a few thousand rows is well below this; anything larger is refused
// before it is read.
inline constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;
// The format nests four levels (file, statement, table, row); deeper input is refused
// as soon as it is met, before any value is built.
inline constexpr int MaxDepth = 8;
// Far more detail rows than any statement has; a file of empty rows cannot make the
// import run for minutes.
inline constexpr qsizetype MaxDetailRows = 50000;

QByteArray toJson(const StatementRecord &record);
// Checks the whole text before anything is used: strict JSON (see checkStrictJson), the
// format, and every value by the rules of StatementRules. Throws ExchangeError naming
// source and the JSON path of what is wrong.
StatementRecord fromJson(const QByteArray &json, const QString &source);
// Whether the file at path is a statement file encrypted with a password (the envelope of
// docs/encrypted-file.md around its JSON); false for one that cannot be read.
bool isEncryptedFile(const QString &path);
// The whole file: the JSON as it is, or encrypted with password. Throws ExchangeError when
// the encryption cannot be had.
QByteArray fileBytes(const StatementRecord &record, const QString &password = {});
// Reads and checks the file at path (refusing a file above MaxFileBytes unread). An
// encrypted file is opened with password first: without one, or with a wrong one, it is
// refused with a message that says so, before any of it is used.
StatementRecord readFile(const QString &path, const QString &password = {});

} // namespace StatementJson

// Writes statement id as a statement file at path (0600, whole or not at all), encrypted
// when a password is given.
void exportStatementJson(Tdm1 &dm, const QString &id, const QString &path, const QString &password = {});
// Reads the statement file (an encrypted one with its password) and stores it as a new
// statement; returns its Id. A refused file stores nothing.
QString importStatementJson(Tdm1 &dm, const QString &path, const QString &password = {});
