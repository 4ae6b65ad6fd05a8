#include "legal_questions.h"

const std::array<LegalQuestion, 10> &legalQuestions()
{
    constexpr auto First = StatementWindow::FirstLegal;
    constexpr auto Second = StatementWindow::SecondLegal;
    static const std::array<LegalQuestion, 10> questions = {{
        {"Do you have a will?", "Will", "Executor:", "WillExplanation", First},
        {"Are you presently involved in divorce proceedings?", "Divorce", "Explain:", "DivorceExplanation", First},
        {"Have you taken bankruptcy in the past 15 years?", "Bankruptcy", "Explain:", "BankruptcyExplanation", First},
        {"Are you a partner or officer in any other venture?", "Partner", "Explain:", "PartnerExplanation", First},
        {"Are you a defendant in any suit or legal action?", "Defendant", "Explain:", "DefendantExplanation", First},
        {"Do you have any judgements against you?", "Judgement", "Explain:", "JudgementExplanation", Second},
        {"Have you executed any prenuptial or financial agreements with your spouse?", "Prenuptial", "Explain:",
         "PrenuptialExplanation", Second},
        {"Are any of your listed assets separate property of your spouse?", "SpouseAssets", "Explain:",
         "SpouseAssetsExplanation", Second},
        {"Are any of your listed assets held in estate, trust or any other name?", "EstateAssets", "Explain:",
         "EstateAssetsExplanation", Second},
        {"Do any assets secure debts which have not been reported in the statement?", "DebtAssets", "Explain:",
         "DebtAssetsExplanation", Second},
    }};
    return questions;
}
