#include "band.h"

#include <algorithm>

#include "document.h"
#include "text_item.h"

namespace Report {

FrameLines FrameLines::all(double width)
{
    FrameLines frame;
    frame.top = frame.bottom = frame.left = frame.right = true;
    frame.width = width;
    return frame;
}

Band::Band(BandKind kind, double height) : m_kind(kind), m_height(height) {}

Band::~Band() = default;

ReportItem &Band::addItem(std::unique_ptr<ReportItem> item)
{
    m_items.push_back(std::move(item));
    return *m_items.back();
}

ReportItem *Band::item(const QString &name) const
{
    for (const auto &item : m_items)
        if (item->name() == name)
            return item.get();
    for (const Band *group : {m_groupHeader.get(), m_groupFooter.get()})
        if (group)
            if (ReportItem *found = group->item(name))
                return found;
    return nullptr;
}

Band &Band::addGroupHeader(double height)
{
    m_groupHeader = std::make_unique<Band>(BandKind::GroupHeader, height);
    return *m_groupHeader;
}

Band &Band::addGroupFooter(double height)
{
    m_groupFooter = std::make_unique<Band>(BandKind::GroupFooter, height);
    return *m_groupFooter;
}

namespace {

// Where a text wrapped onto more lines than its place holds: everything that starts below
// the text's top moves down by what it grew, and rules across that point stretch.
struct Growth
{
    double below; // band coordinates: what starts at or below this moves
    double total; // how far it moves, growths above it included
};

double shiftAt(const std::vector<Growth> &growths, double y)
{
    double shift = 0;
    for (const Growth &growth : growths)
        if (growth.below <= y)
            shift = std::max(shift, growth.total);
    return shift;
}

// Texts keep this distance from the inside of a frame line.
constexpr double FrameInset = 0;

} // namespace

double Band::layout(const ItemContext &context, double width, DocumentPage &page) const
{
    ItemContext inner = context;
    inner.innerLeft = context.origin.x() + (m_frame.left ? m_frame.width : 0) + FrameInset;
    inner.innerRight = context.origin.x() + width - (m_frame.right ? m_frame.width : 0) - FrameInset;

    struct Placed
    {
        size_t first;
        size_t end;
        double top;
        bool text;
    };
    std::vector<Placed> placed;
    std::vector<std::pair<double, double>> grown; // item top, extra height
    placed.reserve(m_items.size());
    for (const auto &item : m_items) {
        const size_t first = page.primitives.size();
        const double extra = item->layout(inner, page);
        const double top = item->geometry().top();
        placed.push_back({first, page.primitives.size(), top, dynamic_cast<const TextItem *>(item.get()) != nullptr});
        if (extra > 0)
            grown.emplace_back(top, extra);
    }

    double height = m_height;
    if (!grown.empty()) {
        std::sort(grown.begin(), grown.end());
        std::vector<Growth> growths;
        for (const auto &[top, extra] : grown)
            growths.push_back({top + 0.5, shiftAt(growths, top) + extra});
        const double y0 = context.origin.y();
        for (const Placed &p : placed) {
            const double textShift = shiftAt(growths, p.top);
            for (size_t i = p.first; i < p.end; ++i) {
                if (auto *text = std::get_if<TextPrimitive>(&page.primitives[i])) {
                    text->rect.translate(0, textShift);
                } else if (auto *box = std::get_if<BoxPrimitive>(&page.primitives[i])) {
                    const double top = box->rect.top() - y0;
                    const double bottom = box->rect.bottom() - y0;
                    box->rect.setTop(box->rect.top() + shiftAt(growths, top));
                    box->rect.setBottom(box->rect.bottom() + shiftAt(growths, bottom));
                }
            }
        }
        height += shiftAt(growths, m_height);
    }

    if (!m_frame.any())
        return height;
    const QPointF o = context.origin;
    const double w = m_frame.width;
    auto rule = [&](double x, double y, double rw, double rh) {
        BoxPrimitive box;
        box.rect = QRectF(x, y, rw, rh);
        box.fill = m_frame.color;
        page.primitives.emplace_back(box);
    };
    // Drawn over the items, as a frame is.
    if (m_frame.top)
        rule(o.x(), o.y(), width, w);
    if (m_frame.bottom)
        rule(o.x(), o.y() + height - w, width, w);
    if (m_frame.left)
        rule(o.x(), o.y(), w, height);
    if (m_frame.right)
        rule(o.x() + width - w, o.y(), w, height);
    return height;
}

} // namespace Report
