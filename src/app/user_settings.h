#pragma once

#include <memory>

#include <QSettings>

// The program's own settings (such as when the last backup was made) in the user's
// configuration folder: $XDG_CONFIG_HOME/Norvale/Worthsheet.conf (~/.config when unset).
// The statements themselves live in the database file alone. The folder is looked up at
// each call, so a test that points XDG_CONFIG_HOME elsewhere gets settings of its own.
std::unique_ptr<QSettings> userSettings();

// Writes the settings now, into a file and folder open to their owner only.
void saveUserSettings(QSettings &settings);
