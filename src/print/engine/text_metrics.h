#pragma once

#include <QString>

#include "report_font.h"

namespace Report {

// Text extents in 96-dpi pixels, as the layout needs them for auto-sized texts and
// default heights, whatever the screen is.
namespace TextMetrics {
double width(const QString &text, const ReportFont &font);
// Ascent plus descent: the height of one line of the font.
double lineHeight(const ReportFont &font);
double ascent(const ReportFont &font);
} // namespace TextMetrics

} // namespace Report
