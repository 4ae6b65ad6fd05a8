#include "preview_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "base/guarded.h"
#include "base/messages.h"
#include "canvas.h"
#include "password_dialog.h"
#include "pdf_export.h"

namespace Report {

namespace {

QString chooseWithDialog(QWidget *parent, const QString &caption, const QString &filter, const QString &proposed,
                         bool save)
{
    return save ? QFileDialog::getSaveFileName(parent, caption, proposed, filter)
                : QFileDialog::getOpenFileName(parent, caption, proposed, filter);
}

// The folder the user last saved a document into during this run.
QString &lastFolder()
{
    static QString folder;
    return folder;
}

std::optional<QString> choosePdfPassword(QWidget *parent)
{
    return askPassword(parent, {QStringLiteral("Protect the PDF"),
                                QStringLiteral("A PDF sent to a lender can open only with a password, which you give "
                                               "the lender apart from the file. Leave both fields empty to save the "
                                               "PDF without one."),
                                true, true});
}

void remember(const QString &savedPath)
{
    lastFolder() = QFileInfo(savedPath).absolutePath();
}

// A chosen name without the extension gets the filter's.
QString withSuffix(QString path, const QString &suffix)
{
    if (!path.isEmpty() && !path.endsWith(u'.' + suffix, Qt::CaseInsensitive) && !QFileInfo(path).fileName().contains(u'.'))
        path += u'.' + suffix;
    return path;
}

void showError(const QString &what, const QString &reason)
{
    Messages::current().show(Messages::Kind::Error, reason.isEmpty() ? what : what + QStringLiteral("\n\r") + reason);
}

} // namespace

PreviewDialog::PreviewDialog(Document document, QWidget *parent)
    : QDialog(parent), m_document(std::move(document)), m_printer(new QPrinter(QPrinter::HighResolution)),
      m_chooseFile(chooseWithDialog), m_choosePassword(choosePdfPassword)
{
    setObjectName(QStringLiteral("PreviewDialog"));
    setWindowTitle(m_document.title.isEmpty() ? QStringLiteral("Print Preview")
                                              : QStringLiteral("Print Preview - %1").arg(m_document.title));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *buttons = new QHBoxLayout;
    QPushButton *previous = addButton(QStringLiteral("btnPreviousPage"), QStringLiteral("< Previous"));
    QPushButton *next = addButton(QStringLiteral("btnNextPage"), QStringLiteral("Next >"));
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("lblPage"));
    QPushButton *fit = addButton(QStringLiteral("btnFitPage"), QStringLiteral("Fit Page"));
    QPushButton *print = addButton(QStringLiteral("btnPrint"), QStringLiteral("Print..."));
    QPushButton *savePdf = addButton(QStringLiteral("btnSavePdf"), QStringLiteral("Save as PDF..."));
    QPushButton *saveReport = addButton(QStringLiteral("btnSaveReport"), QStringLiteral("Save Report File..."));
    QPushButton *openReport = addButton(QStringLiteral("btnOpenReport"), QStringLiteral("Open Report File..."));
    QPushButton *close = addButton(QStringLiteral("btnClose"), QStringLiteral("Close"));
    for (QWidget *w : std::initializer_list<QWidget *>{previous, next, m_pageLabel, fit, print, savePdf, saveReport,
                                                        openReport})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(close);

    m_view = new QPrintPreviewWidget(m_printer, this);
    m_view->setObjectName(QStringLiteral("previewView"));
    m_view->setZoomMode(QPrintPreviewWidget::FitInView);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);

    connect(m_view, &QPrintPreviewWidget::paintRequested, this, guard([this](QPrinter *printer) { paintPreview(printer); }));
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, guard([this] { updatePageLabel(); }));
    connect(previous, &QPushButton::clicked, this, guard([this] { goToPage(currentPage() - 1); }));
    connect(next, &QPushButton::clicked, this, guard([this] { goToPage(currentPage() + 1); }));
    connect(fit, &QPushButton::clicked, this, guard([this] { m_view->fitInView(); }));
    connect(print, &QPushButton::clicked, this, guard([this] { emit printRequested(m_document); }));
    connect(savePdf, &QPushButton::clicked, this, guard([this] { btnSavePdfClick(); }));
    connect(saveReport, &QPushButton::clicked, this, guard([this] { btnSaveReportClick(); }));
    connect(openReport, &QPushButton::clicked, this, guard([this] { btnOpenReportClick(); }));
    connect(close, &QPushButton::clicked, this, guard([this] { accept(); }));

    // A normal window as tall as the screen allows, a page wide.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int height = std::max(400, available.height() * 9 / 10);
    const int width = std::min(available.width(), std::max(760, int(height * 0.85)));
    resize(width, height);
    updatePageLabel();
}

PreviewDialog::~PreviewDialog()
{
    // The view paints on the printer until it goes.
    delete m_view;
    delete m_printer;
}

QPushButton *PreviewDialog::addButton(const QString &name, const QString &text)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void PreviewDialog::setDocument(Document document)
{
    m_document = std::move(document);
    m_view->updatePreview();
    m_view->setCurrentPage(1);
    updatePageLabel();
}

int PreviewDialog::currentPage() const
{
    return m_view->currentPage();
}

int PreviewDialog::pageCount() const
{
    return m_view->pageCount();
}

void PreviewDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_view->fitInView();
}

void PreviewDialog::paintPreview(QPrinter *printer)
{
    Canvas::preparePage(m_document, *printer);
    QPainter painter;
    if (!painter.begin(printer))
        return;
    Canvas canvas(painter);
    canvas.setHairlineRules(true);
    for (int i = 0; i < m_document.pageCount(); ++i) {
        if (i > 0)
            printer->newPage();
        canvas.paintPage(m_document.pages[size_t(i)]);
    }
    painter.end();
}

void PreviewDialog::goToPage(int page)
{
    if (page >= 1 && page <= pageCount())
        m_view->setCurrentPage(page);
    updatePageLabel();
}

void PreviewDialog::updatePageLabel()
{
    const int count = pageCount();
    m_pageLabel->setText(count > 0 ? QStringLiteral("Page %1 of %2").arg(currentPage()).arg(count) : QString());
}

void PreviewDialog::forgetLastFolder()
{
    lastFolder().clear();
}

QString PreviewDialog::proposedPath(const QString &suffix) const
{
    QString folder = lastFolder();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString name = m_proposedName.isEmpty() ? QStringLiteral("Financial Statement.pdf") : m_proposedName;
    if (suffix != QLatin1String("pdf") && name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name = name.left(name.size() - 4) + u'.' + suffix;
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

bool PreviewDialog::saveAsPdf(const QString &path, const QString &password)
{
    QString error;
    if (PdfExport::write(m_document, path, &error, password)) {
        remember(path);
        return true;
    }
    showError(QStringLiteral("The PDF file \"%1\" could not be saved.").arg(path), error);
    return false;
}

bool PreviewDialog::saveAsReportFile(const QString &path)
{
    QString error;
    if (m_document.save(path, &error)) {
        remember(path);
        return true;
    }
    showError(QStringLiteral("The report file \"%1\" could not be saved.").arg(path), error);
    return false;
}

bool PreviewDialog::openReportFile(const QString &path)
{
    QString error;
    std::optional<Document> loaded = Document::load(path, &error);
    if (!loaded) {
        showError(QStringLiteral("The report file \"%1\" could not be opened.").arg(path), error);
        return false;
    }
    setDocument(std::move(*loaded));
    return true;
}

void PreviewDialog::btnSavePdfClick()
{
    const QString path = withSuffix(m_chooseFile(this, QStringLiteral("Save as PDF"), QStringLiteral("PDF (*.pdf)"),
                                                 proposedPath(QStringLiteral("pdf")), true),
                                    QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    if (const std::optional<QString> password = m_choosePassword(this))
        saveAsPdf(path, *password);
}

void PreviewDialog::btnSaveReportClick()
{
    const QString path =
        withSuffix(m_chooseFile(this, QStringLiteral("Save Report File"), Document::fileFilter(),
                                proposedPath(Document::fileSuffix()), true),
                   Document::fileSuffix());
    if (!path.isEmpty())
        saveAsReportFile(path);
}

void PreviewDialog::btnOpenReportClick()
{
    const QString path = m_chooseFile(this, QStringLiteral("Open Report File"), Document::fileFilter(), lastFolder(), false);
    if (!path.isEmpty())
        openReportFile(path);
}

} // namespace Report
