#include "main_commands.h"

#include "statement_commands.h"
#include "overview_page.h"
#include "statement_exchange_menu.h"
#include "tfrm_guide.h"
#include "tfrm_main.h"

namespace {

// The commands on the list's statements show the list first, so the user sees what they
// did. From another page the statement that page shows stays selected; on the list itself
// nothing moves (showing the page again would select its first row).
void toOverview(TfrmMain &main)
{
    if (!main.OnOverview())
        main.ShowOverviewPage();
}

void onOverview(TfrmMain &main, void (StatementExchangeMenu::*command)())
{
    toOverview(main);
    (main.overview().exchange().*command)();
}

} // namespace

const std::vector<MainCommand> &mainCommands()
{
    using N = CommandNeed;
    static const std::vector<MainCommand> commands = {
        {"actNewStatement", "&File", "&New Statement...", QKeySequence(Qt::CTRL | Qt::Key_N), N::Login,
         [](TfrmMain &m) { m.imAdd_UpClick(); }, false, false, "imAdd"},
        {"actEditStatement", "&File", "&Edit Statement...", QKeySequence(Qt::CTRL | Qt::Key_E), N::Statement,
         [](TfrmMain &m) { m.imEdit_UpClick(); }, false, false, "imEdit"},
        {"actDeleteStatement", "&File", "&Delete Statement...", QKeySequence(Qt::Key_Delete), N::Statement,
         [](TfrmMain &m) { m.imDelete_UpClick(); }, false, false, "imDelete"},
        {"actExportJson", "&File", "Export Statement File...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
         N::Statement, [](TfrmMain &m) { onOverview(m, &StatementExchangeMenu::exportJson); }, true, true},
        {"actExportCsv", "&File", "Export CSV Files...", {}, N::Statement,
         [](TfrmMain &m) { onOverview(m, &StatementExchangeMenu::exportCsv); }, true},
        {"actImportJson", "&File", "Import Statement File...", QKeySequence(Qt::CTRL | Qt::Key_I), N::Login,
         [](TfrmMain &m) { onOverview(m, &StatementExchangeMenu::importJson); }, true},
        {"actMerge", "&File", "Add Statements from Another Database...", {}, N::Login,
         [](TfrmMain &m) { onOverview(m, &StatementExchangeMenu::merge); }, true},
        {"actBackup", "&File", "&Backup...", {}, N::Login, [](TfrmMain &m) { m.open(QStringLiteral("TfrmBackup")); },
         false, true},
        {"actRestore", "&File", "&Restore...", {}, N::Login, [](TfrmMain &m) { m.open(QStringLiteral("TfrmRestore")); }},
        {"actChangeLogin", "&File", "Change &Login...", {}, N::Login, [](TfrmMain &m) { m.changeLogin(); }},
        {"actLock", "&File", "Log &Out", QKeySequence(Qt::CTRL | Qt::Key_L), N::Login, [](TfrmMain &m) { m.lock(); },
         false, true},
        {"actExit", "&File", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q), N::Nothing, [](TfrmMain &m) { m.close(); }},

        {"actCopyStatement", "&Statement", "Copy as of Today", QKeySequence(Qt::CTRL | Qt::Key_D), N::Statement,
         [](TfrmMain &m) {
             toOverview(m);
             copyStatement(m);
         },
         true},
        {"actCompareStatements", "&Statement", "Compare with Earlier Statement...", QKeySequence(Qt::CTRL | Qt::Key_K),
         N::Statement, compareStatements, true},
        {"actStatementDate", "&Statement", "Statement Date...", QKeySequence(Qt::CTRL | Qt::Key_T), N::Statement,
         setStatementDate, true},
        {"actReadiness", "&Statement", "Ready for the Lender?", QKeySequence(Qt::CTRL | Qt::Key_R), N::Statement,
         checkReadiness, false, false, "btnReadiness"},

        {"actPrint", "&Print", "&Print and Preview...", QKeySequence(Qt::CTRL | Qt::Key_P), N::Statement,
         [](TfrmMain &m) { m.imPrint_UpClick(); }, false, false, "imPrint"},
        {"actBlankForm", "&Print", "&Blank Form...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), N::Login,
         [](TfrmMain &m) { m.printBlankForm(); }},

        {"actUserGuide", "&Help", "User &Guide", QKeySequence(Qt::Key_F1), N::Login,
         [](TfrmMain &m) { openUserGuide(&m); }},
        {"actCheckUpdate", "&Help", "Check for &Updates", {}, N::Login, [](TfrmMain &m) { m.imCheckUpdate_upClick(); }},
        {"actAbout", "&Help", "&About Worthsheet", {}, N::Nothing, [](TfrmMain &m) { m.lblInfoClick(); }, false, true},
    };
    return commands;
}
