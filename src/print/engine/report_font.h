#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace Report {

// The font of a printed text. Every printed text is Arial; sizes are in points, so the
// device's own resolution turns them into its units (they are never scaled twice).
struct ReportFont
{
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;

    QFont toQFont() const;
    bool operator==(const ReportFont &other) const = default;
};

// Arial, or Liberation Sans standing in for it (metric-compatible); when neither is
// installed the closest face is used and the console says so once.
void preparePrintFonts();

// The face that stands in for Arial among the installed families, and the warning to
// give when it is neither Arial nor Liberation Sans (empty otherwise).
QString printFaceFor(const QStringList &installedFamilies, QString *warning);

} // namespace Report
