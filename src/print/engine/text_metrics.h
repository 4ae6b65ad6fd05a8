#pragma once

#include <QString>

#include "report_font.h"

namespace Report {

// Text extents in 96-dpi pixels, as the layout needs them for auto-sized texts and
// default heights, whatever the screen is.
namespace TextMetrics {
// Each width measured is kept for the process and given again: a layout measures the same
// texts many times (a name on every sheet, the words a line break tries), every statement
// prints the same captions, and each measurement shapes the text anew.
double width(const QString &text, const ReportFont &font);
// Ascent plus descent: the height of one line of the font.
double lineHeight(const ReportFont &font);
double ascent(const ReportFont &font);

} // namespace TextMetrics

} // namespace Report
