// The particulars and legal windows, and the walk through all twenty-five windows, driven
// through the main window as a user does.
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "base/dates.h"
#include "data/tdm1.h"
#include "list_window_fixture.h"
#include "print/engine/composite_report.h"
#include "print/run_pages.h"
#include "support/pdf_reader.h"
#include "sections/legal_window.h"
#include "sections/particulars_editor.h"
#include "sections/window_catalogue.h"
#include "ui/db_grid.h"
#include "ui/format_money.h"

namespace {

class ParticularsTest : public ListWindowTest
{
protected:
    const Dates::FixedToday fixedToday{QDate(2027, 6, 30)};
    void typeField(const QString &field, const QString &text)
    {
        QWidget *c = control(field);
        ASSERT_TRUE(c) << field.toStdString();
        QLineEdit *edit = qobject_cast<QLineEdit *>(c);
        if (auto *list = qobject_cast<QComboBox *>(c))
            edit = list->lineEdit();
        c->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    void press(const QString &name)
    {
        auto *b = shown() ? shown()->findChild<QPushButton *>(name) : nullptr;
        ASSERT_TRUE(b) << name.toStdString() << " in " << shownClass().toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void addStatement()
    {
        if (currentPage() != QLatin1String("tsOverview"))
            clickImage("imover_blue", "imover_orange");
        clickImage("imAdd", "imAdd_Up");
    }
    QString client(const QString &field, const QString &id = "1")
    {
        return text(QString("SELECT \"%1\" FROM Client WHERE Id = %2").arg(field, id));
    }
    void makeJoint() { exec("UPDATE Client SET JointStatement = 'Yes', SFirstName = 'Bob', SLastName = 'Avery', "
                            "SMaritalStatus = 'Married', SDependants = '2', MaritalStatus = 'Married', "
                            "Dependants = '2'"); }
};

TEST_F(ParticularsTest, ANewStatementIsStoredWithItsTotalsRowAndCancelLeavesNone)
{
    // Cancel of a new statement: neither its Client nor a totals row remain.
    addStatement();
    ASSERT_EQ(shownClass(), "TfrmPersonalInfo");
    typeField("FirstName", "Cy");
    press("btnCancel");
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(count("SELECT COUNT(*) FROM Client"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FSPro"), 1);

    addStatement();
    auto *window = qobject_cast<ParticularsWindow *>(shown());
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), "Personal Information");
    EXPECT_TRUE(window->findChild<QRadioButton *>("rbNo")->isChecked());
    EXPECT_FALSE(window->findChild<QPushButton *>("btnPrevious"));
    typeField("FirstName", "Cy");
    typeField("MiddleInitial", "d");
    typeField("LastName", "Brown");
    typeField("MaritalStatus", "Single");
    typeField("Dependants", "0");
    typeField("State", "tx");
    press("btnOK");
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
    ASSERT_EQ(count("SELECT COUNT(*) FROM Client"), 2);
    const QString id = text("SELECT Id FROM Client WHERE LastName = 'Brown'");
    EXPECT_EQ(client("MiddleInitial", id), "D");
    EXPECT_EQ(client("State", id), "TX");
    EXPECT_EQ(client("FullName2", id), "Cy D. Brown");
    EXPECT_EQ(client("JointStatement", id), "No");
    EXPECT_EQ(client("marrieddependants", id), "Single with 0 dependants.");
    EXPECT_EQ(count(QString("SELECT COUNT(*) FROM FSPro WHERE ClientId = '%1'").arg(id)), 1);
    EXPECT_EQ(text(QString("SELECT Date FROM FSPro WHERE ClientId = '%1'").arg(id)),
              "06/30/2027");
    EXPECT_EQ(text(QString("SELECT Description FROM FSPro WHERE ClientId = '%1'").arg(id)), "Cy D. Brown");
    EXPECT_TRUE(main->isVisible());
}

TEST_F(ParticularsTest, TheChecksReportTheFirstMissingFieldWithItsFocus)
{
    addStatement();
    typeField("LastName", "Brown");
    press("btnOK");
    EXPECT_EQ(messages->texts(), QStringList{"Please enter \"First Name\"."});
    EXPECT_EQ(shown()->focusWidget(), shown()->findChild<QWidget *>("DBEditFirstName"));
    typeField("FirstName", "Cy");
    messages->clear();
    press("btnNext");
    EXPECT_EQ(messages->texts(), QStringList{"Please enter \"Marital Status\"."});
    EXPECT_EQ(shown()->focusWidget(), shown()->findChild<QWidget *>("cbMaritalStatus"));
    typeField("MaritalStatus", "Single");
    messages->clear();
    press("btnOK");
    EXPECT_EQ(messages->texts(), QStringList{"Please enter the number of \"Dependants\"."});
    EXPECT_EQ(count("SELECT COUNT(*) FROM Client"), 1);
    press("btnCancel");

    // The spouse's information window checks the spouse's fields.
    makeJoint();
    exec("UPDATE Client SET SLastName = ''");
    openFromLink("lblSpouseInfo");
    ASSERT_EQ(shownClass(), "TfrmSpouseInfo");
    messages->clear();
    press("btnOK");
    EXPECT_EQ(messages->texts(), QStringList{"Please enter \"Last Name\"."});
    EXPECT_EQ(shown()->focusWidget(), shown()->findChild<QWidget *>("DBEditLastName"));
    EXPECT_EQ(control("SLastName"), shown()->findChild<QWidget *>("DBEditLastName"));
    press("btnCancel");
}

TEST_F(ParticularsTest, BirthDatesAndInitialsArePlausibleOrSaySoWithTheTypingKept)
{
    makeJoint();
    const QString future = "7/1/2027";
    for (const char *window : {"lblPersonalInformation", "lblSpouseInfo"}) {
        SCOPED_TRACE(window);
        const QString prefix = QString(window) == "lblSpouseInfo" ? "S" : "";
        openFromLink(window);
        const struct
        {
            const char *field;
            QString typed;
            QString message;
        } refusals[] = {
            {"Birthday", future, "Please enter \"Birth Date\" as a date in the past."},
            {"Birthday", "2/30/1970", "Please enter \"Birth Date\" as a date in the form mm/dd/yyyy."},
            {"Birthday", "1970-01-02", "Please enter \"Birth Date\" as a date in the form mm/dd/yyyy."},
            {"MiddleInitial", "AB", "Please enter \"Middle Intitial\" as one letter."},
            {"MiddleInitial", "4", "Please enter \"Middle Intitial\" as one letter."},
        };
        for (const auto &r : refusals) {
            const QString field = prefix + r.field;
            const QString before = client(field);
            typeField(field, r.typed);
            for (const char *button : {"btnOK", "btnNext"}) {
                messages->clear();
                press(button);
                EXPECT_EQ(messages->texts(), QStringList{r.message}) << button;
                ASSERT_TRUE(shown());
                EXPECT_EQ(qobject_cast<QLineEdit *>(control(field))->text(), r.typed);
                EXPECT_EQ(shown()->focusWidget(), control(field));
            }
            EXPECT_EQ(client(field), before) << field.toStdString();
            typeField(field, "");
        }
        // What is plausible is stored in its one form.
        typeField(prefix + "Birthday", "1/2/1970");
        typeField(prefix + "MiddleInitial", "q");
        messages->clear();
        press("btnOK");
        EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
        EXPECT_EQ(client(prefix + "Birthday"), "01/02/1970");
        EXPECT_EQ(client(prefix + "MiddleInitial"), "Q");
    }
}

TEST_F(ParticularsTest, EmploymentAndContactsStoreTheirFieldsAndTheirTexts)
{
    exec("UPDATE Client SET MaritalStatus = 'Single', Dependants = '0'");
    openFromLink("lblPersonalEmployment");
    ASSERT_EQ(shownClass(), "TfrmPersonalEmployment");
    EXPECT_EQ(shown()->findChild<QLabel *>("lblFullName2")->text(), "Ann Q. Avery");
    typeField("Employer", "Acme");
    typeField("YearsEmployed", "1");
    typeField("ECity", "Dallas");
    typeField("EState", "tx");
    typeField("EZip", "75201");
    press("btnOK");
    EXPECT_EQ(client("Employer"), "Acme");
    EXPECT_EQ(client("YearsEmployed2"), "Employed for 1 year.");
    EXPECT_EQ(client("ECityStateZip"), "Dallas, TX  75201");

    // Next stores through the particulars and forms the employment texts too.
    openFromLink("lblPersonalEmployment");
    typeField("YearsEmployed", "12");
    press("btnNext");
    EXPECT_EQ(shownClass(), "TfrmPersonalContacts");
    EXPECT_EQ(client("YearsEmployed2"), "Employed for 12 years.");
    typeField("Accountant", "Dee Eff, CPA");
    typeField("AccountantPhone", "555-0100");
    press("btnOK");
    EXPECT_EQ(client("Accountant"), "Dee Eff, CPA");
    EXPECT_EQ(client("AccountantPhone"), "555-0100");

    // With the particulars incomplete, Next and Previous there do nothing.
    exec("UPDATE Client SET Dependants = ''");
    openFromLink("lblContacts");
    press("btnNext");
    EXPECT_EQ(shownClass(), "TfrmPersonalContacts");
    press("btnPrevious");
    EXPECT_EQ(shownClass(), "TfrmPersonalContacts");
    EXPECT_TRUE(messages->texts().isEmpty());
    press("btnCancel");
}

TEST_F(ParticularsTest, TheWalkTakesTheSpouseWindowsOnlyForAJointStatement)
{
    exec("UPDATE Client SET MaritalStatus = 'Single', Dependants = '0'");
    // Personal: Contacts and Cash are neighbours, both ways, with a stored or a dropped cash row.
    openFromLink("lblContacts");
    press("btnNext");
    EXPECT_EQ(shownClass(), "TfrmCash");
    press("btnPrevious");
    EXPECT_EQ(shownClass(), "TfrmPersonalContacts");
    EXPECT_EQ(main->dm1().tblClient.state(), Table::State::Edit);
    press("btnNext");
    press("btnAdd");
    typeInto("RegisteredName", "Ann");
    typeInto("Type", "Cash on Hand");
    typeInto("Balance", "5");
    press("btnPrevious");
    EXPECT_EQ(shownClass(), "TfrmPersonalContacts");
    EXPECT_EQ(count("SELECT COUNT(*) FROM Cash"), 1);

    // The joint answer changed in the information window takes effect at the next step.
    press("btnPrevious");
    press("btnPrevious");
    ASSERT_EQ(shownClass(), "TfrmPersonalInfo");
    QTest::mouseClick(shown()->findChild<QRadioButton *>("rbYes"), Qt::LeftButton);
    press("btnNext");
    press("btnNext");
    ASSERT_EQ(shownClass(), "TfrmPersonalContacts");
    EXPECT_EQ(client("JointStatement"), "Yes");
    press("btnNext");
    ASSERT_EQ(shownClass(), "TfrmSpouseInfo");
    typeField("SFirstName", "Bob");
    typeField("SLastName", "Avery");
    typeField("SMaritalStatus", "Married");
    typeField("SDependants", "2");
    press("btnNext");
    EXPECT_EQ(shownClass(), "TfrmSpouseEmployment");
    press("btnNext");
    EXPECT_EQ(shownClass(), "TfrmSpouseContacts");
    press("btnNext");
    EXPECT_EQ(shownClass(), "TfrmCash");
    press("btnPrevious");
    EXPECT_EQ(shownClass(), "TfrmSpouseContacts");
    EXPECT_EQ(client("SFullName2"), "Bob Avery");
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
    press("btnCancel");
}

TEST_F(ParticularsTest, TheLegalWindowsShareOneRowStartedByTheFirstAnswer)
{
    // Untouched, nothing is stored.
    openFromLink("lblLegal1");
    ASSERT_EQ(shownClass(), "TfrmLegal");
    EXPECT_EQ(shown()->windowTitle(), "Legal");
    EXPECT_EQ(shown()->findChild<QLabel *>("lblNote")->text(),
              "Note:  Explanations are only required on questions that were answered \"Yes\".");
    press("btnNext");
    ASSERT_EQ(shownClass(), "TfrmLegal2");
    EXPECT_FALSE(shown()->findChild<QPushButton *>("btnNext"));
    press("btnOK");
    EXPECT_EQ(count("SELECT COUNT(*) FROM Legal"), 0);

    // Only question 7 answered: one row with the statement's key, Prenuptial "Yes", the rest empty.
    openFromLink("lblLegal2");
    typeField("Prenuptial", "Yes");
    press("btnOK");
    ASSERT_EQ(count("SELECT COUNT(*) FROM Legal"), 1);
    EXPECT_EQ(text("SELECT ClientId || '|' || Prenuptial FROM Legal"), "1|Yes");
    EXPECT_EQ(text("SELECT Will || Divorce || Bankruptcy || Partner || Defendant || Judgement || SpouseAssets || "
                   "EstateAssets || DebtAssets || WillExplanation || PrenuptialExplanation FROM Legal"),
              "");

    // Both windows edit that row; the answers of one are kept walking back and forth.
    openFromLink("lblLegal1");
    typeField("Will", "Yes");
    typeField("WillExplanation", "Bob Avery");
    press("btnNext");
    typeField("DebtAssets", "No");
    press("btnPrevious");
    ASSERT_EQ(shownClass(), "TfrmLegal");
    EXPECT_EQ(qobject_cast<QComboBox *>(control("Will"))->currentText(), "Yes");
    press("btnNext");
    EXPECT_EQ(qobject_cast<QComboBox *>(control("DebtAssets"))->currentText(), "No");
    EXPECT_EQ(qobject_cast<QComboBox *>(control("Prenuptial"))->currentText(), "Yes");
    press("btnClose");
    EXPECT_EQ(count("SELECT COUNT(*) FROM Legal"), 1);
    EXPECT_EQ(text("SELECT Will || WillExplanation || DebtAssets || Prenuptial FROM Legal"), "YesBob AveryNoYes");
}

TEST_F(ParticularsTest, TheSignedSheetsAndTheBlankFormAskEveryQuestionAsTheLegalWindowsAskIt)
{
    // What the two windows show, each question answered "Yes" with an explanation.
    struct Asked
    {
        QString question;
        QString caption;
    };
    std::vector<Asked> asked;
    openFromLink("lblLegal1");
    for (int i = 1; i <= 10; ++i) {
        if (i == 6)
            press("btnNext");
        ASSERT_EQ(shownClass(), i <= 5 ? "TfrmLegal" : "TfrmLegal2");
        auto *question = shown()->findChild<QLabel *>(QString("lblQuestion%1").arg(i));
        auto *caption = shown()->findChild<QLabel *>(QString("lblExplanation%1").arg(i));
        ASSERT_TRUE(question && caption && question->buddy() && caption->buddy()) << i;
        asked.push_back({question->text(), caption->text()});
        typeField(question->buddy()->property("dataField").toString(), "Yes");
        typeField(caption->buddy()->property("dataField").toString(), QString("Answer %1").arg(i));
    }
    press("btnOK");
    EXPECT_EQ(asked[2].question, "Have you taken bankruptcy in the past 15 years?");
    EXPECT_EQ(asked[3].caption, "Explain:");
    EXPECT_EQ(asked[4].caption, "Explain:");

    // The Section 4 sheet of either run and of the blank form prints each question where the
    // layout puts it, with the caption the window shows beside its explanation.
    Tdm1 &dm = main->dm1();
    dm.SelectStatement();
    QTemporaryDir dir;
    for (const PrintRun run : {PrintRun::Personal, PrintRun::Joint, PrintRun::Blank}) {
        SCOPED_TRACE(int(run));
        RunPages pages = createRunPages(run, dm);
        Report::CompositeReport composite;
        prepareComposite(composite, run, dm, pages);
        const QString path = dir.filePath(QString("run%1.pdf").arg(int(run)));
        ASSERT_TRUE(composite.writePdf(path));
        const std::vector<PdfWord> words = pdfWords(path);
        for (size_t i = 0; i < asked.size(); ++i) {
            SCOPED_TRACE(asked[i].question.toStdString());
            const double top = 48 + 35 + 45 * double(i);
            const std::optional<PdfPhrase> question = findPhrase(words, 2, asked[i].question, {48 + 12, top});
            ASSERT_TRUE(question);
            EXPECT_NEAR(question->box.left(), 48 + 12, 2);
            EXPECT_NEAR(question->box.top(), top, 2);
            const std::optional<PdfPhrase> caption = findPhrase(words, 2, asked[i].caption, {48 + 40, top + 20});
            ASSERT_TRUE(caption);
            EXPECT_NEAR(caption->box.right(), 48 + 25 + 50, 2);
            EXPECT_NEAR(caption->box.top(), top + 20, 2);
            if (run == PrintRun::Blank)
                continue;
            const std::optional<PdfPhrase> explanation =
                findPhrase(words, 2, QString("Answer %1").arg(i + 1), {48 + 80, top + 20});
            ASSERT_TRUE(explanation && explanation->rightExact);
            EXPECT_NEAR(explanation->box.left(), 48 + 80, 2);
            EXPECT_NEAR(explanation->box.top(), top + 20, 2);
        }
    }
    dm.ClearStatementFilters();
}

TEST_F(ParticularsTest, ARefusedStoreShowsTheErrorAndKeepsTheTyping)
{
    exec("CREATE TRIGGER refuse BEFORE INSERT ON Client BEGIN SELECT RAISE(ABORT, 'The disk is full'); END");
    addStatement();
    typeField("FirstName", "Cy");
    typeField("LastName", "Brown");
    typeField("MaritalStatus", "Single");
    typeField("Dependants", "0");
    press("btnOK");
    ASSERT_FALSE(messages->texts().isEmpty());
    EXPECT_TRUE(messages->last().contains("The disk is full"));
    EXPECT_EQ(shownClass(), "TfrmPersonalInfo");
    EXPECT_EQ(qobject_cast<QLineEdit *>(control("LastName"))->text(), "Brown");
    exec("DROP TRIGGER refuse");
    press("btnOK");
    EXPECT_EQ(count("SELECT COUNT(*) FROM Client WHERE LastName = 'Brown'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FSPro"), 2);
}

TEST_F(ParticularsTest, WalkingAllTwentyFiveEmptyWindowsStoresNothingAndSaysNothing)
{
    makeJoint();
    const QString before = text("SELECT group_concat(FullName2 || FullName || CityStateZip) FROM Client");
    openFromLink("lblPersonalInformation");
    QStringList walked;
    while (shown() && walked.size() < 30) {
        walked << shownClass();
        if (!shown()->findChild<QPushButton *>("btnNext"))
            break;
        press("btnNext");
    }
    EXPECT_EQ(walked.size(), 25);
    EXPECT_EQ(walked.first(), "TfrmPersonalInfo");
    EXPECT_EQ(walked.last(), "TfrmLegal2");
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
    // Back to the first window the same way.
    QStringList back;
    while (shown() && back.size() < 30) {
        back << shownClass();
        if (!shown()->findChild<QPushButton *>("btnPrevious"))
            break;
        press("btnPrevious");
    }
    std::reverse(back.begin(), back.end());
    EXPECT_EQ(back, walked);
    press("btnCancel");
    for (const char *table : {"Cash", "Investments", "RealEstate", "Auto", "Legal", "Incomes", "Expenditure"})
        EXPECT_EQ(count(QString("SELECT COUNT(*) FROM %1").arg(table)), 0) << table;
    EXPECT_TRUE(messages->texts().isEmpty());
}

TEST_F(ParticularsTest, AJointStatementEnteredThroughAllTwentyFiveWindowsShowsItsTotals)
{
    addStatement();
    const std::vector<std::pair<const char *, std::vector<std::pair<QString, QString>>>> steps = {
        {"TfrmPersonalInfo", {{"FirstName", "Dan"}, {"LastName", "Zorn"}, {"MaritalStatus", "Married"},
                              {"Dependants", "1"}, {"City", "Dallas"}, {"State", "TX"}, {"Zip", "75201"}}},
        {"TfrmPersonalEmployment", {{"Employer", "Acme"}, {"YearsEmployed", "7"}}},
        {"TfrmPersonalContacts", {{"Banker", "First Bank"}}},
        {"TfrmSpouseInfo", {{"SFirstName", "Eve"}, {"SLastName", "Zorn"}, {"SMaritalStatus", "Married"},
                            {"SDependants", "1"}}},
        {"TfrmSpouseEmployment", {{"SEmployer", "Bakery"}}},
        {"TfrmSpouseContacts", {{"SAttorney", "Lee Law"}}},
        {"TfrmCash", {{"RegisteredName", "Joint"}, {"Type", "Checking Account"}, {"Balance", "2500.5"}}},
        {"TfrmInvestments", {{"Description", "Fund"}, {"InvestmentType", "Mutual Fund"}, {"Exchange", "Unlisted"},
                             {"PurchasePrice", "900"}, {"MarketValue", "1000"}}},
        {"TfrmRealEstate", {{"Description", "Home"}, {"Type", "Homestead"}, {"YearAcquired", "2001"},
                            {"PercentOwned", "50"}, {"PercentLiability", "50"}, {"MarketValue", "200000"},
                            {"CurrentBalance", "80000"}}},
        {"TfrmAutos", {{"Model", "Saab"}, {"Year", "2009"}, {"CurrentValue", "6000"}}},
        {"TfrmLifeInsurance", {{"Insured", "Dan"}, {"Company", "Mutual"}, {"Beneficiary", "Eve"},
                               {"FaceValue", "50000"}, {"CashValue", "1200"}, {"Pledged", "No"}}},
        {"TfrmPersonal", {{"Description", "Art"}, {"Registered", "Dan"}, {"Value", "3000"}}},
        {"TfrmBusiness", {{"Description", "Bakery"}, {"Registered", "Eve"}, {"Value", "40000"}}},
        {"TfrmOther", {{"Type", "All Other Assets"}, {"Description", "Coins"}, {"Registered", "Dan"}, {"Value", "250"}}},
        {"TfrmBank_Liabilities", {{"Description", "Note"}, {"Bank", "First"}, {"Amount", "4000"}}},
        {"TfrmRealEstate_Liabilities", {}},
        {"TfrmCreditCard_Liabilities", {{"Description", "Visa"}, {"CurrentBalance", "750.25"}}},
        {"TfrmAutos_Liabilities", {{"Description", "Saab loan"}, {"LoanBalance", "2000"}}},
        {"TfrmTax_Liabilities", {{"Description", "Income"}, {"Explanation", "April"}, {"Amount", "900"}}},
        {"TfrmOther_Liabilities", {{"Description", "Family"}, {"MonthlyPayment", "50"}, {"Amount", "1500"}}},
        {"TfrmContingent_Liabilities", {{"Description", "Guarantor"}, {"ToWhom", "First"}, {"Amount", "7000"}}},
        {"TfrmIncome", {{"Description", "Salary"}, {"Type", "Salaries and Wages (Individual)"}, {"Amount", "60000"}}},
        {"TfrmExpenses", {{"Description", "Rent"}, {"Type", "Rental Payment"}, {"Amount", "9000"}}},
        {"TfrmLegal", {{"Will", "Yes"}, {"WillExplanation", "Eve Zorn"}}},
        {"TfrmLegal2", {{"Prenuptial", "No"}}},
    };
    for (const auto &[window, values] : steps) {
        SCOPED_TRACE(window);
        ASSERT_EQ(shownClass(), window);
        if (QString(window) == "TfrmPersonalInfo")
            QTest::mouseClick(shown()->findChild<QRadioButton *>("rbYes"), Qt::LeftButton);
        const bool list = shown()->findChild<QPushButton *>("btnAdd") && !values.empty();
        if (list)
            press("btnAdd");
        for (const auto &[field, value] : values)
            typeField(field, value);
        press(QString(window) == "TfrmLegal2" ? "btnOK" : "btnNext");
        ASSERT_TRUE(messages->texts().isEmpty()) << messages->texts().join("|").toStdString();
    }
    ASSERT_TRUE(main->isVisible());
    ASSERT_EQ(currentPage(), "tsOverview");
    const QString id = text("SELECT Id FROM Client WHERE LastName = 'Zorn'");
    EXPECT_EQ(client("SFullName2", id), "Eve Zorn");
    EXPECT_EQ(client("YearsEmployed2", id), "Employed for 7 years.");
    EXPECT_EQ(text(QString("SELECT Will || Prenuptial FROM Legal WHERE ClientId = '%1'").arg(id)), "YesNo");

    // The overview on Zorn, the last of the list: its totals against sums formed here.
    child<DBGrid>("DBGrid1")->selectRow(1);
    QApplication::processEvents();
    const double assets = 2500.5 + 1000 + 100000 + 6000 + 1200 + 3000 + 40000 + 250;
    const double liabilities = 4000 + 40000 + 750.25 + 2000 + 900 + 1500;
    for (const auto &[control, value] :
         std::vector<std::pair<const char *, double>>{{"dbE1", 2500.5},
                                                      {"dbE2", 100000},
                                                      {"dbE12", 40000},
                                                      {"dbE17", 7000},
                                                      {"dbTotalAssets", assets},
                                                      {"dbTotalLiabilities", liabilities},
                                                      {"dbNetWorth", assets - liabilities}})
        EXPECT_EQ(child<QLabel>(control)->text(), FormatMoney(value)) << control;
    EXPECT_DOUBLE_EQ(text(QString("SELECT IncomeTotal FROM FSPro WHERE ClientId = '%1'").arg(id)).toDouble(), 60000);
    EXPECT_DOUBLE_EQ(text(QString("SELECT MExpenseTotal FROM FSPro WHERE ClientId = '%1'").arg(id)).toDouble(), 750);
}

} // namespace
