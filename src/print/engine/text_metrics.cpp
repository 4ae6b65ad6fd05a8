#include "text_metrics.h"

#include <map>
#include <memory>
#include <tuple>

#include <QFontMetricsF>
#include <QImage>

namespace Report {

namespace {

// Measured at 1200 dpi, where glyph advances are not rounded to whole pixels, as the
// canvas lays texts out with design metrics at any resolution.
constexpr double MeasuringDpi = 1200;
constexpr double ToPixels = 96 / MeasuringDpi;

const QImage &measuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setDotsPerMeterX(47244);
        image.setDotsPerMeterY(47244);
        return image;
    }();
    return device;
}

// Layout runs on the user-interface thread only; metrics objects are kept per font.
const QFontMetricsF &metricsFor(const ReportFont &font)
{
    using Key = std::tuple<QString, double, bool, bool>;
    static std::map<Key, std::unique_ptr<QFontMetricsF>> cache;
    const Key key{font.family, font.pointSize, font.bold, font.italic};
    auto found = cache.find(key);
    if (found == cache.end()) {
        preparePrintFonts();
        found = cache.emplace(key, std::make_unique<QFontMetricsF>(font.toQFont(), &measuringDevice())).first;
    }
    return *found->second;
}

using WidthKey = std::tuple<QString, double, bool, bool, QString>;
// Far more than the texts of a joint statement with full schedules; past it the kept widths
// start again, so a long session's memory stays bounded.
constexpr std::size_t MostKeptWidths = 50000;

} // namespace

double TextMetrics::width(const QString &text, const ReportFont &font)
{
    static std::map<WidthKey, double> kept;
    if (kept.size() >= MostKeptWidths)
        kept.clear();
    const auto [it, added] = kept.try_emplace(WidthKey{font.family, font.pointSize, font.bold, font.italic, text}, 0.0);
    if (added)
        it->second = metricsFor(font).horizontalAdvance(text) * ToPixels;
    return it->second;
}

double TextMetrics::lineHeight(const ReportFont &font)
{
    const QFontMetricsF &metrics = metricsFor(font);
    return (metrics.ascent() + metrics.descent()) * ToPixels;
}

double TextMetrics::ascent(const ReportFont &font)
{
    return metricsFor(font).ascent() * ToPixels;
}

} // namespace Report
