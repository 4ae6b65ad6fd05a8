#include "page_spec.h"

ItemSpec ItemSpec::named(const QString &itemName) const
{
    ItemSpec copy = *this;
    copy.name = itemName;
    return copy;
}

ItemSpec ItemSpec::asAmount() const
{
    ItemSpec copy = *this;
    copy.amount = true;
    return copy;
}

ItemSpec ItemSpec::asPlainNumber() const
{
    ItemSpec copy = *this;
    copy.plainNumber = true;
    return copy;
}

ItemSpec ItemSpec::keptInRow(double top, double bottom) const
{
    ItemSpec copy = *this;
    copy.rowTop = top;
    copy.rowHeight = bottom - top;
    return copy;
}

ItemSpec caption(const QString &text, double left, double top, double width, Qt::Alignment alignment, TextStyle style)
{
    ItemSpec item;
    item.kind = ItemSpec::Kind::Caption;
    item.text = text;
    item.left = left;
    item.top = top;
    item.width = width;
    item.alignment = alignment;
    item.style = style;
    return item;
}

ItemSpec field(TableRef table, const QString &fieldName, double left, double top, double width,
               Qt::Alignment alignment, TextStyle style)
{
    ItemSpec item = caption(fieldName, left, top, width, alignment, style);
    item.kind = ItemSpec::Kind::Field;
    item.table = table;
    return item;
}

ItemSpec hrule(double left, double top, double width, double pen)
{
    ItemSpec item;
    item.kind = ItemSpec::Kind::HorizontalRule;
    item.left = left;
    item.top = top;
    item.width = width;
    item.pen = pen;
    return item;
}

ItemSpec vrule(double left, double top, double height, double pen)
{
    ItemSpec item = hrule(left, top, 0, pen);
    item.kind = ItemSpec::Kind::VerticalRule;
    item.height = height;
    return item;
}

ItemSpec box(double left, double top, double width, double height, double pen)
{
    ItemSpec item = hrule(left, top, width, pen);
    item.kind = ItemSpec::Kind::Box;
    item.height = height;
    return item;
}

ItemSpec bar(double left, double top, double width, double height, QColor fill)
{
    ItemSpec item = box(left, top, width, height, 0);
    item.kind = ItemSpec::Kind::Bar;
    item.fill = fill;
    return item;
}

std::vector<ItemSpec> &operator<<(std::vector<ItemSpec> &items, const std::vector<ItemSpec> &more)
{
    items.insert(items.end(), more.begin(), more.end());
    return items;
}
