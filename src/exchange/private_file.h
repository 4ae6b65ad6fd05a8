#pragma once

#include <functional>

#include <QByteArray>
#include <QString>

class QIODevice;

// Writes the file at path whole or not at all, readable by its owner alone from the moment
// it exists: the content goes into a temporary file created 0600 beside it, is synced and
// then renamed over path. A failed write leaves no partial file and an existing file at
// path as it was. Throws ExchangeError naming the file when it cannot be written, and
// before anything is created when path is the statement database, its journal or a file
// the program holds open.
void writePrivateFile(const QString &path, const std::function<bool(QIODevice &device, QString *error)> &write);
void writePrivateFile(const QString &path, const QByteArray &content);
