// The Section 4 sheets: answer marks, explanations, advisers, declaration and signatures.
#include <set>

#include <gtest/gtest.h>

#include "data/legal_questions.h"
#include "print/engine/composite_report.h"
#include "print/engine/text_metrics.h"
#include "print/pages/tqr_cont_joint_sect4.h"
#include "print/pages/tqr_cont_single_sect4.h"
#include "support/print/statement_fixture.h"

using namespace Report;

namespace {

constexpr double Left = 48;
constexpr double Top = 48;

struct MarkPlace
{
    double personal;
    double joint;
};

// The answer marks' places, question by question; the questions are those the legal
// windows ask (their texts are compared with the windows' own elsewhere).
const MarkPlace Marks[] = {{109, 109}, {264, 264}, {255, 254}, {256, 255}, {244, 244},
                           {221, 220}, {391, 391}, {328, 329}, {349, 348}, {387, 387}};

double questionTop(size_t i)
{
    return 35 + 45 * double(i);
}

class Section4PageTest : public StatementTest
{
protected:
    void SetUp() override
    {
        StatementTest::SetUp();
        addFilledStatement(true);
    }

    // Gives the statement a Legal row: every answer "No" unless given.
    void answer(std::map<QString, QString> values)
    {
        for (const LegalQuestion &q : legalQuestions())
            values.emplace(q.answerField, "No");
        addRow(dm->tblLegal, values);
        select();
    }

    // The one sheet of a page object on the statement.
    template <class Page>
    DocumentPage laidOut()
    {
        const Document doc = layOut(std::make_unique<Page>(*dm));
        return doc.pageCount() == 1 ? doc.pages[0] : DocumentPage{};
    }

    // Marks "Yes" for the questions in `yes` and "No" for the others, and an explanation
    // line only for those in `explained`, on both sheets.
    void expectMarks(const std::set<size_t> &yes, const std::set<size_t> &explained,
                     const std::map<QString, QString> &explanations = {})
    {
        std::vector<QString> marks(legalQuestions().size(), "No");
        std::vector<bool> captions(legalQuestions().size(), false);
        for (size_t i : yes)
            marks[i] = "Yes";
        for (size_t i : explained)
            captions[i] = true;
        const DocumentPage personal = laidOut<TqrCont_Single_Sect4>();
        const DocumentPage joint = laidOut<TqrCont_Joint_Sect4>();
        for (size_t i = 0; i < legalQuestions().size(); ++i) {
            const LegalQuestion &q = legalQuestions()[i];
            SCOPED_TRACE(q.answerField);
            const double top = Top + questionTop(i);
            for (const auto &[page, markLeft] : {std::pair{&personal, Marks[i].personal}, std::pair{&joint, Marks[i].joint}}) {
                const TextPrimitive *question = textAt(*page, q.text, Left + 12, top);
                ASSERT_NE(question, nullptr);
                // The mark follows the question, clear of it.
                const double questionEnd = question->rect.left() + TextMetrics::width(q.text, question->font);
                EXPECT_GE(Left + markLeft, questionEnd + 2);
                EXPECT_LE(Left + markLeft, questionEnd + 20);
                EXPECT_NE(textAt(*page, marks[i], Left + markLeft, top), nullptr) << marks[i].toStdString();
                EXPECT_EQ(textAt(*page, "X", Left + markLeft, top), nullptr);
                const TextPrimitive *c = nullptr;
                for (const TextPrimitive *t : page->texts())
                    if (t->text == q.explanationCaption && std::abs(t->rect.top() - (top + 20)) < 0.5)
                        c = t;
                EXPECT_EQ(c != nullptr, captions[i]);
                if (c)
                    EXPECT_DOUBLE_EQ(c->rect.right(), Left + 25 + 50);
                const auto explanation = explanations.find(q.explanationField);
                if (explanation != explanations.end())
                    EXPECT_NE(textAt(*page, explanation->second, Left + 80, top + 20), nullptr);
                for (const TextPrimitive *t : page->texts())
                    if (std::abs(t->rect.top() - (top + 20)) < 0.5)
                        EXPECT_TRUE(captions[i]) << t->text.toStdString();
            }
        }
    }
};

TEST_F(Section4PageTest, EveryAnswerNoPrintsTenNoMarksAndNoExplanations)
{
    answer({{"WillExplanation", "Stored but not printed"}});
    expectMarks({}, {});
}

TEST_F(Section4PageTest, AWillWithAnExecutorPrintsYesAndTheExecutorsName)
{
    answer({{"Will", "Yes"}, {"WillExplanation", "Harold Beck"}});
    expectMarks({0}, {0}, {{"WillExplanation", "Harold Beck"}});
}

TEST_F(Section4PageTest, YesWithoutAnExplanationPrintsTheCaptionAlone)
{
    answer({{"Divorce", "Yes"}});
    expectMarks({1}, {1});
}

TEST_F(Section4PageTest, AnAnswerOtherThanYesExactlyPrintsNoAndHidesItsStoredExplanation)
{
    answer({{"Bankruptcy", "yes"}, {"BankruptcyExplanation", "Chapter 7 in 2002"}, {"Partner", ""},
            {"PartnerExplanation", "Old venture"}, {"Judgement", "YES"}, {"JudgementExplanation", "Small claim"}});
    expectMarks({}, {});
}

TEST_F(Section4PageTest, EachAnswerDecidesOnlyItsOwnExplanation)
{
    answer({{"Defendant", "Yes"}, {"DefendantExplanation", "Contract dispute, Sangamon County"}, {"Judgement", "No"},
            {"JudgementExplanation", "None"}});
    expectMarks({4}, {4}, {{"DefendantExplanation", "Contract dispute, Sangamon County"}});
}

TEST_F(Section4PageTest, AStatementWithoutALegalRowMarksEveryAnswerNoAndPrintsTheRest)
{
    select();
    ASSERT_TRUE(dm->tblLegal.IsEmpty());
    expectMarks({}, {});
    const DocumentPage joint = laidOut<TqrCont_Joint_Sect4>();
    EXPECT_NE(joint.findText("Accountant:"), nullptr);
    EXPECT_NE(joint.findText(holderValues().at("Accountant")), nullptr);
    EXPECT_NE(joint.findText("with the undersigned."), nullptr);
    EXPECT_EQ(joint.texts().size(), laidOut<TqrCont_Joint_Sect4>().texts().size());
}

TEST_F(Section4PageTest, ThePersonalSheetListsTheHoldersAdvisersInTwoColumns)
{
    answer({});
    const DocumentPage page = laidOut<TqrCont_Single_Sect4>();
    const struct
    {
        const char *caption;
        const char *field;
        double left;
        double top;
    } cells[] = {{"Accountant:", "Accountant", 5, 524},   {"Phone:", "AccountantPhone", 5, 544},
                 {"Attorney:", "Attorney", 5, 579},       {"Phone:", "AttorneyPhone", 5, 599},
                 {"Banker:", "Banker", 365, 524},         {"Phone:", "BankerPhone", 365, 544},
                 {"Investment Advisor:", "Advisor", 365, 579}, {"Phone:", "AdvisorPhone", 365, 599}};
    for (const auto &cell : cells) {
        SCOPED_TRACE(cell.field);
        const TextPrimitive *c = nullptr;
        for (const TextPrimitive *t : page.texts())
            if (t->text == cell.caption && std::abs(t->rect.top() - (Top + cell.top)) < 0.5
                && std::abs(t->rect.right() - (Left + cell.left + 104)) < 0.5)
                c = t;
        EXPECT_NE(c, nullptr);
        EXPECT_NE(textAt(page, holderValues().at(cell.field), Left + cell.left + 115, Top + cell.top), nullptr);
    }
    EXPECT_NE(textAt(page, "Contacts", Left + 7, Top + 492), nullptr);
    EXPECT_EQ(page.findText(spouseValues().at("SAccountant")), nullptr);
}

TEST_F(Section4PageTest, TheJointSheetPrintsTheSpousesAdvisersBesideTheHolders)
{
    answer({});
    const DocumentPage page = laidOut<TqrCont_Joint_Sect4>();
    const char *const fields[] = {"Accountant", "AccountantPhone", "Attorney", "AttorneyPhone",
                                  "Banker",     "BankerPhone",     "Advisor",  "AdvisorPhone"};
    for (size_t i = 0; i < std::size(fields); ++i) {
        const double top = Top + std::vector<double>{514, 529, 554, 569, 594, 609, 634, 649}[i];
        EXPECT_NE(textAt(page, holderValues().at(fields[i]), Left + 120, top), nullptr) << fields[i];
        EXPECT_NE(textAt(page, spouseValues().at(QStringLiteral("S") + fields[i]), Left + 480, top), nullptr) << fields[i];
    }
    EXPECT_NE(textAt(page, "Contacts (Personal)", Left + 7, Top + 489), nullptr);
    EXPECT_NE(textAt(page, "Contacts (Spouse)", Left + 365, Top + 489), nullptr);
}

TEST_F(Section4PageTest, TheDeclarationPrintsVerbatimLineByLineAboveTheSignatureBlocks)
{
    answer({});
    const QStringList declaration = {
        "The information contained in this statement and supporting schedules is provided to induce you to extend or to "
        "continue the extension of credit to the undersigned",
        "or to others upon the guaranty of the undersigned.  The undersigned acknowledges and understands that you are "
        "relying upon the information provided herein in ",
        "deciding to grant or continue credit or to accept a guaranty thereof.  The undersigned represents, warrants and "
        "certifies that the information provided herein is true, ",
        "correct and complete to the best of the undersigned's knowledge.  The undersigned agrees to notify you "
        "immediately and in writing of any changes in name, address, ",
        "or employment and of any material adverse change (1) in any of the information contained in this statement or "
        "(2) in the financial condition of the undersigned or ",
        "(3) in the ability of the undersigned to perform its obligations to you.  In the absence of such notice or a new "
        "and full written statement, this should be considered ",
        "as a continuing statement and substantially correct.  You are authorized to make all inquiries you deem "
        "necessary to verify the accuracy of the information",
        "contained herein, and to determine the credit worthiness of the undersigned.  The undersigned authorizes you to "
        "answer questions about your credit experience ",
        "with the undersigned.",
    };
    const QString signed_ = QStringLiteral("Signed ") + QString(58, u'_');
    const QString date = QStringLiteral("Date ") + QString(22, u'_');
    const QString note = "(I have read and I understand the above paragraph.)";
    for (const auto &[page, first, blocks, noteLeft, noteSize] :
         {std::tuple{laidOut<TqrCont_Single_Sect4>(), 645.0, std::vector<double>{802}, 223.0, 8.0},
          std::tuple{laidOut<TqrCont_Joint_Sect4>(), 678.0, std::vector<double>{805, 872}, 255.0, 7.0}}) {
        for (qsizetype i = 0; i < declaration.size(); ++i) {
            const TextPrimitive *line = textAt(page, declaration[i], Left + 7, Top + first + 11 * double(i));
            ASSERT_NE(line, nullptr) << i;
            EXPECT_EQ(line->font.pointSize, 7);
            EXPECT_EQ(line->rect.width(), 713);
        }
        int signatures = 0;
        for (const TextPrimitive *t : page.texts())
            signatures += t->text == signed_;
        EXPECT_EQ(signatures, int(blocks.size()));
        for (double top : blocks) {
            EXPECT_NE(textAt(page, signed_, Left + 24, Top + top), nullptr) << top;
            EXPECT_NE(textAt(page, date, Left + 504, Top + top), nullptr) << top;
            const TextPrimitive *n = textAt(page, note, Left + noteLeft, Top + top + 18);
            ASSERT_NE(n, nullptr) << top;
            EXPECT_EQ(n->font.pointSize, noteSize);
            EXPECT_EQ(page.findText(signed_)->font.pointSize, 10);
        }
    }
}

} // namespace
