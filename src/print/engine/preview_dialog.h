#pragma once

#include <functional>
#include <optional>

#include <QDialog>

#include "document.h"

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace Report {

// The preview of a laid-out document: a normal window that opens zoomed to fit the page,
// pages through the sheets, prints, saves as PDF or as the engine's report file, and opens
// a saved report file. It holds the document itself, so nothing it shows can go away
// while it is open.
class PreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // Asks for a file name: to save when `save` is set, else to open, starting from the
    // proposed path; empty when cancelled.
    using FileChooser = std::function<QString(QWidget *parent, const QString &caption, const QString &filter,
                                              const QString &proposed, bool save)>;

    // Asks, after the file name, for the password a saved PDF opens with: empty for none,
    // nothing when the user cancels.
    using PasswordChooser = std::function<std::optional<QString>(QWidget *parent)>;

    explicit PreviewDialog(Document document, QWidget *parent = nullptr);
    ~PreviewDialog() override;

    const Document &document() const { return m_document; }
    void setDocument(Document document);
    QPrintPreviewWidget *view() const { return m_view; }
    int currentPage() const;
    int pageCount() const;

    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void setPasswordChooser(PasswordChooser chooser) { m_choosePassword = std::move(chooser); }
    // The name a saved PDF is proposed under ("Jane Doe 01-15-2026.pdf"); the folder is the
    // user's documents folder, then the one last saved into during this run.
    void setProposedFileName(const QString &fileName) { m_proposedName = fileName; }
    QString proposedPath(const QString &suffix) const;
    // Forgets the folder last saved into (a new run begins).
    static void forgetLastFolder();

    // What the buttons do; each shows an error message when it fails.
    // With a password the PDF opens only with it.
    bool saveAsPdf(const QString &path, const QString &password = {});
    bool saveAsReportFile(const QString &path);
    bool openReportFile(const QString &path);

signals:
    // Print was pressed: the owner chooses the printer and prints the document.
    void printRequested(const Report::Document &document);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void paintPreview(QPrinter *printer);
    void goToPage(int page);
    void updatePageLabel();
    void btnSavePdfClick();
    void btnSaveReportClick();
    void btnOpenReportClick();
    QPushButton *addButton(const QString &name, const QString &text);

    Document m_document;
    QPrinter *m_printer;
    QPrintPreviewWidget *m_view;
    QLabel *m_pageLabel;
    FileChooser m_chooseFile;
    PasswordChooser m_choosePassword;
    QString m_proposedName;
};

} // namespace Report
