#pragma once

#include <vector>

#include <QColor>
#include <QString>

#include "print/engine/band.h"

class Table;
class Tdm1;

// The vocabulary of the report pages' layout tables: bands of captions, bound fields,
// rules, boxes and bars, placed in 96-dpi pixels from the band's top-left corner. Every
// text is Arial; sizes are in points.

using TableRef = Table Tdm1::*;

// The printable width of a Letter sheet within its half-inch margins, and the light grey
// of the heading bars.
inline constexpr double BandWidth = 720;
inline constexpr QColor HeadingGrey(0xD3, 0xD3, 0xD3);

struct TextStyle
{
    double size = 8;
    bool bold = false;
    QColor color = Qt::black;
};

inline TextStyle regular(double size) { return {size, false, Qt::black}; }
inline TextStyle bold(double size) { return {size, true, Qt::black}; }
inline TextStyle whiteBold(double size) { return {size, true, Qt::white}; }

struct ItemSpec
{
    enum class Kind { Caption, Field, HorizontalRule, VerticalRule, Box, Bar };

    Kind kind = Kind::Caption;
    double left = 0;
    double top = 0;
    double width = 0; // 0 for a text: as wide as what it prints
    double height = 0;
    QString text;     // the caption, or the bound field's name
    TableRef table = nullptr;
    Qt::Alignment alignment = Qt::AlignLeft;
    TextStyle style;
    double pen = 1;
    QColor fill = Qt::black;
    QString name; // for the before-print event
    // A float or currency field prints as money unless it holds a plain number (a share).
    bool plainNumber = false;
    // A caption that is an amount already printed as money.
    bool amount = false;
    // A text kept to its row (rowHeight > 0): its lines share the row rather than grow the band.
    double rowTop = 0;
    double rowHeight = 0;

    ItemSpec named(const QString &itemName) const;
    ItemSpec asPlainNumber() const;
    ItemSpec asAmount() const;
    // The text keeps to the row between `top` and `bottom`, the rules around it.
    ItemSpec keptInRow(double top, double bottom) const;
};

ItemSpec caption(const QString &text, double left, double top, double width = 0,
                 Qt::Alignment alignment = Qt::AlignLeft, TextStyle style = {});
ItemSpec field(TableRef table, const QString &fieldName, double left, double top, double width = 0,
               Qt::Alignment alignment = Qt::AlignLeft, TextStyle style = {});
ItemSpec hrule(double left, double top, double width, double pen = 1);
ItemSpec vrule(double left, double top, double height, double pen = 1);
// An outline drawn inside its edges.
ItemSpec box(double left, double top, double width, double height, double pen);
ItemSpec bar(double left, double top, double width, double height, QColor fill = Qt::black);

struct BandSpec
{
    Report::BandKind kind = Report::BandKind::Title;
    double height = 0;
    double frame = 0; // the width of a line on all four sides, 0 for none
    std::vector<ItemSpec> items;
    // A sub-detail's table; a group header belongs to the sub-detail after it, a group
    // footer to the one before it. A sub-detail without one prints its group header once.
    TableRef dataSet = nullptr;
    bool repeatHeaderOnNewSheet = false;
};

struct PageSpec
{
    std::vector<BandSpec> bands;
    TableRef dataSet = nullptr;
};

// Appends the items of `more` to `items`, so a table can be assembled from sections.
std::vector<ItemSpec> &operator<<(std::vector<ItemSpec> &items, const std::vector<ItemSpec> &more);
