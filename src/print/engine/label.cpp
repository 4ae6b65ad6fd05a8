#include "label.h"

namespace Report {

Label::Label(const QString &caption, const QRectF &geometry) : TextItem(geometry), m_caption(caption) {}

QString Label::printedText(const ItemContext &) const
{
    return m_caption;
}

} // namespace Report
