#pragma once

#include "database_copy_window.h"

// Copies a backup from a folder the user picks over the database file, once it is known to
// be a complete statement database; the file it replaces is kept beside it.
class TfrmRestore : public DatabaseCopyWindow
{
    Q_OBJECT

public:
    // Appended to the database file's name for the copy of what a restore replaces.
    static const QString KeptSuffix;

    TfrmRestore(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);

protected:
    Outcome transfer(const QString &databaseFile) override;

private:
    // The kept copy is made once per window, so a second restore cannot overwrite the data
    // from before the first with the data the first brought.
    bool m_kept = false;
};
