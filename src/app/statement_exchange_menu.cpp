#include "statement_exchange_menu.h"

#include <QFileDialog>
#include <QFileInfo>

#include "app/shell.h"
#include "base/messages.h"
#include "data/tdm1.h"
#include "exchange/statement_csv.h"
#include "exchange/statement_json.h"
#include "exchange/statement_merge.h"
#include "print/engine/password_dialog.h"
#include "ui/db_grid.h"

namespace {

const QString JsonFilter = QStringLiteral("Statement files (*.json)");
const QString DatabaseFilter = QStringLiteral("Statement databases (*.ABS);;All files (*)");

class DesktopFileChooser : public ExchangeFileChooser
{
public:
    QString saveFile(const QString &title, const QString &suggestedName, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(nullptr, title, suggestedName, filter);
    }
    QString openFile(const QString &title, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(nullptr, title, QString(), filter);
    }
    std::optional<QString> newPassword(const QString &title, const QString &text) override
    {
        return Report::askPassword(nullptr, {title, text, true, true});
    }
    std::optional<QString> password(const QString &title, const QString &text) override
    {
        return Report::askPassword(nullptr, {title, text, false, false});
    }
};

ExchangeFileChooser *installedChooser = nullptr;

} // namespace

ExchangeFileChooser &ExchangeFileChooser::current()
{
    static DesktopFileChooser desktop;
    return installedChooser ? *installedChooser : desktop;
}

void ExchangeFileChooser::install(ExchangeFileChooser *chooser)
{
    installedChooser = chooser;
}

StatementExchangeMenu::StatementExchangeMenu(DBGrid *grid, Tdm1 &dm) : QObject(grid), m_grid(grid), m_dm(dm)
{
}

QString StatementExchangeMenu::selectedStatement()
{
    const QString id = m_dm.tblClient.FieldByName(QStringLiteral("Id")).AsString();
    if (id.isEmpty())
        Messages::current().show(Messages::Kind::Warning, QStringLiteral("Select a statement in the list first."));
    return id;
}

void StatementExchangeMenu::exportJson()
{
    const QString id = selectedStatement();
    if (id.isEmpty())
        return;
    const QString suggested = m_dm.tblClient.FieldByName(QStringLiteral("FullName2")).AsString().trimmed();
    const QString path = ExchangeFileChooser::current().saveFile(
        QStringLiteral("Export Statement File"), (suggested.isEmpty() ? QStringLiteral("statement") : suggested) + QStringLiteral(".json"),
        JsonFilter);
    if (path.isEmpty())
        return;
    const std::optional<QString> password = ExchangeFileChooser::current().newPassword(
        QStringLiteral("Export Statement File"),
        QStringLiteral("With a password the statement file is encrypted: it opens only with that password, which "
                       "nothing can recover. Leave both fields empty to write it as plain text, which anyone who "
                       "has the file can read."));
    if (!password)
        return;
    exportStatementJson(m_dm, id, path, *password);
    Messages::current().show(Messages::Kind::Information,
                             password->isEmpty() ? QStringLiteral("The statement was written to %1.").arg(path)
                                                 : QStringLiteral("The statement was written to %1, encrypted with "
                                                                  "its password.")
                                                       .arg(path));
}

void StatementExchangeMenu::exportCsv()
{
    const QString id = selectedStatement();
    if (id.isEmpty())
        return;
    // The numbers go out unencrypted: the chooser says so before anything is written.
    const QString folder = BrowseForFolder(QStringLiteral("Choose an empty folder for the CSV files (plain text, "
                                                          "not encrypted: anyone who has them can read them)"),
                                           QString());
    if (folder.isEmpty())
        return;
    const QStringList files = exportStatementCsv(m_dm, id, folder);
    Messages::current().show(Messages::Kind::Information,
                             QStringLiteral("%1 CSV files, one per table, were written to %2.").arg(files.size()).arg(folder));
}

void StatementExchangeMenu::importJson()
{
    const QString path = ExchangeFileChooser::current().openFile(QStringLiteral("Import Statement File"), JsonFilter);
    if (path.isEmpty())
        return;
    QString password;
    if (StatementJson::isEncryptedFile(path)) {
        const std::optional<QString> typed = ExchangeFileChooser::current().password(
            QStringLiteral("Import Statement File"),
            QStringLiteral("%1 is encrypted. Type its password.").arg(QFileInfo(path).fileName()));
        if (!typed)
            return;
        password = *typed;
    }
    refreshingList([&] { importStatementJson(m_dm, path, password); });
    Messages::current().show(Messages::Kind::Information,
                             QStringLiteral("The statement of %1 was added.").arg(QFileInfo(path).fileName()));
}

void StatementExchangeMenu::merge()
{
    const QString path = ExchangeFileChooser::current().openFile(QStringLiteral("Add Statements from Another Database"),
                                                                 DatabaseFilter);
    if (path.isEmpty())
        return;
    MergeResult result;
    refreshingList([&] { result = mergeStatementFile(m_dm, path); });
    Messages::current().show(Messages::Kind::Information, mergeResultText(result, path));
}

void StatementExchangeMenu::refreshingList(const std::function<void()> &change)
{
    // Whatever the outcome, the list shows what the file now holds.
    try {
        change();
    } catch (...) {
        showAllStatements();
        throw;
    }
    showAllStatements();
}

void StatementExchangeMenu::showAllStatements()
{
    m_grid->tableModel()->reload();
    m_dm.SelectStatementDetails();
}
