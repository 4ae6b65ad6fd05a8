#pragma once

#include <QByteArray>
#include <QString>

// A statement database as bytes rather than as a file: what an encrypted statement file
// holds, checked and read without a plain copy ever reaching the disk.

// The first 100 bytes of a database file and the file's size: empty text when they are
// those of a complete statement database, else the reason.
QString checkHeaderBytes(const QByteArray &header, qint64 size, bool sizeMustMatch = true);

// The database an encrypted statement file holds, opened with its password. Throws an
// EngineError that says why not (wrong password, damage); the file is only read.
QByteArray decryptStatementFile(const QString &path, const QString &password);
