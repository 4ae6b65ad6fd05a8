#pragma once

#include <array>
#include <vector>

#include <QStringList>

#include "data/legal_questions.h"
#include "print/page_spec.h"

namespace Report {
class ReportPage;
}

// The parts of the Section 4 sheets, each written once: the ten legal questions with
// their answer marks and explanations, the advisers' rows, the declaration and the
// signature lines. Each page gives the places.
namespace Section4Parts {

// The item names the before-print event looks for.
QString markName(const LegalQuestion &question);
QString explanationCaptionName(const LegalQuestion &question);
QString explanationFieldName(const LegalQuestion &question);

// The legal block: bar, title and the ten questions 45 pixels apart from top 35, each with
// a rule below it. With mark lefts, each question gets its answer mark and its bound
// explanation; without them (the blank form), captions only.
std::vector<ItemSpec> legalBlock(double titleTop, const std::vector<double> &markLefts);

// Sets each mark to "Yes" or "No" from the current Legal row and hides the explanation
// of every answer that is not "Yes" (and of a "Yes" without explanation, its field only).
void markAnswers(Report::ReportPage &page, Table &legal);

// An adviser row: its caption and the Client field it names.
struct AdviserRow
{
    const char *caption;
    const char *field;
};
// Accountant, attorney, banker and investment advisor, each with a phone row.
const std::array<AdviserRow, 8> &adviserRows();
// Rows of adviser captions (104 wide, right-justified) at `captionLeft`, their fields at
// `fieldLeft` with `fieldPrefix` ("S" for the spouse's) unless fields are left out.
std::vector<ItemSpec> adviserColumn(const std::vector<AdviserRow> &rows, const std::vector<double> &tops,
                                    double captionLeft, double fieldLeft, const QString &fieldPrefix, bool withFields);

// Lines of 7-point text, 11 pixels apart.
std::vector<ItemSpec> declaration(const QStringList &lines, double top, double width);
// The declaration of the statement's Section 4 sheets, line by line.
const QStringList &statementDeclaration();

// "Signed ..." and "Date ..." in 10 point, with the note below them.
std::vector<ItemSpec> signatureBlock(double top, double noteLeft, double noteTop, TextStyle noteStyle);

inline constexpr double BandHeight = 960;

} // namespace Section4Parts
