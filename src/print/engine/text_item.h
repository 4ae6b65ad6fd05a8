#pragma once

#include <optional>
#include <vector>

#include <QColor>
#include <QRectF>
#include <QStringList>

#include "report_font.h"
#include "report_item.h"

namespace Report {

// What labels and bound texts share: font, alignment, auto-size, word wrap and colour.
// Its geometry's height may be 0 for one line of its font. An auto-sized text takes the
// width of what it prints and keeps the edge its alignment names: a right-justified text
// still ends at left + width.
//
// What is printed is never cut. A text wider than its room (its fixed box, or for an
// auto-sized text the band's frame) shrinks its font, down to MinimumPointSize. Where even
// that is too wide, an amount grows its box to the left and keeps to one line; any other
// text prints in its own size on as many lines as it needs, within its room. A word-wrapped
// text breaks into lines at once. A text that takes more lines than its place holds makes
// its band grow, unless the text keeps to its row: then its lines share the row's height in
// the largest size at which they fit it (below the minimum where they must), each line
// breaking at the last blank that fits, so the band keeps its height and nothing around
// the text moves.
class TextItem : public ReportItem
{
public:
    static constexpr double MinimumPointSize = 6;

    explicit TextItem(const QRectF &geometry);

    ReportFont font() const { return m_font; }
    void setFont(const ReportFont &font) { m_font = font; }
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment) { m_alignment = alignment; }
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap) { m_wordWrap = wordWrap; }
    QColor color() const { return m_color; }
    void setColor(const QColor &color) { m_color = color; }
    // The row the text keeps to, from the band's top: between the rules above and below it.
    struct Row
    {
        double top = 0;
        double height = 0;
    };
    void setRow(double top, double height) { m_row = Row{top, height}; }
    std::optional<Row> row() const { return m_row; }

    // The text as it prints in this context; an empty text prints nothing.
    virtual QString printedText(const ItemContext &context) const = 0;
    // Whether the text is an amount, which keeps to one line and grows to the left.
    virtual bool isAmount() const { return false; }

    // The lines a text breaks into at `width`: at blanks, and inside a word only when the
    // word alone is wider (then `brokeWord` is set). Every character of the text is on one
    // of the lines.
    static QStringList breakLines(const QString &text, const ReportFont &font, double width,
                                  bool *brokeWord = nullptr);

    // How a text is to be set, apart from its text, font and box.
    struct LayoutOptions
    {
        Qt::Alignment alignment = Qt::AlignLeft;
        bool autoSize = false;
        bool wordWrap = false;
        bool amount = false;
        // The row the text keeps to, on the page (its top already moved by the band's).
        std::optional<Row> row;
        // The band's frame on the sheet, left and right; empty: no limit.
        double innerLeft = 0;
        double innerRight = 0;
    };
    struct Line
    {
        QString text;
        QRectF rect;
    };
    // A text set into lines: the font they print in, each line's place on the page, and how
    // far the band must grow below the text's place to hold them.
    struct Layout
    {
        ReportFont font;
        std::vector<Line> lines;
        double growth = 0;
    };
    // Chooses the lines of a non-empty text whose box is already placed on the page (a box
    // 0 high holds one line of its font), following the rules above. Touches no page.
    static Layout chooseLines(const QString &text, const ReportFont &font, const QRectF &box,
                              const LayoutOptions &options);

protected:
    double layoutEnabled(const ItemContext &context, DocumentPage &page) const override;

private:
    ReportFont m_font;
    std::optional<Row> m_row;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    QColor m_color = Qt::black;
};

} // namespace Report
