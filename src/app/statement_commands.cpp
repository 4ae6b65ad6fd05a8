#include "statement_commands.h"

#include <QAction>
#include <QPushButton>

#include "base/dates.h"
#include "base/guarded.h"
#include "base/messages.h"
#include "comparison/statement_comparison.h"
#include "copy/statement_copy.h"
#include "data/tdm1.h"
#include "overview_page.h"
#include "statement_page.h"
#include "tfrm_main.h"
#include "ui/db_grid.h"

namespace {

const QString NothingSelected = QStringLiteral("Please select a financial statement to work with");

QAction *command(QWidget *owner, const char *name, const QString &text, const QKeySequence &keys)
{
    auto *action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    // Only while the page is shown: a hidden page's shortcuts do not fire.
    action->setShortcutContext(Qt::WindowShortcut);
    owner->addAction(action);
    return action;
}

bool statementSelected(TfrmMain &main)
{
    if (main.LoginState() != QLatin1String("In"))
        return false;
    if (main.dm1().HasStatement() == QLatin1String("Yes"))
        return true;
    Messages::current().show(Messages::Kind::Error, NothingSelected);
    return false;
}

void copyStatement(TfrmMain &main)
{
    if (!statementSelected(main))
        return;
    Tdm1 &dm = main.dm1();
    CopyStatement(dm, dm.tblClient.FieldByName(QStringLiteral("Id")).AsString(), Dates::today());
}

void compareStatements(TfrmMain &main)
{
    if (!statementSelected(main))
        return;
    Tdm1 &dm = main.dm1();
    if (MostRecentOtherStatement(dm, dm.tblClient.FieldByName(QStringLiteral("Id")).AsString()).isEmpty()) {
        Messages::current().show(Messages::Kind::Information,
                                 QStringLiteral("There is no other statement of %1 to compare with.")
                                     .arg(dm.tblClient.FieldByName(QStringLiteral("FullName2")).AsString()));
        return;
    }
    dm.SelectStatement();
    main.open(QStringLiteral("TfrmCompare"));
}

void setStatementDate(TfrmMain &main)
{
    if (!statementSelected(main))
        return;
    main.dm1().SelectStatement();
    main.open(QStringLiteral("TfrmStatementDate"));
}

void checkReadiness(TfrmMain &main)
{
    if (!statementSelected(main))
        return;
    main.dm1().SelectStatement();
    main.open(QStringLiteral("TfrmReadiness"));
}

} // namespace

void addBeyondCommands(TfrmMain &main, OverviewPage &overview, StatementPage &statement)
{
    QAction *copy = command(&overview, "actCopyStatement", QStringLiteral("Copy as of Today"),
                            QKeySequence(Qt::CTRL | Qt::Key_D));
    QAction *compare = command(&overview, "actCompareStatements", QStringLiteral("Compare with Earlier Statement..."),
                               QKeySequence(Qt::CTRL | Qt::Key_K));
    QObject::connect(copy, &QAction::triggered, &main, guard([&main] { copyStatement(main); }));
    QAction *date = command(&overview, "actStatementDate", QStringLiteral("Statement Date..."),
                            QKeySequence(Qt::CTRL | Qt::Key_T));
    QObject::connect(compare, &QAction::triggered, &main, guard([&main] { compareStatements(main); }));
    QObject::connect(date, &QAction::triggered, &main, guard([&main] { setStatementDate(main); }));
    overview.grid()->setContextMenuPolicy(Qt::ActionsContextMenu);
    overview.grid()->addAction(copy);
    overview.grid()->addAction(compare);
    overview.grid()->addAction(date);

    QAction *ready = command(&statement, "actReadiness", QStringLiteral("Ready for the Lender?"),
                             QKeySequence(Qt::CTRL | Qt::Key_R));
    auto *button = new QPushButton(QStringLiteral("Ready for the Lender?"), &statement);
    button->setObjectName(QStringLiteral("btnReadiness"));
    button->setGeometry(14, 405, 160, 25);
    button->setToolTip(ready->shortcut().toString(QKeySequence::NativeText));
    QObject::connect(ready, &QAction::triggered, &main, guard([&main] { checkReadiness(main); }));
    QObject::connect(button, &QPushButton::clicked, ready, &QAction::trigger);
}
