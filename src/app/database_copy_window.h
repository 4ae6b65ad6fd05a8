#pragma once

#include <QPoint>
#include <QStringList>

#include "ui/section_frame.h"

class Navigator;
class QLineEdit;
class QPlainTextEdit;
class Tdm1;

// What the backup and restore windows share: a folder typed or chosen, a log of what is done,
// and OK, which disconnects the database and copies its file one way or the other. The
// database is never reconnected, so Close ends the program once OK has got that far.
class DatabaseCopyWindow : public SectionFrame
{
    Q_OBJECT

public:
    // The name of the copy in the chosen folder; no other name is offered or accepted.
    static const QString FileName;

    // The folder's copy of the database file.
    QString folderFile() const;

    struct Texts
    {
        const char *className;
        QStringList notice;
        QPoint noticePosition;
        // Logged at each change of the folder text; the first line is followed by it.
        QStringList changeLines;
        QString browseTitle;
        // "Backup" or "Restore": the word of the log's success and failure lines.
        QString operation;
        QString successMessage;
        QString failureMessage;
    };

    // What the copy did; the note (the reason of a failure, or what the user should know
    // after a success) is logged, and added to the success message.
    struct Outcome
    {
        bool succeeded = false;
        QString note;
        // Shown instead of the failure message when it tells the user more.
        QString failureMessage;
    };

protected:
    DatabaseCopyWindow(const Texts &texts, Tdm1 &dm, Navigator &navigator, QWidget *parent);

    // Copies between the database file (empty when none was found) and the folder, the
    // database being disconnected.
    virtual Outcome transfer(const QString &databaseFile) = 0;

    QString folder() const;
    // "The folder … does not exist." when the folder text names none, else empty text.
    QString missingFolder() const;
    void log(const QString &line);
    // Logs the start of the copy with the folder and the file it names, and lets the window
    // paint the log before the copy runs.
    void logStart(const QString &directory, const QString &file = FileName);
    // Runs after the log has its lines for a change of the folder text.
    virtual void folderChanged() {}
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void edWorkDirInfoChange();
    void btnBrowseClick();
    void btnOKClick();
    void btnCloseClick();

    Texts m_texts;
    Tdm1 &m_dm;
    Navigator &m_navigator;
    QLineEdit *m_edWorkDirInfo;
    QPlainTextEdit *m_memo1;
};
