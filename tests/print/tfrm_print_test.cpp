// The print window, driven as a user drives it.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "data/tdm1.h"
#include "print/system_print_dialogs.h"
#include "support/pdf_reader.h"
#include "support/print/print_window_fixture.h"
#include "support/temp_database.h"

namespace {

// The page objects of each run, in printing order.
const QStringList PersonalRun = {"TqrCont_Single", "TqrCont_Single_Sect4", "TqrCont_Joint_Details",
                                 "TqrCont_Joint_Details_L", "TqrCont_Joint_Details_Inc"};
const QStringList JointRun = {"TqrCont_Joint", "TqrCont_Joint_Sect4", "TqrCont_Joint_Details",
                              "TqrCont_Joint_Details_L", "TqrCont_Joint_Details_Inc"};
// A statement with a property: the schedule of real estate owned after the liabilities.
const QStringList JointRunWithProperty = {"TqrCont_Joint", "TqrCont_Joint_Sect4", "TqrCont_Joint_Details",
                                          "TqrCont_Joint_Details_L", "TqrRealEstateOwned", "TqrCont_Joint_Details_Inc"};
const QStringList BlankRun = {"TqrBlank_Cont",          "TqrBlank_Cont_Sect4",    "TqrBlank_Cont_Assets_A",
                              "TqrBlank_Cont_Assets_B", "TqrBlank_Cont_Assets_C", "TqrBlank_Cont_Assets_D",
                              "TqrBlank_Cont_L_A",      "TqrBlank_Cont_L_B",      "TqrBlank_Cont_L_C",
                              "TqrBlank_Cont_L_D",      "TqrBlank_Cont_Income"};

TEST_F(PrintWindowTest, OpensWithItsControlsInPlaceTheStatementChosenAndTheHoldersName)
{
    addFilledStatement(false);
    open();
    EXPECT_STREQ(window->metaObject()->className(), "TfrmPrint");
    EXPECT_EQ(window->windowTitle(), "Print Financial Statement");
    EXPECT_EQ(window->size(), QSize(553, 447));

    auto *background = child<QLabel>("imBackground");
    EXPECT_EQ(background->geometry(), QRect(0, 0, 553, 447));
    auto *fs = child<QRadioButton>("rbFS");
    auto *blank = child<QRadioButton>("rbBlank");
    EXPECT_TRUE(fs->isChecked());
    EXPECT_FALSE(blank->isChecked());
    EXPECT_EQ(fs->text(), "Print Financial Statement");
    EXPECT_EQ(blank->text(), "Print Blank Financial Statement");
    // At their places, at least as wide as given and wide enough to show their captions whole.
    for (const auto &[button, place] : {std::pair{fs, QRect(152, 160, 193, 17)}, std::pair{blank, QRect(152, 183, 241, 17)}}) {
        EXPECT_EQ(button->geometry().topLeft(), place.topLeft());
        EXPECT_EQ(button->height(), place.height());
        EXPECT_GE(button->width(), place.width());
        EXPECT_GE(button->width(), button->sizeHint().width());
    }
    EXPECT_EQ(fs->font().pixelSize(), 16);
    EXPECT_EQ(blank->font().pixelSize(), 16);

    for (const auto &[name, place] : {std::pair{"imPreview", QRect(369, 228, 65, 63)},
                                      std::pair{"imPreview_Up", QRect(369, 228, 65, 63)},
                                      std::pair{"imPrint", QRect(440, 228, 65, 63)},
                                      std::pair{"imPrint_Up", QRect(440, 228, 65, 63)}})
        EXPECT_EQ(child(name)->geometry(), place) << name;
    EXPECT_TRUE(child("imPreview")->isVisible());
    EXPECT_TRUE(child("imPrint")->isVisible());
    EXPECT_FALSE(child("imPreview_Up")->isVisible());
    EXPECT_FALSE(child("imPrint_Up")->isVisible());

    auto *close = child<QPushButton>("btnClose");
    EXPECT_EQ(close->text(), "Close");
    EXPECT_EQ(close->geometry(), QRect(440, 392, 75, 25));

    auto *name = child<QLabel>("DBText19");
    EXPECT_EQ(name->text(), "John Q. Smith");
    EXPECT_TRUE(name->isVisible());
    EXPECT_EQ(name->y(), 92);
    EXPECT_EQ(name->font().pixelSize(), 13);
    EXPECT_TRUE(name->alignment() & Qt::AlignRight);
    EXPECT_EQ(name->palette().color(QPalette::WindowText), QColor(Qt::black));
    // Right-justified: a longer name grows to the left.
    const int right = name->geometry().right();
    EXPECT_GT(right, 458);
    set(dm->tblClient, {{"FullName2", "Johnathan Quincy Smithson-Whitaker"}});
    EXPECT_EQ(name->text(), "Johnathan Quincy Smithson-Whitaker");
    EXPECT_EQ(name->geometry().right(), right);
    EXPECT_GE(name->width(), name->fontMetrics().horizontalAdvance(name->text()));
}

TEST_F(PrintWindowTest, TheHoverPictureShowsUnderTheMouseAndTheBackgroundPutsItBack)
{
    addFilledStatement(false);
    open();
    QTest::mouseMove(window, {20, 430});
    QTest::mouseMove(child("imPreview"), {30, 30});
    ASSERT_TRUE(QTest::qWaitFor([this] { return child("imPreview_Up")->isVisible(); }, 1000));
    EXPECT_FALSE(child("imPreview")->isVisible());
    EXPECT_FALSE(child("imPrint_Up")->isVisible());

    QTest::mouseMove(child("imPrint"), {30, 30});
    ASSERT_TRUE(QTest::qWaitFor([this] { return child("imPrint_Up")->isVisible(); }, 1000));
    EXPECT_TRUE(child("imPreview")->isVisible());
    EXPECT_FALSE(child("imPreview_Up")->isVisible());

    QTest::mouseMove(window, {20, 430});
    ASSERT_TRUE(QTest::qWaitFor([this] { return child("imPrint")->isVisible(); }, 1000));
    EXPECT_FALSE(child("imPrint_Up")->isVisible());
    EXPECT_TRUE(dialogs.previews.empty());
    EXPECT_EQ(dialogs.dialogsShown, 0);
}

class PrintRunTest : public PrintWindowTest
{
protected:
    QStringList previewed()
    {
        clickImage("imPreview", "imPreview_Up");
        return dialogs.previewReports.empty() ? QStringList() : dialogs.previewReports.back();
    }
};

TEST_F(PrintRunTest, APersonalStatementPrintsThePersonalPages)
{
    addFilledStatement(false);
    open();
    EXPECT_EQ(previewed(), PersonalRun);
    ASSERT_EQ(dialogs.previews.size(), 1u);
    EXPECT_EQ(dialogs.previews[0].pageCount(), 5);
    EXPECT_NE(dialogs.previews[0].pages[0].findText("John Q. Smith"), nullptr);
}

TEST_F(PrintRunTest, ASpouseFirstNameWithoutALastNameStillPrintsThePersonalPages)
{
    addFilledStatement(false);
    set(dm->tblClient, {{"SFirstName", "Mary"}, {"SLastName", ""}});
    open();
    EXPECT_EQ(previewed(), PersonalRun);
}

TEST_F(PrintRunTest, BothSpouseNamesPrintTheJointPagesWhateverTheStatementKind)
{
    addFilledStatement(false);
    set(dm->tblClient, {{"SFirstName", "Mary"}, {"SLastName", "Smith"}});
    open();
    EXPECT_EQ(previewed(), JointRun);
}

TEST_F(PrintRunTest, AJointStatementWithoutBothSpouseNamesPrintsThePersonalPages)
{
    addFilledStatement(true);
    set(dm->tblClient, {{"SLastName", ""}});
    open();
    EXPECT_EQ(previewed(), PersonalRun);
    set(dm->tblClient, {{"SLastName", "Smith"}});
    EXPECT_EQ(previewed(), JointRun);
    EXPECT_NE(dialogs.previews.back().pages[0].findText("Mary A. Smith"), nullptr);
}

TEST_F(PrintRunTest, EachPreviewBuildsItsPagesAfreshAndFreesThemWhenItCloses)
{
    addFilledStatement(false);
    open();
    EXPECT_EQ(window->pageObjectCount(), 0);
    previewed();
    set(dm->tblFSPro, {{"CashOnHand", "13750"}});
    previewed();
    ASSERT_EQ(dialogs.previews.size(), 2u);
    EXPECT_NE(dialogs.previews[0].pages[0].findText("12,500.00"), nullptr);
    EXPECT_EQ(dialogs.previews[1].pages[0].findText("12,500.00"), nullptr);
    EXPECT_NE(dialogs.previews[1].pages[0].findText("13,750.00"), nullptr);
    EXPECT_EQ(dialogs.pagesAlive, std::vector<int>({5, 5}));
    EXPECT_EQ(window->pageObjectCount(), 0);
}

TEST_F(PrintRunTest, CancellingThePrintDialogPrintsNothingAndLeavesTheWindowAsItWas)
{
    addFilledStatement(false);
    open();
    dialogs.answer.reset();
    clickImage("imPrint", "imPrint_Up");
    EXPECT_EQ(dialogs.dialogsShown, 1);
    EXPECT_TRUE(dialogs.printersAsked.isEmpty());
    EXPECT_TRUE(dialogs.printedFiles.isEmpty());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(child<QRadioButton>("rbFS")->isChecked());
    EXPECT_EQ(window->pageObjectCount(), 0);
}

TEST_F(PrintRunTest, ThreeCopiesOnAChosenPrinterPrintEachCopyOnceOnThatPrinter)
{
    addFilledStatement(true);
    open();
    dialogs.answer = PrintDialogs::PrinterChoice{"Office Laser", 3};
    clickImage("imPrint", "imPrint_Up");
    EXPECT_EQ(dialogs.printersAsked, QStringList({"Office Laser"}));
    ASSERT_EQ(dialogs.printedFiles.size(), 1);
    // A file printer makes no copies itself, so the five sheets are drawn three times.
    EXPECT_EQ(pdfInfo(dialogs.printedFiles[0]).value("Pages"), "15");
    const std::vector<PdfWord> words = pdfWords(dialogs.printedFiles[0]);
    for (int copy = 0; copy < 3; ++copy) {
        EXPECT_TRUE(findPhrase(words, 5 * copy + 1, "Spouse Information", {0, 0})) << copy;
        EXPECT_TRUE(findPhrase(words, 5 * copy + 2, "Contacts (Spouse)", {0, 0})) << copy;
        EXPECT_TRUE(findPhrase(words, 5 * copy + 5, "Section 3 - Annual Income and Expenditures", {0, 0})) << copy;
    }
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(window->pageObjectCount(), 0);
}

TEST_F(PrintRunTest, APrinterThatCannotBeHadIsReportedAndNothingPrints)
{
    addFilledStatement(false);
    open();
    dialogs.answer = PrintDialogs::PrinterChoice{"Gone Away", 1};
    dialogs.printerAvailable = false;
    clickImage("imPrint", "imPrint_Up");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, Messages::Kind::Error);
    EXPECT_EQ(messages.last(), "The printer \"Gone Away\" is not available.");
    EXPECT_EQ(window->pageObjectCount(), 0);
}

TEST_F(PrintWindowTest, CloseClearsEveryStatementFilterAndReturnsToTheOverview)
{
    addFilledStatement(false);
    addClient("Other", "Person");
    select();
    open();
    ASSERT_TRUE(dm->tblClient.Filtered());
    click("btnClose");
    EXPECT_EQ(navigator.calls, QStringList({"overview"}));
    for (Table *table : dm->unfilterOrder())
        EXPECT_FALSE(table->Filtered()) << table->TableName().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([this] { return window.isNull(); }, 1000));
}

TEST_F(PrintRunTest, TheScheduleOfRealEstateOwnedPrintsAloneWhenChosen)
{
    addFilledStatement(true);
    addDetailRows();
    open();
    auto *schedule = child<QRadioButton>("rbRealEstate");
    QTest::mouseClick(schedule, Qt::LeftButton, {}, {10, 8});
    ASSERT_TRUE(schedule->isChecked());
    EXPECT_TRUE(child<QCheckBox>("chkMask")->isEnabled());
    EXPECT_EQ(previewed(), QStringList({"TqrRealEstateOwned"}));
    EXPECT_NE(dialogs.previews.back().pages[0].findText("Schedule of Real Estate Owned"), nullptr);
    EXPECT_EQ(dialogs.pagesAlive.back(), 1);
    EXPECT_EQ(window->pageObjectCount(), 0);
}

TEST_F(PrintRunTest, TheBlankFormPrintsItsElevenSheetsWhateverStatementIsSelected)
{
    addFilledStatement(true);
    addDetailRows();
    open();
    auto *blank = child<QRadioButton>("rbBlank");
    QTest::mouseClick(blank, Qt::LeftButton, {}, {10, 8});
    ASSERT_TRUE(blank->isChecked());
    EXPECT_FALSE(child<QRadioButton>("rbFS")->isChecked());
    EXPECT_EQ(previewed(), BlankRun);
    EXPECT_EQ(dialogs.previews.back().pageCount(), 11);
    EXPECT_EQ(dialogs.previews.back().pages[0].findText("John Q. Smith"), nullptr);
    EXPECT_EQ(dialogs.pagesAlive.back(), 11);
    EXPECT_EQ(window->pageObjectCount(), 0);

    dialogs.answer = PrintDialogs::PrinterChoice{"Office Laser", 1};
    clickImage("imPrint", "imPrint_Up");
    ASSERT_EQ(dialogs.printedFiles.size(), 1);
    EXPECT_EQ(pdfInfo(dialogs.printedFiles[0]).value("Pages"), "11");
    EXPECT_EQ(pdfInfo(dialogs.printedFiles[0]).value("Title"), "Blank Financial Statement");
    EXPECT_EQ(window->pageObjectCount(), 0);

    // Back to the statement: its own pages again.
    QTest::mouseClick(child<QRadioButton>("rbFS"), Qt::LeftButton, {}, {10, 8});
    EXPECT_EQ(previewed(), JointRunWithProperty);
}

TEST_F(PrintRunTest, WithNoPrinterInstalledPrintSaysSoAndWritesNoFile)
{
    addFilledStatement(false);
    open();
    dialogs.installed = false;
    dialogs.answer = PrintDialogs::PrinterChoice{"Office Laser", 1};
    clickImage("imPrint", "imPrint_Up");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, Messages::Kind::Warning);
    EXPECT_TRUE(messages.last().startsWith("No printer is installed, so nothing was printed."));
    EXPECT_EQ(dialogs.dialogsShown, 0);
    EXPECT_TRUE(dialogs.printersAsked.isEmpty());
    EXPECT_TRUE(dialogs.printedFiles.isEmpty());
    EXPECT_TRUE(QDir(dialogs.output.path()).isEmpty());
    EXPECT_EQ(window->pageObjectCount(), 0);
}

TEST_F(PrintRunTest, TheDialogOffersTheDocumentsSheetsAndTheRangeChosenIsWhatPrints)
{
    addFilledStatement(true);
    open();
    dialogs.answer = PrintDialogs::PrinterChoice{"Office Laser", 2, 3, 4};
    clickImage("imPrint", "imPrint_Up");
    ASSERT_EQ(dialogs.offeredPages, std::vector<int>({5}));
    ASSERT_EQ(dialogs.printedFiles.size(), 1);
    // Sheets 3 and 4, twice.
    EXPECT_EQ(pdfInfo(dialogs.printedFiles[0]).value("Pages"), "4");
    const std::vector<PdfWord> words = pdfWords(dialogs.printedFiles[0]);
    for (int copy = 0; copy < 2; ++copy) {
        EXPECT_TRUE(findPhrase(words, 2 * copy + 1, "Section 2 - Assets", {0, 0})) << copy;
        EXPECT_TRUE(findPhrase(words, 2 * copy + 2, "Section 2 - Liabilities", {0, 0})) << copy;
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PrintRunTest, APreviewProposesTheHoldersNameAndStatementDateAsItsPdfName)
{
    addFilledStatement(true);
    open();
    clickImage("imPreview", "imPreview_Up");
    set(dm->tblFSPro, {{"Date", "12/31/2025"}});
    set(dm->tblClient, {{"SFirstName", ""}});
    clickImage("imPreview", "imPreview_Up");
    click("rbBlank");
    clickImage("imPreview", "imPreview_Up");
    EXPECT_EQ(dialogs.proposedNames, QStringList({"John Q. Smith and Mary A. Smith 03-15-2024.pdf",
                                                  "John Q. Smith 12-31-2025.pdf", "Blank Financial Statement.pdf"}));
}

class RunFileNameTest : public DataModuleTest
{
};

TEST_F(RunFileNameTest, TheProposedNameIsOneAnyFileSystemTakes)
{
    Tdm1 &dm = *this->dm;
    Table &client = dm.tblClient;
    client.Append();
    client.FieldByName("FullName2").SetAsString("../J/K: \"Jo\"\tSmith*?<>|");
    client.Post();
    dm.tblFSPro.Append();
    dm.tblFSPro.FieldByName("Date").SetAsString("01/15/2026");
    dm.tblFSPro.Post();
    const QString name = runFileName(PrintRun::Personal, dm);
    EXPECT_EQ(name, "J-K- -Jo--Smith----- 01-15-2026.pdf");
    for (const QChar c : name)
        EXPECT_FALSE(QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32);

    client.Edit();
    client.FieldByName("FullName2").SetAsString(QString(300, u'x'));
    client.Post();
    EXPECT_LE(runFileName(PrintRun::Personal, dm).toUtf8().size(), 255);
    client.Edit();
    client.FieldByName("FullName2").SetAsString("..");
    client.Post();
    dm.tblFSPro.Edit();
    dm.tblFSPro.FieldByName("Date").SetAsString("");
    dm.tblFSPro.Post();
    EXPECT_EQ(runFileName(PrintRun::Personal, dm), "Financial Statement.pdf");
}

TEST(SystemPrintDialogsTest, APrinterNameTheSystemDoesNotKnowGivesNoPrinter)
{
    SystemPrintDialogs dialogs;
    EXPECT_EQ(dialogs.printerNamed("No Such Printer Anywhere"), nullptr);
}

TEST_F(PrintRunTest, SbaForm413IsCheckedForItsOwnRuleAndPreviewsItsSheetsWithTheirName)
{
    addFilledStatement(true);
    addDetailRows();
    open();
    int statementChecks = 0;
    window->setStatementCheck([&statementChecks](std::function<void()>) { return ++statementChecks, false; });
    std::function<void()> heldBack;
    window->setSba413Check([&heldBack](std::function<void()> proceed) { return heldBack = std::move(proceed), true; },
                           [] { return QDate(2024, 7, 13); });
    auto *label = child<QLabel>("lblCurrentUntil");
    EXPECT_FALSE(label->isVisible());
    click("rbSba413");
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), "current until 07/13/2024");
    EXPECT_TRUE(child<QCheckBox>("chkMask")->isEnabled());

    // The form's check holds the run back until it goes on.
    clickImage("imPreview", "imPreview_Up");
    EXPECT_TRUE(dialogs.previews.empty());
    ASSERT_TRUE(heldBack);
    heldBack();
    ASSERT_EQ(dialogs.previews.size(), 1u);
    EXPECT_EQ(statementChecks, 0);
    EXPECT_EQ(dialogs.previewReports.back().first(), "TqrSba413_Page1");
    EXPECT_NE(dialogs.previews.back().pages[0].findText("PERSONAL FINANCIAL STATEMENT"), nullptr);
    EXPECT_EQ(dialogs.proposedNames.back(), "John Q. Smith and Mary A. Smith 03-15-2024 SBA Form 413.pdf");
    EXPECT_EQ(window->pageObjectCount(), 0);

    click("rbBlank");
    EXPECT_FALSE(label->isVisible());
    EXPECT_FALSE(child<QCheckBox>("chkMask")->isEnabled());

    // Every choice but the blank form can be masked, whichever was chosen before it; the
    // choices, the mask and the date under the form take places of their own.
    for (const auto &[choice, maskable] : {std::pair{"rbRealEstate", true}, std::pair{"rbBlank", false},
                                           std::pair{"rbSba413", true}, std::pair{"rbFS", true},
                                           std::pair{"rbBlank", false}, std::pair{"rbRealEstate", true}}) {
        click(choice);
        EXPECT_EQ(child<QCheckBox>("chkMask")->isEnabled(), maskable) << choice;
    }
    const char *placed[] = {"rbFS", "rbBlank", "chkMask", "rbSba413", "lblCurrentUntil", "rbRealEstate",
                            "imPreview", "imPrint"};
    for (const char *one : placed)
        for (const char *other : placed)
            if (qstrcmp(one, other) < 0)
                EXPECT_FALSE(child<QWidget>(one)->geometry().intersects(child<QWidget>(other)->geometry()))
                    << one << " and " << other;
    if (const QByteArray folder = qgetenv("WORTHSHEET_SHOTS"); !folder.isEmpty())
        window->grab().save(QString::fromLocal8Bit(folder) + "/print_window.png");
}

} // namespace
