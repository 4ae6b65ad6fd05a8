#include "database_copy_window.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "base/guarded.h"
#include "base/messages.h"
#include "base/pending_messages.h"
#include "data/tdm1.h"
#include "shell.h"
#include "ui/navigator.h"
#include "ui/typed_control.h"
#include "window_parts.h"

const QString DatabaseCopyWindow::FileName = QStringLiteral("wks.ABS");

DatabaseCopyWindow::DatabaseCopyWindow(const Texts &texts, Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionFrame(parent), m_texts(texts), m_dm(dm), m_navigator(navigator)
{
    nameWindow(this, texts.className);
    QPoint position = texts.noticePosition;
    for (const QString &line : texts.notice) {
        QLabel *notice = addLabel(this, line, position, 13);
        position.ry() += notice->fontMetrics().lineSpacing();
    }
    QLabel *label1 = addLabel(this, QStringLiteral("Select Backup Folder:"), {40, 191});
    label1->setObjectName(QStringLiteral("Label1"));

    m_edWorkDirInfo = new QLineEdit(this);
    m_edWorkDirInfo->setObjectName(QStringLiteral("edWorkDirInfo"));
    m_edWorkDirInfo->setGeometry(165, 188, 257, 21);
    label1->setBuddy(m_edWorkDirInfo);
    QPushButton *browse = addButton("btnBrowse", QStringLiteral("Browse"), {428, 187});

    m_memo1 = new QPlainTextEdit(this);
    m_memo1->setObjectName(QStringLiteral("Memo1"));
    m_memo1->setGeometry(40, 240, 463, 137);
    m_memo1->setReadOnly(true);
    m_memo1->setTabChangesFocus(true);
    QFont small = font();
    small.setPixelSize(11);
    m_memo1->setFont(small);

    addWebSiteLink(this);
    QPushButton *closeButton = addButton("btnClose", QStringLiteral("Close"), {359, 392});
    QPushButton *ok = addButton("btnOK", QStringLiteral("OK"), {440, 392});

    setTabOrder(m_edWorkDirInfo, ok);
    setTabOrder(ok, closeButton);
    setTabOrder(closeButton, browse);
    setTabOrder(browse, m_memo1);
    m_edWorkDirInfo->setFocus();

    connect(m_edWorkDirInfo, &QLineEdit::textChanged, this, guard([this] { edWorkDirInfoChange(); }));
    connect(browse, &QPushButton::clicked, this, guard([this] { btnBrowseClick(); }));
    connect(ok, &QPushButton::clicked, this, guard([this] { btnOKClick(); }));
    connect(closeButton, &QPushButton::clicked, this, guard([this] { btnCloseClick(); }));
}

QString DatabaseCopyWindow::folder() const
{
    return m_edWorkDirInfo->text();
}

QString DatabaseCopyWindow::folderFile() const
{
    return QDir::toNativeSeparators(QDir(folder()).filePath(FileName));
}

void DatabaseCopyWindow::log(const QString &line)
{
    m_memo1->appendPlainText(line);
}

QString DatabaseCopyWindow::missingFolder() const
{
    if (QFileInfo::exists(folder()))
        return {};
    return QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder()));
}

void DatabaseCopyWindow::logStart(const QString &directory, const QString &file)
{
    log(QStringLiteral("Starting %1...").arg(m_texts.operation));
    log(m_texts.operation + QStringLiteral(" Directory: ") + directory);
    log(m_texts.operation + QStringLiteral(" File: ") + file);
    letPendingMessagesRun();
}

void DatabaseCopyWindow::showEvent(QShowEvent *event)
{
    SectionFrame::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { FormShow(); });
}

void DatabaseCopyWindow::FormShow()
{
    m_memo1->clear();
}

void DatabaseCopyWindow::edWorkDirInfoChange()
{
    log(m_texts.changeLines.value(0) + folder());
    for (qsizetype i = 1; i < m_texts.changeLines.size(); ++i)
        log(m_texts.changeLines.at(i));
    folderChanged();
}

void DatabaseCopyWindow::btnBrowseClick()
{
    // Whatever comes back replaces the folder text: a cancelled chooser empties it.
    m_edWorkDirInfo->setText(BrowseForFolder(m_texts.browseTitle, folder()));
}

void DatabaseCopyWindow::btnOKClick()
{
    if (folder().isEmpty()) {
        TypedControl::focusRefused(m_edWorkDirInfo);
        Messages::current().show(Messages::Kind::Error, QStringLiteral("Please enter the backup directory."));
        return;
    }
    log(QStringLiteral("Disconnecting Database..."));
    m_dm.DisconnectDatabase();
    log(QStringLiteral("Disconnecting Tables..."));
    m_dm.CloseTables();
    const Outcome outcome = transfer(Tdm1::LocateDatabaseFile());

    if (!outcome.note.isEmpty())
        log(outcome.note);
    const QString closeLine = QStringLiteral("Click on \"Close\".");
    if (outcome.succeeded) {
        log(m_texts.operation + QStringLiteral(" Successful."));
        log(QStringLiteral("The Worthsheet must be closed for changes to be updated."));
        log(closeLine);
        QString message = m_texts.successMessage;
        if (!outcome.note.isEmpty())
            message += QStringLiteral("\n\r\n\r") + outcome.note;
        Messages::current().show(Messages::Kind::Information, message);
    } else {
        log(m_texts.operation + QStringLiteral(" Failed."));
        log(QStringLiteral("The Worthsheet must be closed."));
        log(closeLine);
        Messages::current().show(Messages::Kind::Error,
                                 outcome.failureMessage.isEmpty() ? m_texts.failureMessage : outcome.failureMessage);
    }
}

void DatabaseCopyWindow::btnCloseClick()
{
    // After an attempt the database stays disconnected: only a new start opens it again.
    if (m_dm.db1.Connected())
        m_navigator.returnToMain();
    else
        m_navigator.endProgram();
    close();
}
