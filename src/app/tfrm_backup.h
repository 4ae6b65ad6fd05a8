#pragma once

#include "database_copy_window.h"

// Copies the database file into a folder the user picks, as its wks.ABS; the backup that
// was there is kept beside it under the time it was made.
class TfrmBackup : public DatabaseCopyWindow
{
    Q_OBJECT

public:
    TfrmBackup(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);

protected:
    Outcome transfer(const QString &databaseFile) override;
};
