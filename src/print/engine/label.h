#pragma once

#include "text_item.h"

namespace Report {

// A fixed text; the before-print event may change its caption.
class Label : public TextItem
{
public:
    Label(const QString &caption, const QRectF &geometry);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }

    QString printedText(const ItemContext &context) const override;
    // A caption holding a figure formed as it prints (printedMoney) keeps to one line as a
    // bound amount does.
    bool isAmount() const override { return m_amount; }
    void setAmount(bool amount) { m_amount = amount; }

private:
    QString m_caption;
    bool m_amount = false;
};

} // namespace Report
