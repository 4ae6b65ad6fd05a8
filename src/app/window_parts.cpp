#include "window_parts.h"

#include <QPushButton>
#include <QUrl>

#include "base/guarded.h"
#include "base/messages.h"
#include "base/product.h"
#include "sections/window_catalogue.h"
#include "shell.h"
#include "tfrm_backup.h"
#include "tfrm_info.h"
#include "tfrm_restore.h"
#include "ui/click_label.h"
#include "ui/section_frame.h"
#include "ui/window_registry.h"

namespace {

void Label7Click()
{
    if (!OpenWebPage(WebSiteAddress()))
        Messages::current().show(Messages::Kind::Error,
                                 QStringLiteral("You must be connected to the internet to view this page."));
}

} // namespace

void addMaintenanceWindows(WindowRegistry &registry)
{
    registry.add(QStringLiteral("TfrmInfo"), [](Tdm1 &, Navigator &navigator) { return new TfrmInfo(navigator); });
    registry.add<TfrmBackup>("TfrmBackup");
    registry.add<TfrmRestore>("TfrmRestore");
}

void nameWindow(SectionFrame *window, const char *className)
{
    const QString name = QString::fromLatin1(className);
    window->setObjectName(name.mid(1));
    if (const CatalogueEntry *entry = findWindow(name))
        window->setCaption(QString::fromLatin1(entry->caption));
}

QLabel *addLabel(QWidget *window, const QString &text, QPoint position, int pixels)
{
    auto *label = new QLabel(text, window);
    QFont font = window->font();
    font.setPixelSize(pixels);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->move(position);
    label->adjustSize();
    return label;
}

ClickLabel *addWebSiteLink(QWidget *window)
{
    auto *link = new ClickLabel(window);
    link->setObjectName(QStringLiteral("Label7"));
    link->setText(QUrl(QLatin1String(ProductSite)).host());
    QFont font = window->font();
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    link->setPalette(palette);
    link->setCursor(Qt::PointingHandCursor);
    link->move(40, 397);
    link->adjustSize();
    QObject::connect(link, &ClickLabel::clicked, link, guard([] { Label7Click(); }));
    return link;
}
