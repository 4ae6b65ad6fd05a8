#include "print_window_fixture.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QTest>

#include "print/engine/composite_report.h"
#include "print/engine/report_page.h"

std::optional<PrintDialogs::PrinterChoice> ScriptedPrintDialogs::choosePrinter(QWidget *, int pageCount)
{
    ++dialogsShown;
    offeredPages.push_back(pageCount);
    return answer;
}

std::unique_ptr<QPrinter> ScriptedPrintDialogs::printerNamed(const QString &printerName)
{
    printersAsked << printerName;
    if (!printerAvailable)
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printedFiles << output.filePath(QStringLiteral("job-%1.pdf").arg(printedFiles.size() + 1));
    printer->setOutputFileName(printedFiles.last());
    return printer;
}

void ScriptedPrintDialogs::preview(Report::CompositeReport &report, QWidget *)
{
    previews.push_back(report.layout());
    proposedNames << report.fileName();
    QStringList names;
    for (const Report::ReportPage *page : report.reports())
        names << page->name();
    previewReports.push_back(names);
    pagesAlive.push_back(window ? window->pageObjectCount() : -1);
}

void PrintWindowTest::TearDown()
{
    if (window)
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete window.data();
    StatementTest::TearDown();
}

TfrmPrint &PrintWindowTest::open()
{
    window = new TfrmPrint(*dm, navigator, dialogs);
    dialogs.window = window;
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    return *window;
}

void PrintWindowTest::clickImage(const char *normalName, const char *hoverName)
{
    QWidget *normal = child(normalName);
    QWidget *hover = child(hoverName);
    ASSERT_TRUE(normal && hover);
    // Qt drops a move to where the mouse already is; come from the background first.
    QTest::mouseMove(window, {20, 430});
    QTest::mouseMove(normal, normal->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([hover] { return hover->isVisible(); }, 1000)) << hoverName;
    QTest::mouseClick(hover, Qt::LeftButton, {}, hover->rect().center());
    // A statement with findings is checked first; these tests print it as it is.
    if (auto *anyway = window->findChild<QWidget *>(QStringLiteral("btnPrintAnyway")); anyway && anyway->isVisible())
        QTest::mouseClick(anyway, Qt::LeftButton, {}, anyway->rect().center());
}

void PrintWindowTest::click(const char *name)
{
    QWidget *widget = child(name);
    ASSERT_TRUE(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}
