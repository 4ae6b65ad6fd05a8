#include "tfrm_guide.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

const QString TfrmGuide::Source = QStringLiteral("qrc:/guide/user_guide.html");

namespace {

QPointer<TfrmGuide> &openGuide()
{
    static QPointer<TfrmGuide> guide;
    return guide;
}

} // namespace

TfrmGuide::TfrmGuide(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmGuide"));
    setWindowTitle(QStringLiteral("Worthsheet User Guide"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 640);

    m_tbGuide = new QTextBrowser(this);
    m_tbGuide->setObjectName(QStringLiteral("tbGuide"));
    // Everything the guide links to lies inside it: nothing is handed to a browser.
    m_tbGuide->setOpenExternalLinks(false);
    m_tbGuide->setSource(QUrl(Source));

    auto *back = new QPushButton(QStringLiteral("< Back"), this);
    back->setObjectName(QStringLiteral("btnBack"));
    back->setEnabled(false);
    auto *contents = new QPushButton(QStringLiteral("Contents"), this);
    contents->setObjectName(QStringLiteral("btnContents"));
    auto *closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("btnClose"));
    connect(back, &QPushButton::clicked, m_tbGuide, &QTextBrowser::backward);
    connect(m_tbGuide, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic({}); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tbGuide);
    layout->addLayout(buttons);
    m_tbGuide->setFocus();
}

void TfrmGuide::showTopic(const QString &anchor)
{
    if (anchor.isEmpty()) {
        m_tbGuide->setSource(QUrl(Source));
        m_tbGuide->scrollToAnchor(QStringLiteral("contents"));
        return;
    }
    m_tbGuide->setSource(QUrl(Source + u'#' + anchor));
}

void TfrmGuide::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

TfrmGuide *openUserGuide(QWidget *parent, const QString &anchor)
{
    QPointer<TfrmGuide> &guide = openGuide();
    if (!guide) {
        // No owner: the guide stays open while the window that asked for it goes away.
        guide = new TfrmGuide;
        const QWidget *beside = parent ? parent->window() : nullptr;
        const QScreen *screen = beside ? beside->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            QRect place(QPoint(), guide->size());
            place.moveCenter(screen->availableGeometry().center());
            if (beside)
                place.moveLeft(qMin(beside->frameGeometry().right() + 8,
                                    screen->availableGeometry().right() - place.width()));
            guide->move(place.topLeft());
        }
    }
    if (!anchor.isEmpty())
        guide->showTopic(anchor);
    guide->show();
    guide->raise();
    guide->activateWindow();
    return guide;
}
