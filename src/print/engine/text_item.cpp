#include "text_item.h"

#include <algorithm>
#include <cmath>

#include <QRegularExpression>

#include "document.h"
#include "text_metrics.h"

namespace Report {

namespace {

// Sizes step by half a point; a text that fits within this of its box counts as fitting.
constexpr double SizeStep = 0.5;
constexpr double Tolerance = 0.25;

bool fitsIn(const QString &text, const ReportFont &font, double width)
{
    return TextMetrics::width(text, font) <= width + Tolerance;
}

// The largest size, in half points from the font's own down to the minimum, at which the
// text fits the width; 0 when it fits at none.
double fittingSize(const QString &text, const ReportFont &font, double width, double measured)
{
    ReportFont trial = font;
    // Widths grow with the size, so the first guess is close; the loop settles it.
    trial.pointSize = std::floor(font.pointSize * width / measured / SizeStep) * SizeStep;
    trial.pointSize = std::min(trial.pointSize, font.pointSize - SizeStep);
    while (trial.pointSize >= TextItem::MinimumPointSize) {
        if (fitsIn(text, trial, width))
            return trial.pointSize;
        trial.pointSize -= SizeStep;
    }
    return 0;
}

// Breaks one word wider than the width into pieces that fit (at least one character each).
void breakWord(const QString &word, const ReportFont &font, double width, QStringList &lines)
{
    QString piece;
    for (const QChar c : word) {
        if (!piece.isEmpty() && !fitsIn(piece + c, font, width)) {
            lines << piece;
            piece.clear();
        }
        piece += c;
    }
    if (!piece.isEmpty())
        lines << piece;
}

// The lines of the paragraphs at `width` in the largest size at which they fit `height`,
// stepping down from the font's own size, below the minimum where they must. A size at
// which a word breaks inside is passed over while a smaller one, down to UnbrokenWordFloor,
// keeps every word whole. Sets the font's size to the one taken.
constexpr double UnbrokenWordFloor = 3;
constexpr double SmallestSize = 0.05;

QStringList linesWithin(const QStringList &paragraphs, ReportFont &font, double width, double height)
{
    std::optional<std::pair<double, QStringList>> brokenFit;
    std::pair<double, QStringList> smallest;
    for (double size = font.pointSize; size >= SmallestSize; size = size > 1 ? size - SizeStep : size / 2) {
        ReportFont trial = font;
        trial.pointSize = size;
        bool brokeWord = false;
        QStringList lines;
        for (const QString &paragraph : paragraphs)
            lines += TextItem::breakLines(paragraph, trial, width, &brokeWord);
        const bool fits = double(lines.size()) * TextMetrics::lineHeight(trial) <= height + Tolerance;
        if (fits && !brokeWord) {
            font.pointSize = size;
            return lines;
        }
        if (fits && !brokenFit)
            brokenFit.emplace(size, lines);
        if (brokenFit && size <= UnbrokenWordFloor)
            break;
        smallest = {size, std::move(lines)};
    }
    // Even the smallest size tried prints every character.
    const auto &[size, lines] = brokenFit ? *brokenFit : smallest;
    font.pointSize = size;
    return lines;
}

} // namespace

TextItem::TextItem(const QRectF &geometry) : ReportItem(geometry) {}

QStringList TextItem::breakLines(const QString &text, const ReportFont &font, double width, bool *brokeWord)
{
    QStringList lines;
    QString line;
    qsizetype i = 0;
    while (i < text.size()) {
        // The blanks before the next word, and the word.
        qsizetype wordStart = i;
        while (wordStart < text.size() && text[wordStart] == u' ')
            ++wordStart;
        qsizetype wordEnd = wordStart;
        while (wordEnd < text.size() && text[wordEnd] != u' ')
            ++wordEnd;
        const QString blanks = text.mid(i, wordStart - i);
        const QString word = text.mid(wordStart, wordEnd - wordStart);
        i = wordEnd;
        if (fitsIn(line + blanks + word, font, width)) {
            line += blanks + word;
            continue;
        }
        // The blanks where the text breaks are not printed.
        if (!line.isEmpty())
            lines << line;
        line.clear();
        if (fitsIn(word, font, width)) {
            line = word;
        } else {
            if (brokeWord)
                *brokeWord = true;
            breakWord(word, font, width, lines);
            if (!lines.isEmpty() && !word.isEmpty())
                line = lines.takeLast();
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

TextItem::Layout TextItem::chooseLines(const QString &text, const ReportFont &baseFont, const QRectF &box,
                                       const LayoutOptions &options)
{
    QRectF rect = box;
    const double placeHeight = rect.height() > 0 ? rect.height() : TextMetrics::lineHeight(baseFont);
    rect.setHeight(placeHeight);
    const bool limited = options.innerRight > options.innerLeft;

    ReportFont font = baseFont;
    QStringList lines;
    // Shrinks the text to the width when it is wider; false when even the smallest size is.
    auto shrinkTo = [&](double width) {
        const double measured = TextMetrics::width(text, baseFont);
        if (measured <= width + Tolerance)
            return true;
        const double size = fittingSize(text, baseFont, width, measured);
        if (size > 0)
            font.pointSize = size;
        return size > 0;
    };
    // An auto-sized text takes its width from the edge its alignment names.
    auto takeWidth = [&](double width) {
        if (options.alignment & Qt::AlignRight)
            rect.setLeft(rect.right() - width);
        else if (options.alignment & Qt::AlignHCenter)
            rect = QRectF(rect.center().x() - width / 2, rect.top(), width, rect.height());
        else
            rect.setWidth(width);
    };
    // A text typed or imported with line breaks prints each of its lines, none dropped.
    static const QRegularExpression lineBreaks(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
    const bool hasBreaks = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
    const QStringList paragraphs = hasBreaks ? text.split(lineBreaks) : QStringList{text};
    if (paragraphs.size() > 1) {
        if (options.autoSize) {
            double width = 0;
            for (const QString &paragraph : paragraphs)
                width = std::max(width, TextMetrics::width(paragraph, font));
            takeWidth(width);
            if (limited) {
                rect.setLeft(std::max(rect.left(), options.innerLeft));
                rect.setRight(std::max(rect.left() + 1, std::min(rect.right(), options.innerRight)));
            }
        }
        for (const QString &paragraph : paragraphs)
            lines += breakLines(paragraph, font, rect.width());
    } else if (options.wordWrap) {
        lines = breakLines(text, font, rect.width());
    } else if (options.autoSize) {
        takeWidth(TextMetrics::width(text, font));
        // A text running past the frame keeps inside it, from the edge it keeps.
        if (limited && (rect.right() > options.innerRight + Tolerance || rect.left() < options.innerLeft - Tolerance)) {
            rect.setLeft(std::max(rect.left(), options.innerLeft));
            rect.setRight(options.innerRight);
            if (rect.width() < 1)
                rect.setLeft(options.innerLeft);
            if (!shrinkTo(rect.width()))
                lines = breakLines(text, font, rect.width());
        }
    } else if (!shrinkTo(rect.width())) {
        if (options.amount) {
            // An amount keeps every digit on its line: its box grows to the left.
            font.pointSize = MinimumPointSize;
            rect.setLeft(rect.right() - TextMetrics::width(text, font));
        } else {
            lines = breakLines(text, font, rect.width());
        }
    }
    if (lines.isEmpty())
        lines << text;

    // A smaller single line keeps the baseline of its place.
    double top = rect.top();
    if (lines.size() == 1 && font.pointSize < baseFont.pointSize)
        top += TextMetrics::ascent(baseFont) - TextMetrics::ascent(font);
    // Lines that would grow the band share their row instead, centred in it.
    if (lines.size() > 1 && options.row && !options.amount) {
        font = baseFont;
        lines = linesWithin(paragraphs, font, rect.width(), options.row->height);
        const double used = double(lines.size()) * TextMetrics::lineHeight(font);
        top = options.row->top + std::max(0.0, options.row->height - used) / 2;
        rect.setHeight(TextMetrics::lineHeight(font));
    }

    Layout layout;
    layout.font = font;
    const double lineHeight = TextMetrics::lineHeight(font);
    layout.lines.reserve(std::size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRectF place = lines.size() == 1
                                 ? QRectF(rect.left(), top, rect.width(), rect.height())
                                 : QRectF(rect.left(), top + double(i) * lineHeight, rect.width(), lineHeight);
        layout.lines.push_back({lines[i], place});
    }
    if (lines.size() > 1 && !options.row)
        layout.growth = std::max(0.0, double(lines.size()) * lineHeight - placeHeight);
    return layout;
}

double TextItem::layoutEnabled(const ItemContext &context, DocumentPage &page) const
{
    const QString text = printedText(context);
    if (text.isEmpty())
        return 0;
    LayoutOptions options;
    options.alignment = m_alignment;
    options.autoSize = m_autoSize;
    options.wordWrap = m_wordWrap;
    options.amount = isAmount();
    if (m_row)
        options.row = Row{context.origin.y() + m_row->top, m_row->height};
    options.innerLeft = context.innerLeft;
    options.innerRight = context.innerRight;
    Layout layout = chooseLines(text, m_font, geometry().translated(context.origin), options);

    for (Line &line : layout.lines) {
        TextPrimitive primitive;
        primitive.rect = line.rect;
        primitive.text = std::move(line.text);
        primitive.font = layout.font;
        primitive.alignment = m_alignment & Qt::AlignHorizontal_Mask;
        primitive.color = m_color;
        page.primitives.emplace_back(std::move(primitive));
    }
    return layout.growth;
}

} // namespace Report
