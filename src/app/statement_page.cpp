#include "statement_page.h"

#include <vector>

#include <QFontMetrics>
#include <QLabel>

#include "data/tdm1.h"
#include "sections/window_catalogue.h"
#include "ui/click_label.h"
#include "ui/db_text.h"
#include "ui/format_money.h"
#include "ui/picture.h"

namespace {

constexpr int RowY[] = {62, 139, 216, 292, 366};

} // namespace

StatementPage::StatementPage(Tdm1 &dm, QWidget *parent) : QWidget(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("tsFinancialStatement"));
    new Picture(QStringLiteral("imFSBackground"), this);

    QFont linkFont(QStringLiteral("Arial"));
    linkFont.setPixelSize(14);
    linkFont.setUnderline(true);
    const QFontMetrics metrics(linkFont);

    // Each row spreads its links evenly; the first row holds two groups of three, the
    // person's on the left half and the spouse's on the right.
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    const auto placeRow = [&](const std::vector<const CatalogueEntry *> &row, int left, int right) {
        int textWidth = 0;
        for (const CatalogueEntry *link : row)
            textWidth += metrics.horizontalAdvance(QString::fromLatin1(link->linkCaption)) + 4;
        const int gap = row.size() > 1 ? std::min(40, (right - left - textWidth) / int(row.size() - 1)) : 0;
        int x = left;
        for (const CatalogueEntry *link : row) {
            auto *label = new ClickLabel(this);
            label->setObjectName(QString::fromLatin1(link->link));
            label->setText(QString::fromLatin1(link->linkCaption));
            label->setFont(linkFont);
            label->setPalette(linkPalette);
            label->setCursor(Qt::PointingHandCursor);
            const int width = metrics.horizontalAdvance(label->text()) + 4;
            label->setGeometry(x, RowY[link->linkRow], width, metrics.height() + 2);
            label->takeKeyboard(QString::fromLatin1(link->caption));
            const QString name = label->objectName();
            connect(label, &ClickLabel::clicked, this, [this, name] { emit linkClicked(name); });
            x += width + gap;
        }
    };
    std::vector<const CatalogueEntry *> rows[5];
    for (const CatalogueEntry &entry : windowCatalogue())
        if (entry.link)
            rows[entry.linkRow].push_back(&entry);
    placeRow({rows[0].begin(), rows[0].begin() + 3}, 22, 245);
    placeRow({rows[0].begin() + 3, rows[0].end()}, 272, 500);
    for (int r = 1; r < 5; ++r)
        placeRow(rows[r], 22, 500);

    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPixelSize(15);
    nameFont.setBold(true);
    auto *name = new DBText(this);
    name->setObjectName(QStringLiteral("dbFullName2"));
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    name->setGeometry(260, 6, 250, 22);
    name->setDataSource(&m_dm.dsClient);
    name->setDataField(QStringLiteral("FullName2"));

    QFont totalFont(QStringLiteral("Arial"));
    totalFont.setPixelSize(12);
    QFont boldFont = totalFont;
    boldFont.setBold(true);
    const struct
    {
        const char *caption;
        const char *field;
    } totals[] = {{"Total Assets:", "TotalAssets"},
                  {"Total Liabilities:", "TotalLiabilities"},
                  {"Liabilities and Net Worth:", "TotalLiabilitiesandNetWorth"},
                  {"Net Worth:", "NetWorth"}};
    int y = 356;
    for (const auto &total : totals) {
        auto *caption = new QLabel(QString::fromLatin1(total.caption), this);
        caption->setFont(boldFont);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(250, y, 150, 18);
        auto *value = new DBText(this);
        value->setObjectName(QStringLiteral("dbFS") + QString::fromLatin1(total.field));
        value->setFont(totalFont);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setGeometry(402, y, 110, 18);
        value->setDataSource(&m_dm.dsFSPro);
        value->setDataField(QString::fromLatin1(total.field));
        value->setFormatter(FormatMoneyField);
        y += 18;
    }
}
