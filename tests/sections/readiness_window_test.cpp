// The readiness check on screen: each finding with the button that goes where it is put
// right, and the check the print window makes before a statement is previewed or printed.
#include <set>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "base/dates.h"
#include "data/engine/table.h"
#include "print/engine/db_text.h"
#include "print/run_pages.h"
#include "sections/readiness_window.h"
#include "support/full_statement.h"
#include "support/print/print_window_fixture.h"
#include "support/totals_oracle.h"
#include "totals/totals.h"

namespace {

// With WORTHSHEET_SHOTS set, a window is also kept as a picture there, to be looked at.
void keepPicture(QWidget *widget, const char *name)
{
    if (const QByteArray folder = qgetenv("WORTHSHEET_SHOTS"); !folder.isEmpty())
        widget->grab().save(QString::fromLocal8Bit(folder) + '/' + name + ".png");
}

class ReadinessWindowTest : public PrintWindowTest
{
protected:
    const Dates::FixedToday fixedToday{QDate(2027, 6, 30)};
    void TearDown() override
    {
        // The mouse leaves the picture buttons, so the next print window opens at rest.
        if (window)
            QTest::mouseMove(window, {20, 430});
        delete readiness;
        PrintWindowTest::TearDown();
    }

    // A statement with nothing a lender would send back, dated today.
    void addCompleteStatement()
    {
        addBareStatement();
        db.exec(QString("UPDATE Client SET SSN = '1', Birthday = '01/02/1970', Address = 'a', City = 'c', State = 'IL', "
                        "Zip = '1' WHERE Id = %1; UPDATE FSPro SET Date = '%2' WHERE ClientId = '%1'")
                    .arg(clientId, Dates::format(Dates::today())));
        reopen();
        select();
        RecalcAllTotals(*dm);
        select();
    }

    // The print window with the check the program gives it.
    void openPrintWindow()
    {
        open();
        window->setStatementCheck(ReadinessPanel::checkBeforePrinting(window, *dm, navigator));
    }

    TfrmReadiness &openReadiness()
    {
        readiness = new TfrmReadiness(*dm, navigator);
        readiness->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(readiness));
        return *readiness;
    }
    void clickIn(QWidget *parent, const QString &name)
    {
        auto *widget = parent->findChild<QWidget *>(name);
        ASSERT_NE(widget, nullptr) << name.toStdString();
        ASSERT_TRUE(widget->isVisible()) << name.toStdString();
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    // Clicks a picture button as a user does, leaving whatever it shows unanswered (the
    // fixture's clickImage answers "Print anyway").
    void clickPicture(const char *normalName, const char *hoverName)
    {
        QWidget *hover = child(hoverName);
        QTest::mouseMove(window, {20, 430});
        QTest::mouseMove(child(normalName), {30, 30});
        ASSERT_TRUE(QTest::qWaitFor([hover] { return hover->isVisible(); }, 1000));
        QTest::mouseClick(hover, Qt::LeftButton, {}, hover->rect().center());
    }
    QString finding(int number) const
    {
        auto *label = readiness->findChild<QLabel *>(QString("lblFinding%1").arg(number));
        return label ? label->text() : QString();
    }

    QPointer<TfrmReadiness> readiness;
};

TEST_F(ReadinessWindowTest, ACompleteStatementIsReady)
{
    addCompleteStatement();
    openReadiness();
    EXPECT_TRUE(readiness->panel()->findings().empty());
    EXPECT_EQ(readiness->findChild<QLabel *>("lblReadiness")->text(),
              "Nothing a lender would send back: the statement is ready.");
    EXPECT_EQ(finding(1), "");
}

TEST_F(ReadinessWindowTest, EachFindingsButtonOpensTheWindowWhereItIsFixed)
{
    struct Case
    {
        const char *sql;
        const char *text;
        const char *call;
        ReadinessForm form = ReadinessForm::Statement; // chosen in the window
    };
    const std::vector<Case> cases = {
        {"UPDATE Client SET SSN = '' WHERE Id = %1", "The holder's social security number is missing.",
         "open TfrmPersonalInfo"},
        {"UPDATE Client SET JointStatement = 'Yes', SFirstName = 'B', SLastName = 'A', SBirthday = '1', "
         "SAddress = 'a', SCity = 'c', SState = 'IL', SZip = '1' WHERE Id = %1",
         "The spouse's social security number is missing.", "open TfrmSpouseInfo"},
        {"INSERT INTO Legal (ClientId, Judgement) VALUES ('%1', 'Yes')",
         "The legal question \"Do you have any judgements against you?\" is answered \"Yes\", but \"Explain:\" is "
         "left empty.",
         "open TfrmLegal2"},
        {"INSERT INTO RealEstate (ClientId, Description, CurrentBalance, PercentLiability) VALUES ('%1', 'Lake', 0.5, "
         "0); UPDATE FSPro SET MortgageLiabilitiesTotals = 0, TMortgageLiabilitiesTotals = 0.5 WHERE ClientId = '%1'",
         "The property \"Lake\" has a mortgage balance but no lender in the mortgages schedule.",
         "open TfrmRealEstate_Liabilities"},
        {"INSERT INTO Auto (ClientId, Description, Model, MonthlyPayment) VALUES ('%1', '2020 Golf', 'Golf', 200); "
         "UPDATE FSPro SET AutoPaymentTotal = 200 WHERE ClientId = '%1'",
         "The auto \"2020 Golf\" has a monthly payment, but no auto loan is entered.", "open TfrmAutos_Liabilities"},
        {"INSERT INTO Taxes (ClientId, Amount) VALUES ('%1', -1); UPDATE FSPro SET TaxLiability = -1, "
         "TotalLiabilities = -1, NetWorth = 1 WHERE ClientId = '%1'",
         "1 row with a negative amount where only positive ones make sense: a tax owed.", "open TfrmTax_Liabilities"},
        {"UPDATE FSPro SET Date = '01/01/2000' WHERE ClientId = '%1'", "", "open TfrmStatementDate"},
        {"UPDATE Client SET BusinessType = 'LLC', ProgramWOSB = 'Yes' WHERE Id = %1",
         "The business applying for the loan is not named.", "open TfrmPersonalEmployment", ReadinessForm::Sba413},
        {"INSERT INTO RealEstate (ClientId, Description, Address, City, State, Zip, DatePurchased, OriginalCost, "
         "MonthlyTaxes) VALUES ('%1', 'Lot', 'a', 'c', 'IL', '1', '01/02/2003', 1, 1)",
         "Property 1, \"Lot\", has no occupancy.", "open TfrmRealEstate", ReadinessForm::RealEstateSchedule},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sql);
        db.exec("DELETE FROM Client; DELETE FROM FSPro; DELETE FROM Legal; DELETE FROM RealEstate; DELETE FROM Auto; "
                "DELETE FROM Taxes");
        reopen();
        addCompleteStatement();
        db.exec(QString(c.sql).arg(clientId));
        reopen();
        select();
        navigator.calls.clear();
        openReadiness();
        if (c.form != ReadinessForm::Statement)
            readiness->findChild<QComboBox *>("cbForm")->setCurrentIndex(int(c.form));
        ASSERT_EQ(readiness->panel()->form(), c.form);
        ASSERT_EQ(readiness->panel()->findings().size(), 1u) << finding(1).toStdString();
        if (*c.text)
            EXPECT_EQ(finding(1), c.text);
        else
            keepPicture(readiness, "readiness_window");
        clickIn(readiness, "btnFix1");
        EXPECT_EQ(navigator.calls, QStringList({c.call}));
        // The window goes; the statement stays the current one, or is selected in the list.
        EXPECT_TRUE(QTest::qWaitFor([this] { return readiness.isNull(); }, 1000));
        EXPECT_EQ(dm->CurrentClientId, clientId);
        EXPECT_EQ(dm->tblClient.FieldByName("Id").AsString(), clientId);
    }
}

TEST_F(ReadinessWindowTest, ATotalThatDiffersIsRecomputedOnRequest)
{
    addCompleteStatement();
    db.exec(QString("INSERT INTO Cash (ClientId, Balance) VALUES ('%1', 250)").arg(clientId));
    reopen();
    select();
    openReadiness();
    ASSERT_GE(readiness->panel()->findings().size(), 1u);
    EXPECT_EQ(finding(1), "Cash (A): the stored total differs from the sum of its rows. Stored $.00, rows $250.00.");
    keepPicture(readiness, "readiness_recompute");
    auto *button = readiness->findChild<QPushButton *>("btnFix1");
    EXPECT_EQ(button->text(), "Recompute");
    clickIn(readiness, "btnFix1");
    EXPECT_TRUE(readiness->panel()->findings().empty());
    EXPECT_DOUBLE_EQ(db.number(QString("SELECT CashOnHand FROM FSPro WHERE ClientId = '%1'").arg(clientId)), 250);
    EXPECT_DOUBLE_EQ(db.number(QString("SELECT NetWorth FROM FSPro WHERE ClientId = '%1'").arg(clientId)), 250);
}

TEST_F(ReadinessWindowTest, PrintingAStatementWithFindingsAsksFirstAndCanGoOnAnyway)
{
    addCompleteStatement();
    db.exec(QString("UPDATE Client SET Birthday = '' WHERE Id = %1").arg(clientId));
    reopen();
    select();
    openPrintWindow();
    clickPicture("imPreview", "imPreview_Up");
    EXPECT_TRUE(dialogs.previews.empty());
    auto *panel = window->findChild<ReadinessPanel *>();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->findChild<QLabel *>("lblFinding1")->text(), "The holder's birth date is missing.");
    keepPicture(window, "print_window_readiness");

    // Back leaves the window as it was; a second try asks again and goes on anyway.
    clickIn(window, "btnBack");
    EXPECT_TRUE(dialogs.previews.empty());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->findChild<ReadinessPanel *>(); }, 1000));
    clickImage("imPreview", "imPreview_Up"); // the fixture answers "Print anyway"
    EXPECT_EQ(dialogs.previews.size(), 1u);
}

TEST_F(ReadinessWindowTest, AReadyStatementPrintsWithoutAsking)
{
    addCompleteStatement();
    openPrintWindow();
    dialogs.answer = PrintDialogs::PrinterChoice{"Office", 1};
    clickPicture("imPrint", "imPrint_Up");
    EXPECT_EQ(window->findChild<ReadinessPanel *>(), nullptr);
    EXPECT_EQ(dialogs.printedFiles.size(), 1);
}

// Every figure of the totals row that a page of the personal or the joint run prints.
std::set<QString> printedTotalsFields(Tdm1 &dm)
{
    std::set<QString> fields;
    for (PrintRun run : {PrintRun::Personal, PrintRun::Joint}) {
        RunPages pages = createRunPages(run, dm);
        for (const auto &page : pages)
            for (const auto &band : page->bands())
                for (const Report::Band *b : {band.get(), band->groupHeader(), band->groupFooter()}) {
                    if (!b)
                        continue;
                    for (const auto &item : b->items())
                        if (const auto *text = dynamic_cast<const Report::DBText *>(item.get());
                            text && text->dataSet() == &dm.tblFSPro && text->isAmount())
                            fields.insert(text->dataField());
                }
        freeRunPages(pages);
    }
    return fields;
}

using ReadinessFiguresTest = DataModuleTest;

TEST_F(ReadinessFiguresTest, EachPrintedFigureLeftStaleIsFoundOnceByNameAndRecomputingClearsIt)
{
    const QDate asOf(2026, 3, 20); // a week after the statement's date
    const QString id = writeFullStatement(*dm);
    selectStatement(*dm, id);
    RecalcAllTotals(*dm);
    const std::map<QString, double> oracle = TotalsOracle::expectedTotals(db, id);
    selectStatement(*dm, id);
    ASSERT_TRUE(CheckReadiness(*dm, asOf).empty());

    const std::set<QString> printed = printedTotalsFields(*dm);
    EXPECT_GE(printed.size(), 50u); // at least the summary's 39 and the schedules' 11 more
    for (const char *field : {"Salary", "IncomeTotal", "MIncomeTotal", "TotalLiabilitiesandNetWorth", "AutoPaymentTotal"})
        EXPECT_TRUE(printed.count(field)) << field;
    for (const QString &field : printed) {
        SCOPED_TRACE(field.toStdString());
        ASSERT_TRUE(oracle.count(field));
        const double right = oracle.at(field);
        changeWithProgramClosed(
            QString("UPDATE FSPro SET \"%1\" = IFNULL(\"%1\", 0) + 1234.5 WHERE ClientId = '%2'").arg(field, id));
        selectStatement(*dm, id);
        const auto findings = CheckReadiness(*dm, asOf);
        ASSERT_EQ(findings.size(), 1u) << (findings.empty() ? "" : findings.back().text.toStdString());
        EXPECT_EQ(findings[0].fix, ReadinessFinding::Fix::Recompute);
        EXPECT_EQ(findings[0].field, field);
        EXPECT_NEAR(findings[0].stored, right + 1234.5, 1e-6);
        EXPECT_NEAR(findings[0].summed, right, 1e-6);
        RecalcAllTotals(*dm);
        EXPECT_TRUE(CheckReadiness(*dm, asOf).empty());
        EXPECT_NEAR(db.number(QString("SELECT \"%1\" FROM FSPro WHERE ClientId = '%2'").arg(field, id)), right, 1e-6);
    }
}

} // namespace
