// The list windows on a database of 10,000 statements, through the real main window: open
// a window whose table holds 100 of the statement's rows, OK on a changed row, and a step
// of the walk.
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "app/tfrm_main.h"
#include "base/pending_messages.h"
#include "data/tdm1.h"
#include "fixture.h"
#include "sections/list_members.h"
#include "sections/section_list_editor.h"
#include "sections/section_windows.h"

namespace {

// The program on a copy of the benchmark database, past the login, with the list's cursor
// on the statement that has 100 rows in the given table.
class Program
{
public:
    // On the statement with 100 rows in the table, or on the given statement.
    explicit Program(const QString &table, const QString &statement = {})
    {
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
        const QString path = Tdm1::DatabaseFileCandidates().first();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::copy(benchDatabasePath(), path);
        m_statement = statement.isEmpty() ? heavyStatementId(table) : statement;
        startMain();
        selectStatement();
    }
    // The main window with its menu bar, shown and past the login. The file's full check,
    // which runs while the user logs in, is awaited untimed when a benchmark is given.
    void startMain(benchmark::State *timed = nullptr)
    {
        WindowRegistry windows;
        addSectionWindows(windows);
        main = std::make_unique<TfrmMain>(std::move(windows));
        main->show();
        if (timed) {
            timed->PauseTiming();
            main->dm1().db1.awaitIntegrityCheck();
            timed->ResumeTiming();
        }
        main->EnterProgram();
    }
    void selectStatement()
    {
        Tdm1 &dm = main->dm1();
        dm.StatementEditMode = QStringLiteral("Edit");
        for (dm.tblClient.First(); !dm.tblClient.Eof(); dm.tblClient.Next())
            if (dm.tblClient.FieldByName(QStringLiteral("Id")).AsString() == m_statement)
                break;
    }
    void closeMain()
    {
        if (QWidget *w = main->shownWindow())
            w->close();
        main->close();
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ~Program()
    {
        if (QWidget *w = main->shownWindow())
            w->close();
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qunsetenv("XDG_DATA_HOME");
    }
    SectionListEditor *open(const QString &link)
    {
        main->openSection(link);
        letPendingMessagesRun();
        return qobject_cast<SectionListEditor *>(main->shownWindow());
    }

    QTemporaryDir m_home;
    QString m_statement;
    std::unique_ptr<TfrmMain> main;
};

void OpenListWindow(benchmark::State &state, const char *table, const char *link)
{
    Program program(QString::fromLatin1(table));
    for (auto _ : state) {
        SectionListEditor *window = program.open(QString::fromLatin1(link));
        if (!window) {
            state.SkipWithError("the window did not open");
            return;
        }
        state.PauseTiming();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(OpenListWindow, Cash, "Cash", "lblCash")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenListWindow, Expenses, "Expenditure", "lblExpenses")->Unit(benchmark::kMillisecond);

// The main window built with its menu bar, shown and past the login, then the list window
// of the statement's 100 cash rows opened from it.
void MainWindowAndListWindow(benchmark::State &state)
{
    Program program(QStringLiteral("Cash"));
    for (auto _ : state) {
        state.PauseTiming();
        program.closeMain();
        state.ResumeTiming();
        program.startMain(&state);
        state.PauseTiming();
        program.selectStatement();
        state.ResumeTiming();
        if (!program.open(QStringLiteral("lblCash"))) {
            state.SkipWithError("the window did not open");
            return;
        }
    }
}
BENCHMARK(MainWindowAndListWindow)->Unit(benchmark::kMillisecond);

void ListWindowOK(benchmark::State &state, const char *table, const char *link, const char *field)
{
    Program program(QString::fromLatin1(table));
    SectionListEditor *window = program.open(QString::fromLatin1(link));
    if (!window) {
        state.SkipWithError("the window did not open");
        return;
    }
    Table &rows = program.main->dm1().*(window->member().table);
    double amount = 100;
    for (auto _ : state) {
        state.PauseTiming();
        rows.Edit();
        rows.FieldByName(QString::fromLatin1(field)).SetAsFloat(amount += 1);
        state.ResumeTiming();
        window->btnOKClick();
    }
}
BENCHMARK_CAPTURE(ListWindowOK, Cash, "Cash", "lblCash", "Balance")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListWindowOK, Expenses, "Expenditure", "lblExpenses", "Amount")->Unit(benchmark::kMillisecond);

// Next from one window to the following: list windows with their table's rows, and the
// particulars of the full joint statement, across the spouse branch.
void WalkStep(benchmark::State &state, const char *table, const char *link)
{
    Program program(QString::fromLatin1(table), table ? QString() : fullStatementId());
    for (auto _ : state) {
        state.PauseTiming();
        program.main->openSection(QString::fromLatin1(link));
        letPendingMessagesRun();
        QWidget *window = program.main->shownWindow();
        auto *next = window ? window->findChild<QPushButton *>(QStringLiteral("btnNext")) : nullptr;
        if (!next) {
            state.SkipWithError("the window did not open");
            return;
        }
        state.ResumeTiming();
        next->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.PauseTiming();
        if (QWidget *next = program.main->shownWindow())
            next->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(WalkStep, CashToInvestments, "Cash", "lblCash")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WalkStep, IncomeToExpenses, "Incomes", "lblIncome")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WalkStep, PersonalInfoToEmployment, nullptr, "lblPersonalInformation")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WalkStep, PersonalContactsToSpouseInfo, nullptr, "lblContacts")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WalkStep, SpouseContactsToCash, nullptr, "lblSpouseContacts")->Unit(benchmark::kMillisecond);

} // namespace
