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

private:
    QString m_caption;
};

} // namespace Report
