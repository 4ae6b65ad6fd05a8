#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>

#include "print/engine/document.h"
#include "print/print_dialogs.h"
#include "print/tfrm_print.h"
#include "statement_fixture.h"
#include "support/recording_messages.h"
#include "ui/navigator.h"

class RecordingNavigator : public Navigator
{
public:
    void open(const QString &className) override { calls << QStringLiteral("open ") + className; }
    void returnToMain() override { calls << QStringLiteral("main"); }
    void returnToOverview() override { calls << QStringLiteral("overview"); }
    void endProgram() override { calls << QStringLiteral("end"); }

    QStringList calls;
};

// Stands in for the print dialog, the printers and the modal preview: answers the dialog
// with a printer and copies or a cancel, prints "on a printer" into a PDF file per job,
// and keeps what each preview showed.
class ScriptedPrintDialogs : public PrintDialogs
{
public:
    bool printerInstalled() override { return installed; }
    std::optional<PrinterChoice> choosePrinter(QWidget *parent, int pageCount) override;
    std::unique_ptr<QPrinter> printerNamed(const QString &printerName) override;
    void preview(Report::CompositeReport &report, QWidget *parent) override;

    std::optional<PrinterChoice> answer;
    bool installed = true;
    // The sheets of the document each dialog was shown for.
    std::vector<int> offeredPages;
    // The file name each preview would propose for a saved PDF.
    QStringList proposedNames;
    bool printerAvailable = true;
    int dialogsShown = 0;
    QStringList printersAsked;
    QStringList printedFiles;
    std::vector<Report::Document> previews;
    // The page objects the composite held while its preview was shown.
    std::vector<QStringList> previewReports;
    // How many page objects the window held while its preview was shown.
    std::vector<int> pagesAlive;
    QPointer<TfrmPrint> window;
    QTemporaryDir output;
};

// A print window on a selected statement, with the scripted dialogs.
class PrintWindowTest : public StatementTest
{
protected:
    void TearDown() override;

    TfrmPrint &open();
    template <class T = QWidget>
    T *child(const char *name)
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Moves the mouse over the normal picture and clicks the hover picture shown there.
    void clickImage(const char *normalName, const char *hoverName);
    void click(const char *name);

    RecordingMessages messages;
    RecordingNavigator navigator;
    ScriptedPrintDialogs dialogs;
    QPointer<TfrmPrint> window;
};
