#include "report_font.h"

#include <cstdio>

#include <QFontDatabase>
#include <QFontInfo>

namespace Report {

namespace {

const QString Arial = QStringLiteral("Arial");
const QString LiberationSans = QStringLiteral("Liberation Sans");

} // namespace

QFont ReportFont::toQFont() const
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Unhinted outlines measure alike at 96 dpi and at the printer's resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

QString printFaceFor(const QStringList &installedFamilies, QString *warning)
{
    if (warning)
        warning->clear();
    for (const QString &face : {Arial, LiberationSans})
        if (installedFamilies.contains(face, Qt::CaseInsensitive))
            return face;
    QFont wanted(Arial);
    wanted.setStyleHint(QFont::SansSerif);
    const QString closest = QFontInfo(wanted).family();
    if (warning)
        *warning = QStringLiteral("Neither Arial nor Liberation Sans is installed; printed pages use %1 instead.")
                       .arg(closest.isEmpty() ? QStringLiteral("the default face") : closest);
    return closest;
}

void preparePrintFonts()
{
    static const bool prepared = [] {
        QString warning;
        const QString face = printFaceFor(QFontDatabase::families(), &warning);
        if (!warning.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(warning));
        if (face.compare(Arial, Qt::CaseInsensitive) != 0 && !face.isEmpty())
            QFont::insertSubstitution(Arial, face);
        return true;
    }();
    (void)prepared;
}

} // namespace Report
