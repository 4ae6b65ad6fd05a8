#include "section4_parts.h"

#include "data/tdm1.h"
#include "print/engine/label.h"
#include "print/engine/report_page.h"

namespace Section4Parts {

namespace {

constexpr double FirstQuestionTop = 35;
constexpr double QuestionPitch = 45;
constexpr double ExplanationDrop = 20;
constexpr double RuleDrop = 37;
constexpr double DeclarationPitch = 11;

const QString Yes = QStringLiteral("Yes");
const QString No = QStringLiteral("No");

} // namespace

QString markName(const LegalQuestion &question)
{
    return QStringLiteral("lbl") + QLatin1String(question.answerField);
}

QString explanationCaptionName(const LegalQuestion &question)
{
    return QStringLiteral("lbl") + QLatin1String(question.explanationField);
}

QString explanationFieldName(const LegalQuestion &question)
{
    return QStringLiteral("db") + QLatin1String(question.explanationField);
}

std::vector<ItemSpec> legalBlock(double titleTop, const std::vector<double> &markLefts)
{
    std::vector<ItemSpec> items{bar(1, 4, 719, 22), caption("Legal Information", 7, titleTop, 0, Qt::AlignLeft, whiteBold(10)),
                                hrule(0, 27, BandWidth, 2)};
    const auto &questions = legalQuestions();
    for (size_t i = 0; i < questions.size(); ++i) {
        const LegalQuestion &q = questions[i];
        const double top = FirstQuestionTop + QuestionPitch * double(i);
        items.push_back(caption(q.text, 12, top));
        const double explanationTop = top + ExplanationDrop;
        if (markLefts.empty()) {
            items.push_back(caption(q.explanationCaption, 25, explanationTop, 50, Qt::AlignRight));
        } else {
            items.push_back(caption("X", markLefts[i], top).named(markName(q)));
            items.push_back(
                caption(q.explanationCaption, 25, explanationTop, 50, Qt::AlignRight).named(explanationCaptionName(q)));
            items.push_back(field(&Tdm1::tblLegal, q.explanationField, 80, explanationTop).named(explanationFieldName(q)));
        }
        items.push_back(hrule(0, top + RuleDrop, BandWidth));
    }
    return items;
}

void markAnswers(Report::ReportPage &page, Table &legal)
{
    for (const LegalQuestion &q : legalQuestions()) {
        const bool yes = legal.FieldByName(QLatin1String(q.answerField)).AsString() == Yes;
        if (auto *mark = page.findItem<Report::Label>(markName(q)))
            mark->setCaption(yes ? Yes : No);
        Report::ReportItem *explanationCaption = page.item(explanationCaptionName(q));
        Report::ReportItem *explanation = page.item(explanationFieldName(q));
        if (!explanationCaption || !explanation)
            continue;
        if (!yes) {
            explanationCaption->setEnabled(false);
            explanation->setEnabled(false);
        } else if (!legal.FieldByName(QLatin1String(q.explanationField)).AsString().isEmpty()) {
            explanationCaption->setEnabled(true);
            explanation->setEnabled(true);
        }
    }
}

const std::array<AdviserRow, 8> &adviserRows()
{
    static const std::array<AdviserRow, 8> rows = {{
        {"Accountant:", "Accountant"},
        {"Phone:", "AccountantPhone"},
        {"Attorney:", "Attorney"},
        {"Phone:", "AttorneyPhone"},
        {"Banker:", "Banker"},
        {"Phone:", "BankerPhone"},
        {"Investment Advisor:", "Advisor"},
        {"Phone:", "AdvisorPhone"},
    }};
    return rows;
}

std::vector<ItemSpec> adviserColumn(const std::vector<AdviserRow> &rows, const std::vector<double> &tops,
                                    double captionLeft, double fieldLeft, const QString &fieldPrefix, bool withFields)
{
    std::vector<ItemSpec> items;
    for (size_t i = 0; i < rows.size(); ++i) {
        items.push_back(caption(rows[i].caption, captionLeft, tops[i], 104, Qt::AlignRight));
        if (withFields)
            items.push_back(field(&Tdm1::tblClient, fieldPrefix + QLatin1String(rows[i].field), fieldLeft, tops[i]));
    }
    return items;
}

std::vector<ItemSpec> declaration(const QStringList &lines, double top, double width)
{
    std::vector<ItemSpec> items;
    for (qsizetype i = 0; i < lines.size(); ++i)
        items.push_back(caption(lines[i], 7, top + DeclarationPitch * double(i), width, Qt::AlignLeft, regular(7)));
    return items;
}

const QStringList &statementDeclaration()
{
    static const QStringList lines = {
        QStringLiteral("The information contained in this statement and supporting schedules is provided to induce you to "
                       "extend or to continue the extension of credit to the undersigned"),
        QStringLiteral("or to others upon the guaranty of the undersigned.  The undersigned acknowledges and understands "
                       "that you are relying upon the information provided herein in "),
        QStringLiteral("deciding to grant or continue credit or to accept a guaranty thereof.  The undersigned represents, "
                       "warrants and certifies that the information provided herein is true, "),
        QStringLiteral("correct and complete to the best of the undersigned's knowledge.  The undersigned agrees to notify "
                       "you immediately and in writing of any changes in name, address, "),
        QStringLiteral("or employment and of any material adverse change (1) in any of the information contained in this "
                       "statement or (2) in the financial condition of the undersigned or "),
        QStringLiteral("(3) in the ability of the undersigned to perform its obligations to you.  In the absence of such "
                       "notice or a new and full written statement, this should be considered "),
        QStringLiteral("as a continuing statement and substantially correct.  You are authorized to make all inquiries you "
                       "deem necessary to verify the accuracy of the information"),
        QStringLiteral("contained herein, and to determine the credit worthiness of the undersigned.  The undersigned "
                       "authorizes you to answer questions about your credit experience "),
        QStringLiteral("with the undersigned."),
    };
    return lines;
}

std::vector<ItemSpec> signatureBlock(double top, double noteLeft, double noteTop, TextStyle noteStyle)
{
    return {
        caption(QStringLiteral("Signed ") + QString(58, u'_'), 24, top, 0, Qt::AlignLeft, regular(10)),
        caption(QStringLiteral("Date ") + QString(22, u'_'), 504, top, 0, Qt::AlignLeft, regular(10)),
        caption("(I have read and I understand the above paragraph.)", noteLeft, noteTop, 0, Qt::AlignLeft, noteStyle),
    };
}

} // namespace Section4Parts
