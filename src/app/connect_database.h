#pragma once

#include <QString>

class Messages;
class QObject;
class Tdm1;

extern const QString ConnectionErrorText;
// What the window says while the file is brought to the current version.
extern const QString UpgradeProgressText;
// Shown when the full check finds the file damaged: names it and says what to do.
QString damagedFileText(const QString &path);

// Creates the data module, finds the database file, connects and opens every table. When
// no usable file is found it shows the connection error; the module is then returned
// unconnected. An encrypted file is returned unconnected too, to be opened with its password.
Tdm1 *ConnectDatabase(QObject *owner, Messages &messages);
