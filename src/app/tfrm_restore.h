#pragma once

#include <vector>

#include "backup_generations.h"
#include "database_copy_window.h"

class QComboBox;
class QLabel;
class QLineEdit;

// Copies a backup from a folder the user picks over the database file, once it is known to
// be a complete statement database; the file it replaces is kept beside it. The folder's
// backups are listed with their dates and statements, and the one chosen is restored.
class TfrmRestore : public DatabaseCopyWindow
{
    Q_OBJECT

public:
    // Appended to the database file's name for the copy of what a restore replaces.
    static const QString KeptSuffix;

    TfrmRestore(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);

    // The backup OK restores: the one chosen in the list, else the folder's wks.ABS.
    QString chosenBackup() const;

protected:
    Outcome transfer(const QString &databaseFile) override;
    void folderChanged() override;

private:
    void listBackups();
    // The password of an encrypted backup is asked beside the list, above the log.
    void showPasswordRow();

    QComboBox *m_cbBackups;
    QLabel *m_lblBackupPassword;
    QLineEdit *m_edBackupPassword;
    std::vector<BackupGeneration> m_generations;
    // The kept copy is made once per window, so a second restore cannot overwrite the data
    // from before the first with the data the first brought.
    bool m_kept = false;
};
