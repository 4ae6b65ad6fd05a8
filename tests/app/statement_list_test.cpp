// The Overview's statement list tells every statement apart (date, kind, net worth), sorts
// by any column, and the date a statement is made as of is set where the list is and shows
// in the file, the list, every window's header and the foot of every printed sheet.
#include <algorithm>
#include <functional>
#include <optional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "base/dates.h"
#include "data/tdm1.h"
#include "print/engine/composite_report.h"
#include "print/run_pages.h"
#include "scripted_file_chooser.h"
#include "support/app/main_window_fixture.h"
#include "support/full_statement.h"
#include "support/keyboard.h"
#include "totals/totals.h"
#include "ui/db_grid.h"
#include "ui/format_money.h"

namespace {

using namespace Keyboard;

// With WORTHSHEET_SHOTS set, a window is also kept as a picture there, to be looked at.
void keepPicture(QWidget *widget, const char *name)
{
    if (const QByteArray folder = qgetenv("WORTHSHEET_SHOTS"); !folder.isEmpty())
        widget->grab().save(QString::fromLocal8Bit(folder) + '/' + name + ".png");
}

// The day the tests run on, whatever the system's date.
const QDate Day(2027, 6, 30);
const QString Today = Dates::format(Day);

// Where two listings part; empty when they are the same.
std::string difference(const std::vector<QStringList> &got, const std::vector<QStringList> &wanted)
{
    for (size_t i = 0; i < std::max(got.size(), wanted.size()); ++i) {
        const QString a = i < got.size() ? got[i].join(" | ") : "(none)";
        const QString b = i < wanted.size() ? wanted[i].join(" | ") : "(none)";
        if (a != b)
            return QString("row %1: %2, not %3").arg(i).arg(a, b).toStdString();
    }
    return {};
}

class StatementListTest : public MainWindowTest
{
protected:
    const Dates::FixedToday fixedToday{Day};
    DBGrid *grid() { return child<DBGrid>("DBGrid1"); }
    // Every row of the list as it shows them, read to its end.
    std::vector<QStringList> listed()
    {
        QAbstractItemModel *model = grid()->model();
        while (model->canFetchMore({}))
            model->fetchMore({});
        std::vector<QStringList> rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(r, c).data().toString();
            rows.push_back(cells);
        }
        return rows;
    }
    int rowOf(const QString &id)
    {
        listed();
        for (int r = 0; r < grid()->model()->rowCount(); ++r)
            if (grid()->tableModel()->keyAt(r)->rowid == id.toLongLong())
                return r;
        ADD_FAILURE() << "statement " << id.toStdString() << " is not listed";
        return -1;
    }
    void select(const QString &id)
    {
        grid()->selectRow(rowOf(id));
        QApplication::processEvents();
        ASSERT_EQ(main->dm1().CurrentClientId, id);
    }
    void clickHeader(int column)
    {
        QHeaderView *header = grid()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    void onList(Qt::Key key)
    {
        grid()->setFocus();
        QTest::keyClick(grid(), key, Qt::ControlModifier);
    }
    QString dateOf(const QString &id) { return text(QString("SELECT Date FROM FSPro WHERE ClientId = '%1'").arg(id)); }
    QString netWorthOf(const QString &id)
    {
        return FormatMoney(text(QString("SELECT NetWorth FROM FSPro WHERE ClientId = '%1'").arg(id)).toDouble());
    }
    QString header(QWidget *window, const char *label)
    {
        auto *found = window ? window->findChild<QLabel *>(label) : nullptr;
        return found && found->isVisible() ? found->text() : QString();
    }
    QWidget *boundControl(QWidget *window, const QString &field)
    {
        for (QWidget *w : window->findChildren<QWidget *>())
            if (w->property("dataField").toString() == field)
                return w;
        return nullptr;
    }
    void pressIn(QWidget *window, const char *button)
    {
        auto *b = window->findChild<QPushButton *>(button);
        ASSERT_TRUE(b) << button;
        QTest::mouseClick(b, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(StatementListTest, ACopyAndAnImportAreToldApartByDateAndNetWorth)
{
    QString original;
    {
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(databasePath);
        dm.db1.SetConnected(true);
        dm.OpenTables();
        original = writeFullStatement(dm, 2, "Whitaker");
        selectStatement(dm, original);
        RecalcAllTotals(dm);
    }
    exec(QString("UPDATE FSPro SET Date = '01/15/2025' WHERE ClientId = '%1'; UPDATE Client SET MiddleInitial = 'B', "
                 "FullName2 = 'Ada B. Whitaker' WHERE Id = %1")
             .arg(original));
    start();
    enterWithoutLogin();
    const QStringList titles = {"Last Name", "First Name", "MI", "As of", "Kind", "Net Worth"};
    for (int c = 0; c < titles.size(); ++c)
        EXPECT_EQ(grid()->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
    EXPECT_EQ(child("DBGrid1")->geometry(), QRect(1, 4, 507, 120));

    // Copied as of today, with a cash row more in the copy.
    select(original);
    onList(Qt::Key_D);
    const QString copy = main->dm1().CurrentClientId;
    ASSERT_NE(copy, original);
    click("dbE1");
    QWidget *cash = main->shownWindow();
    ASSERT_TRUE(cash && QTest::qWaitForWindowExposed(cash));
    EXPECT_EQ(header(cash, "lblStatementDate"), "as of " + Today);
    pressIn(cash, "btnAdd");
    QTest::keyClicks(qobject_cast<QLineEdit *>(boundControl(cash, "RegisteredName")), "Savings");
    QTest::keyClicks(qobject_cast<QComboBox *>(boundControl(cash, "Type"))->lineEdit(), "sav");
    QTest::keyClicks(qobject_cast<QLineEdit *>(boundControl(cash, "Balance")), "1,000");
    pressIn(cash, "btnOK");
    pressIn(cash, "btnClose");
    ASSERT_EQ(main->shownWindow(), nullptr);

    // The original exported and imported again, then dated where the list is.
    ScriptedFileChooser chooser;
    const QString json = QDir(home.path()).filePath("whitaker.json");
    chooser.answers = {json, json};
    select(original);
    main->findChild<QAction *>("actExportJson")->trigger();
    main->findChild<QAction *>("actImportJson")->trigger();
    const QString imported = text("SELECT MAX(Id) FROM Client");
    ASSERT_NE(imported, copy);
    select(imported);
    onList(Qt::Key_T);
    QWidget *dating = main->shownWindow();
    ASSERT_TRUE(dating && QTest::qWaitForWindowExposed(dating));
    auto *asOf = qobject_cast<QLineEdit *>(boundControl(dating, "Date"));
    ASSERT_TRUE(asOf);
    asOf->selectAll();
    QTest::keyClicks(asOf, "6/30/2025");
    QTest::keyClick(asOf, Qt::Key_Return);
    ASSERT_EQ(main->shownWindow(), nullptr);

    const std::vector<QStringList> rows = listed();
    ASSERT_EQ(rows.size(), 3u);
    std::vector<std::pair<QString, QString>> told;
    for (const QStringList &row : rows) {
        EXPECT_EQ(row.mid(0, 3), QStringList({"Whitaker", "Ada", "B"}));
        EXPECT_EQ(row[4], "Joint");
        told.push_back({row[3], row[5]});
    }
    std::sort(told.begin(), told.end());
    EXPECT_EQ(std::unique(told.begin(), told.end()), told.end());
    for (const QString &id : {original, copy, imported}) {
        const QStringList &row = rows[size_t(rowOf(id))];
        EXPECT_EQ(row[3], dateOf(id));
        EXPECT_EQ(row[5], netWorthOf(id));
    }
    EXPECT_EQ(rows[size_t(rowOf(original))][3], "01/15/2025");
    EXPECT_EQ(rows[size_t(rowOf(copy))][3], Today);
    EXPECT_EQ(rows[size_t(rowOf(imported))][3], "06/30/2025");
    EXPECT_EQ(rows[size_t(rowOf(imported))][5], rows[size_t(rowOf(original))][5]);
    EXPECT_NE(rows[size_t(rowOf(copy))][5], rows[size_t(rowOf(original))][5]);
    keepPicture(main.get(), "statement_list");

    // The one to delete is named with its date.
    select(copy);
    messages->answer(Messages::Answer::No);
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Delete);
    EXPECT_EQ(messages->last(), "Do you want to \"Delete\" this \"Financial Statement\"?\n\rAda B. Whitaker, as of " + Today);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Client"), 3);
}

TEST_F(StatementListTest, EveryColumnSortsTheListBothWaysAndTheNamesComeBack)
{
    struct Statement
    {
        int id;
        QString last, first, middle;
        bool joint;
        std::optional<QDate> date; // none: no totals row
        std::optional<double> netWorth;
    };
    // More statements than the list reads at once, dated so that the text order of the
    // dates is not their order, with names that repeat in other cases.
    const QStringList lastNames = {"adams", "Baker", "ADAMS", "Young", "baker", "Okafor", "Zeller"};
    const QStringList firstNames = {"Zoe", "al", "Bea", "Cy", "ada"};
    std::vector<Statement> statements;
    QStringList clients, totals;
    for (int i = 1; i <= 150; ++i) {
        Statement s{i, lastNames[i % 7], firstNames[i % 5], i % 3 ? QString(QChar('A' + i % 4)) : QString(), i % 4 == 0,
                    std::nullopt, std::nullopt};
        if (i % 17 != 5)
            s.date = QDate(2019 + i % 7, 1 + (i * 5) % 12, 1 + (i * 11) % 28);
        if (s.date && i % 9 != 0)
            s.netWorth = ((i * 7919) % 20000 - 5000) * 10.25;
        clients << QString("(%1, '%2', '%3', '%4', '%5')")
                       .arg(i)
                       .arg(s.last, s.first, s.middle, s.joint ? "Yes" : "No");
        if (s.date)
            totals << QString("('%1', '%2', %3)")
                          .arg(i)
                          .arg(s.date->toString("MM/dd/yyyy"), s.netWorth ? QString::number(*s.netWorth, 'f', 2) : "NULL");
        statements.push_back(s);
    }
    exec("INSERT INTO Client (Id, LastName, FirstName, MiddleInitial, JointStatement) VALUES " + clients.join(", "));
    exec("INSERT INTO FSPro (ClientId, Date, NetWorth) VALUES " + totals.join(", "));
    start();
    enterWithoutLogin();

    const auto shownAs = [](const Statement &s) {
        return QStringList({s.last, s.first, s.middle, s.date ? s.date->toString("MM/dd/yyyy") : QString(),
                            s.joint ? "Joint" : "Personal", s.netWorth ? FormatMoney(*s.netWorth) : QString()});
    };
    const auto names = [](const Statement &a, const Statement &b) {
        const int last = a.last.compare(b.last, Qt::CaseInsensitive);
        if (last != 0)
            return last < 0;
        const int first = a.first.compare(b.first, Qt::CaseInsensitive);
        return first != 0 ? first < 0 : a.id < b.id;
    };
    // What each column orders by; none sorts first going up.
    using Key = std::optional<QVariant>;
    const std::vector<std::function<Key(const Statement &)>> keys = {
        [](const Statement &s) { return Key(s.last.toLower()); },
        [](const Statement &s) { return Key(s.first.toLower()); },
        [](const Statement &s) { return Key(s.middle.toLower()); },
        [](const Statement &s) { return s.date ? Key(QVariant(*s.date)) : Key(); },
        [](const Statement &s) { return Key(QVariant(s.joint)); },
        [](const Statement &s) { return s.netWorth ? Key(QVariant(*s.netWorth)) : Key(); },
    };
    const auto expected = [&](auto less) {
        std::vector<Statement> order = statements;
        std::sort(order.begin(), order.end(), less);
        std::vector<QStringList> rows;
        for (const Statement &s : order)
            rows.push_back(shownAs(s));
        return rows;
    };
    const auto byTable = [](const Statement &a, const Statement &b) {
        const int last = a.last.compare(b.last, Qt::CaseInsensitive);
        return last != 0 ? last < 0 : a.id < b.id;
    };
    const std::vector<QStringList> namesOrder = expected(byTable);
    ASSERT_EQ(difference(listed(), namesOrder), "");

    // Okafor, statement 5 (without a totals row), stays selected whatever the order.
    select("5");
    for (int column = 0; column < int(keys.size()); ++column) {
        SCOPED_TRACE(column);
        for (const bool up : {true, false}) {
            clickHeader(column);
            EXPECT_EQ(grid()->horizontalHeader()->sortIndicatorSection(), column);
            const auto less = [&](const Statement &a, const Statement &b) {
                const Key ka = keys[size_t(column)](a), kb = keys[size_t(column)](b);
                if (ka != kb) {
                    if (!ka || !kb)
                        return up ? !ka : !kb;
                    const bool before = QVariant::compare(*ka, *kb) == QPartialOrdering::Less;
                    return up ? before : !before;
                }
                return names(a, b);
            };
            EXPECT_EQ(difference(listed(), expected(less)), "") << (up ? "up" : "down");
            EXPECT_EQ(grid()->currentIndex().data().toString(), "Okafor");
            EXPECT_EQ(main->dm1().CurrentClientId, "5");
        }
        // The third click gives the names' own order back.
        clickHeader(column);
        EXPECT_EQ(difference(listed(), namesOrder), "");
    }

    // A row chosen in a sorted list is the statement whose totals show.
    clickHeader(5);
    const std::vector<QStringList> rows = listed();
    grid()->selectRow(int(rows.size()) - 1);
    QApplication::processEvents();
    EXPECT_EQ(child<QLabel>("dbNetWorth")->text(), rows.back()[5]);
}

TEST_F(StatementListTest, TheDateIsSetBesideTheListAndShowsInEveryWindowAndOnEverySheet)
{
    exec("INSERT INTO Client (Id, FirstName, MiddleInitial, LastName, JointStatement, FullName2, MaritalStatus, "
         "Dependants) VALUES (1, 'Daniel', 'R', 'Whitaker', 'No', 'Daniel R. Whitaker', 'Single', '0')");
    exec("INSERT INTO FSPro (ClientId, Date, NetWorth) VALUES ('1', '01/15/2025', 100)");
    start();
    enterWithoutLogin();
    QAction *date = main->findChild<QAction *>("actStatementDate");
    ASSERT_TRUE(date);
    EXPECT_TRUE(grid()->actions().contains(date));
    EXPECT_EQ(date->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));

    onList(Qt::Key_T);
    QWidget *window = main->shownWindow();
    ASSERT_TRUE(window && QTest::qWaitForWindowExposed(window) && activate(window));
    EXPECT_EQ(window->windowTitle(), "Statement Date");
    EXPECT_EQ(header(window, "lblFullName2"), "Daniel R. Whitaker");
    EXPECT_EQ(header(window, "lblStatementDate"), "as of 01/15/2025");
    auto *asOf = qobject_cast<QLineEdit *>(boundControl(window, "Date"));
    ASSERT_TRUE(asOf);
    EXPECT_EQ(focused(), asOf);
    EXPECT_EQ(asOf->selectedText(), "01/15/2025");
    keepPicture(window, "statement_date");

    // Refused: a date to come, a date that is none, nothing at all. The typing stays,
    // selected, and the file keeps its date.
    const QString tomorrow = Dates::format(Day.addDays(1));
    const std::vector<std::pair<QString, QString>> refused = {
        {tomorrow, "Please enter \"As of\" as a date no later than today."},
        {"2/30/2025", "Please enter \"As of\" as a date in the form mm/dd/yyyy."},
        {"15/01/2025", "Please enter \"As of\" as a date in the form mm/dd/yyyy."},
        {"", "Please enter \"As of\" as a date in the form mm/dd/yyyy."},
    };
    for (const auto &[typed, message] : refused) {
        asOf->selectAll();
        if (typed.isEmpty())
            press(Qt::Key_Delete);
        else
            typeText(typed);
        pressIn(window, "btnOK");
        EXPECT_EQ(messages->last(), message) << typed.toStdString();
        ASSERT_EQ(main->shownWindow(), window);
        EXPECT_EQ(focused(), asOf);
        EXPECT_EQ(asOf->text(), typed);
        EXPECT_EQ(asOf->selectedText(), typed);
        EXPECT_EQ(text("SELECT Date FROM FSPro WHERE ClientId = '1'"), "01/15/2025");
    }
    typeText("6/30/2025");
    press(Qt::Key_Return);
    ASSERT_EQ(main->shownWindow(), nullptr);
    EXPECT_EQ(text("SELECT Date FROM FSPro WHERE ClientId = '1'"), "06/30/2025");
    EXPECT_EQ(listed().front()[3], "06/30/2025");
    messages->clear();

    // Every window of the statement names it with its date.
    for (const char *link : {"lblPersonalInformation", "lblSpouseInfo", "lblCash", "lblLegal2"}) {
        SCOPED_TRACE(link);
        if (currentPage() != QLatin1String("tsFinancialStatement"))
            clickImage("imfs_blue", "imfs_orange");
        if (QLatin1String(link) == QLatin1String("lblSpouseInfo")) {
            // Not for a personal statement: the spouse's windows are closed to it.
            click(link);
            EXPECT_EQ(main->shownWindow(), nullptr);
            messages->clear();
            continue;
        }
        click(link);
        QWidget *shown = main->shownWindow();
        ASSERT_TRUE(shown && QTest::qWaitForWindowExposed(shown));
        EXPECT_EQ(header(shown, "lblFullName2"), "Daniel R. Whitaker");
        EXPECT_EQ(header(shown, "lblStatementDate"), "as of 06/30/2025");
        EXPECT_FALSE(shown->findChild<QLabel *>("lblFullName2")->geometry().intersects(
            shown->findChild<QLabel *>("lblCaption")->geometry()));
        keepPicture(shown, link);
        pressIn(shown, QLatin1String(link) == QLatin1String("lblPersonalInformation") ? "btnCancel" : "btnClose");
        ASSERT_EQ(main->shownWindow(), nullptr);
    }
    clickImage("imover_blue", "imover_orange");
    clickImage("imPrint", "imPrint_Up");
    QWidget *print = main->shownWindow();
    ASSERT_TRUE(print);
    EXPECT_EQ(header(print, "lblAsOf"), "as of 06/30/2025");
    keepPicture(print, "print_window");

    // The foot of every printed sheet.
    Tdm1 &dm = main->dm1();
    RunPages pages = createRunPages(PrintRun::Personal, dm);
    Report::CompositeReport composite;
    prepareComposite(composite, PrintRun::Personal, dm, pages);
    const Report::Document document = composite.layout();
    ASSERT_GE(document.pageCount(), 2);
    for (const Report::DocumentPage &sheet : document.pages)
        EXPECT_TRUE(sheet.findText("Statement date: 06/30/2025")) << sheet.report.toStdString();
    freeRunPages(pages);
    pressIn(print, "btnClose");
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
}

} // namespace
