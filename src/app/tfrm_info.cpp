#include "tfrm_info.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/guarded.h"
#include "base/product.h"
#include "shell.h"
#include "ui/navigator.h"
#include "window_parts.h"

namespace {

constexpr int CaptionRight = 220;
constexpr int ValueLeft = 232;
constexpr int FirstRow = 170;
constexpr int RowPitch = 30;
constexpr int RowHeight = 20;

// One caption, right-aligned against the column of values, and its value beside it.
QLabel *addRow(QWidget *window, int row, const QString &caption, const char *valueName, const QString &value)
{
    const int y = FirstRow + row * RowPitch;
    auto *captionLabel = new QLabel(caption, window);
    captionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    captionLabel->setGeometry(40, y, CaptionRight - 40, RowHeight);
    auto *valueLabel = new QLabel(value, window);
    valueLabel->setObjectName(QString::fromLatin1(valueName));
    valueLabel->setTextFormat(Qt::PlainText);
    QFont bold = valueLabel->font();
    bold.setBold(true);
    valueLabel->setFont(bold);
    valueLabel->setGeometry(ValueLeft, y, SectionFrame::Width - 40 - ValueLeft, RowHeight);
    return valueLabel;
}

} // namespace

TfrmInfo::TfrmInfo(Navigator &navigator, QWidget *parent) : SectionFrame(parent), m_navigator(navigator)
{
    nameWindow(this, "TfrmInfo");
    addRow(this, 0, QStringLiteral("Application Name:"), "lblApplicationName", QLatin1String(ProductName));
    addRow(this, 1, QStringLiteral("Developed By:"), "lblDevelopedBy", QLatin1String(ProductDeveloper));
    m_lblVersion = addRow(this, 2, QStringLiteral("Version:"), "lblVersion", QString());
    addWebSiteLink(this);
    QPushButton *ok = addButton("btnOK", QStringLiteral("OK"), {440, 392});
    connect(ok, &QPushButton::clicked, this, guard([this] { btnOKClick(); }));
}

void TfrmInfo::showEvent(QShowEvent *event)
{
    SectionFrame::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { FormShow(); });
}

void TfrmInfo::FormShow()
{
    m_lblVersion->setText(GetProgramVersion());
}

void TfrmInfo::btnOKClick()
{
    m_navigator.returnToMain();
    close();
}
