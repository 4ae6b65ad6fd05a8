#include "statement_commands.h"

#include <QPushButton>

#include "base/dates.h"
#include "base/guarded.h"
#include "base/messages.h"
#include "comparison/statement_comparison.h"
#include "copy/statement_copy.h"
#include "data/tdm1.h"
#include "statement_page.h"
#include "tfrm_main.h"

namespace {

const QString NothingSelected = QStringLiteral("Please select a financial statement to work with");

bool statementSelected(TfrmMain &main)
{
    if (main.LoginState() != QLatin1String("In"))
        return false;
    if (main.dm1().HasStatement() == QLatin1String("Yes"))
        return true;
    Messages::current().show(Messages::Kind::Error, NothingSelected);
    return false;
}

} // namespace

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

void addBeyondCommands(TfrmMain &main, StatementPage &statement)
{
    auto *button = new QPushButton(QStringLiteral("Ready for the Lender?"), &statement);
    button->setObjectName(QStringLiteral("btnReadiness"));
    button->setGeometry(14, 405, 160, 25);
    QObject::connect(button, &QPushButton::clicked, &main, guard([&main] { checkReadiness(main); }));
}
