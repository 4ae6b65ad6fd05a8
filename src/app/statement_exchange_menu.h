#pragma once

#include <functional>
#include <optional>

#include <QObject>
#include <QString>

class DBGrid;
class QAction;
class Tdm1;

// Where the exchange commands ask the user for a file and its password. Production uses the
// desktop's file dialogs and the password window; tests install their own, since a modal
// dialog cannot be driven from a test.
class ExchangeFileChooser
{
public:
    virtual ~ExchangeFileChooser() = default;
    // The chosen path, or empty text when the user cancelled.
    virtual QString saveFile(const QString &title, const QString &suggestedName, const QString &filter) = 0;
    virtual QString openFile(const QString &title, const QString &filter) = 0;
    // The password a file about to be written is encrypted with, typed twice: empty for
    // none, nothing when the user cancelled.
    virtual std::optional<QString> newPassword(const QString &title, const QString &text) = 0;
    // The password of an encrypted file about to be read; nothing when the user cancelled.
    virtual std::optional<QString> password(const QString &title, const QString &text) = 0;

    static ExchangeFileChooser &current();
    static void install(ExchangeFileChooser *chooser);
};

// The statement list's context menu: the selected statement out as a statement file (JSON,
// encrypted when the user gives a password) or as CSV files, a statement file in as a new statement, and the statements of another
// statement database added. After an import or merge the list shows every statement again.
class StatementExchangeMenu : public QObject
{
    Q_OBJECT

public:
    StatementExchangeMenu(DBGrid *grid, Tdm1 &dm);

    QAction *exportJsonAction() const { return m_exportJson; }
    QAction *importJsonAction() const { return m_importJson; }
    QAction *exportCsvAction() const { return m_exportCsv; }
    QAction *mergeAction() const { return m_merge; }

private:
    // The Id of the statement under the list's cursor; empty, with a message, when none.
    QString selectedStatement();
    void exportJson();
    void importJson();
    void exportCsv();
    void merge();
    void refreshingList(const std::function<void()> &change);
    void showAllStatements();

    DBGrid *m_grid;
    Tdm1 &m_dm;
    QAction *m_exportJson;
    QAction *m_importJson;
    QAction *m_exportCsv;
    QAction *m_merge;
};
