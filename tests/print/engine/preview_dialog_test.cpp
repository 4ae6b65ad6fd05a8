// The preview window: zoomed to fit, paging, printing and saving.
#include <sys/stat.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "print/engine/pdf_export.h"
#include "print/engine/preview_dialog.h"
#include "support/crafted_files.h"
#include "support/file_aliases.h"
#include "support/recording_messages.h"
#include "support/temp_database.h"

using namespace Report;

namespace {

Document sheets(int count, const QString &title = "Statement")
{
    Document doc;
    doc.title = title;
    for (int i = 0; i < count; ++i) {
        TextPrimitive t;
        t.rect = QRectF(60, 60, 300, 14);
        t.text = QStringLiteral("%1 sheet %2").arg(title).arg(i + 1);
        doc.pages.push_back(DocumentPage{"TqrTest", {t}});
    }
    return doc;
}

class PreviewDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PreviewDialog::forgetLastFolder();
        dialog = new PreviewDialog(sheets(3));
        dialog->setFileChooser([this](QWidget *, const QString &caption, const QString &, const QString &proposed, bool save) {
            asked << QStringLiteral("%1 %2").arg(caption, save ? "save" : "open");
            proposals << proposed;
            return chosen;
        });
        dialog->setPasswordChooser([this](QWidget *) { return pdfPassword; });
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    void TearDown() override
    {
        dialog->close();
        delete dialog;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void click(const char *name)
    {
        auto *button = dialog->findChild<QPushButton *>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString pageLabel() const { return dialog->findChild<QLabel *>("lblPage")->text(); }

    RecordingMessages messages;
    QTemporaryDir dir;
    PreviewDialog *dialog = nullptr;
    QString chosen;
    std::optional<QString> pdfPassword = QString(); // none: the PDF opens for anyone
    QStringList asked;
    QStringList proposals;
};

TEST_F(PreviewDialogTest, OpensAsANormalWindowZoomedToFitThePage)
{
    EXPECT_FALSE(dialog->isMaximized());
    EXPECT_FALSE(dialog->isFullScreen());
    EXPECT_EQ(dialog->view()->zoomMode(), QPrintPreviewWidget::FitInView);
    EXPECT_EQ(dialog->pageCount(), 3);
    EXPECT_EQ(pageLabel(), "Page 1 of 3");
    EXPECT_EQ(dialog->windowTitle(), "Print Preview - Statement");
}

TEST_F(PreviewDialogTest, PagesThroughTheSheetsAndStopsAtBothEnds)
{
    click("btnNextPage");
    EXPECT_EQ(dialog->currentPage(), 2);
    EXPECT_EQ(pageLabel(), "Page 2 of 3");
    click("btnNextPage");
    click("btnNextPage");
    EXPECT_EQ(dialog->currentPage(), 3);
    click("btnPreviousPage");
    click("btnPreviousPage");
    click("btnPreviousPage");
    EXPECT_EQ(dialog->currentPage(), 1);
    EXPECT_EQ(pageLabel(), "Page 1 of 3");
}

TEST_F(PreviewDialogTest, PrintHandsTheDocumentToItsOwner)
{
    QSignalSpy spy(dialog, &PreviewDialog::printRequested);
    click("btnPrint");
    ASSERT_EQ(spy.count(), 1);
    EXPECT_TRUE(spy.first().first().value<Document>() == dialog->document());
}

TEST_F(PreviewDialogTest, SavesAsPdfUnderTheChosenNameWithItsExtension)
{
    chosen = dir.filePath("statement");
    click("btnSavePdf");
    EXPECT_EQ(asked, QStringList({"Save as PDF save"}));
    QFile pdf(dir.filePath("statement.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreviewDialogTest, ACancelledFileChoiceDoesNothingAndAFailedSaveSaysSo)
{
    chosen.clear();
    click("btnSavePdf");
    click("btnSaveReport");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    chosen = dir.filePath("missing/statement.pdf");
    click("btnSavePdf");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, Messages::Kind::Error);
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("The PDF file \"%1\" could not be saved.\n\r").arg(chosen)));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// The text poppler reads from a PDF, opened with the password given (none when empty), and
// whether it could open it at all.
std::pair<bool, QString> pdfText(const QString &pdf, const QString &password)
{
    QStringList arguments;
    if (!password.isNull())
        arguments << QStringLiteral("-upw") << password;
    QProcess text;
    text.start(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
    EXPECT_TRUE(text.waitForFinished(30000));
    return {text.exitStatus() == QProcess::NormalExit && text.exitCode() == 0, QString::fromUtf8(text.readAllStandardOutput())};
}

TEST_F(PreviewDialogTest, AProtectedPdfOpensOnlyWithItsPassword)
{
    chosen = dir.filePath("lender.pdf");
    pdfPassword = QStringLiteral("for the loan officer");
    click("btnSavePdf");
    ASSERT_TRUE(messages.shown().empty()) << messages.last().toStdString();
    QFile saved(chosen);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    // The file carries its encryption dictionary: qpdf encrypted every stream and string.
    EXPECT_TRUE(bytes.contains("/Encrypt"));
    const struct
    {
        QString password;
        bool opens;
    } attempts[] = {
        {QString(), false},
        {QStringLiteral("for the loan"), false},
        {QStringLiteral("For the loan officer"), false},
        {QStringLiteral("for the loan officer"), true},
    };
    for (const auto &attempt : attempts) {
        SCOPED_TRACE(attempt.password.toStdString());
        const auto [opened, text] = pdfText(chosen, attempt.password);
        EXPECT_EQ(opened, attempt.opens);
        EXPECT_EQ(text.contains(QStringLiteral("Statement sheet 3")), attempt.opens) << text.toStdString();
    }
    // Nothing but the protected file was left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("lender.pdf")});

    // Left empty, the PDF opens for anyone; a cancelled password window saves nothing.
    chosen = dir.filePath("plain.pdf");
    pdfPassword = QString();
    click("btnSavePdf");
    EXPECT_TRUE(pdfText(chosen, QString()).second.contains(QStringLiteral("Statement sheet 1")));
    chosen = dir.filePath("cancelled.pdf");
    pdfPassword.reset();
    click("btnSavePdf");
    EXPECT_FALSE(QFile::exists(chosen));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreviewDialogTest, SavesTheReportFileAndOpensOneSavedEarlier)
{
    chosen = dir.filePath("first");
    click("btnSaveReport");
    ASSERT_TRUE(QFile::exists(dir.filePath("first.wsr")));

    ASSERT_TRUE(sheets(5, "Other").save(dir.filePath("other.wsr")));
    chosen = dir.filePath("other.wsr");
    click("btnOpenReport");
    EXPECT_EQ(asked.last(), "Open Report File open");
    EXPECT_EQ(dialog->document().title, "Other");
    EXPECT_EQ(dialog->pageCount(), 5);
    EXPECT_EQ(pageLabel(), "Page 1 of 5");

    const std::optional<Document> first = Document::load(dir.filePath("first.wsr"));
    ASSERT_TRUE(first);
    EXPECT_TRUE(*first == sheets(3));
}

TEST_F(PreviewDialogTest, ADamagedReportFileIsRefusedAndTheShownDocumentStays)
{
    QFile bad(dir.filePath("bad.wsr"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{\"format\":\"Worthsheet report\",\"version\":1}");
    bad.close();
    chosen = bad.fileName();
    click("btnOpenReport");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().contains("The report file is damaged"));
    EXPECT_EQ(dialog->pageCount(), 3);
    EXPECT_EQ(dialog->document().title, "Statement");
}

TEST_F(PreviewDialogTest, ProposesTheStatementsNameInTheDocumentsFolderThenInTheFolderLastUsed)
{
    dialog->setProposedFileName("John Q. Smith 03-15-2024.pdf");
    chosen.clear();
    click("btnSavePdf");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_EQ(proposals.size(), 1);
    EXPECT_EQ(proposals[0], QDir(documents).filePath("John Q. Smith 03-15-2024.pdf"));

    chosen = dir.filePath("kept/statement.pdf");
    ASSERT_TRUE(QDir(dir.path()).mkdir("kept"));
    click("btnSavePdf");
    click("btnSavePdf");
    click("btnSaveReport");
    EXPECT_EQ(proposals[2], dir.filePath("kept/John Q. Smith 03-15-2024.pdf"));
    EXPECT_EQ(proposals[3], dir.filePath("kept/John Q. Smith 03-15-2024.wsr"));
}

TEST_F(PreviewDialogTest, SavedPdfAndReportFilesAreReadableByTheirOwnerOnly)
{
    const mode_t before = umask(022);
    chosen = dir.filePath("statement.pdf");
    click("btnSavePdf");
    chosen = dir.filePath("statement.wsr");
    click("btnSaveReport");
    // Saving over an existing file does not keep its wider mode either.
    QFile::setPermissions(dir.filePath("statement.pdf"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                             | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    chosen = dir.filePath("statement.pdf");
    click("btnSavePdf");
    umask(before);
    for (const char *name : {"statement.pdf", "statement.wsr"}) {
        struct stat info {};
        ASSERT_EQ(stat(QFile::encodeName(dir.filePath(name)).constData(), &info), 0) << name;
        EXPECT_EQ(info.st_mode & 0777, 0600u) << name;
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreviewDialogTest, NeitherSaveWritesOverTheStatementDatabaseInUse)
{
    TempDatabase db;
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(db.path());
    dm.db1.SetConnected(true);
    const QByteArray before = fileDigest(db.path());
    for (const FileAlias &alias : aliasesOf(db.path(), dir.path())) {
        for (const auto &[button, what] : {std::pair{"btnSavePdf", "PDF"}, std::pair{"btnSaveReport", "report"}}) {
            SCOPED_TRACE(std::string(alias.form) + ", " + button);
            messages.clear();
            chosen = alias.path;
            click(button);
            ASSERT_EQ(messages.shown().size(), 1u);
            EXPECT_EQ(messages.shown()[0].kind, Messages::Kind::Error);
            EXPECT_TRUE(messages.last().startsWith(QStringLiteral("The %1 file \"%2\" could not be saved.\n\r%2 is the ")
                                                       .arg(QLatin1String(what), alias.path)))
                << messages.last().toStdString();
            EXPECT_EQ(fileDigest(db.path()), before);
            EXPECT_EQ(QFileInfo(alias.path).exists(), alias.exists);
        }
    }
    EXPECT_EQ(QDir(db.folder()).entryList(QDir::Files), QStringList{QStringLiteral("wks.ABS")});
}

TEST_F(PreviewDialogTest, RulesShowAtTheFitPageZoom)
{
    // Separate rows of the shown page with a long run of dark pixels.
    const auto darkLines = [this](const Document &doc) {
        dialog->setDocument(doc);
        dialog->resize(500, 500);
        dialog->view()->fitInView();
        QCoreApplication::processEvents();
        const QImage shown = dialog->view()->grab().toImage();
        int lines = 0;
        bool previous = false;
        for (int y = 0; y < shown.height(); ++y) {
            int run = 0, longest = 0;
            for (int x = 0; x < shown.width(); ++x) {
                run = qGray(shown.pixel(x, y)) < 160 ? run + 1 : 0;
                longest = std::max(longest, run);
            }
            const bool dark = longest > shown.width() / 6;
            lines += dark && !previous;
            previous = dark;
        }
        return lines;
    };
    Document doc = sheets(1);
    const int without = darkLines(doc);
    // Rules of one pixel at many heights: wherever they fall between the view's pixels.
    constexpr int Rules = 24;
    for (int i = 0; i < Rules; ++i) {
        BoxPrimitive rule;
        rule.rect = QRectF(48, 100 + 35.3 * i, 720, 1);
        rule.fill = Qt::black;
        doc.pages[0].primitives.emplace_back(rule);
    }
    EXPECT_EQ(darkLines(doc), without + Rules);
}

} // namespace
