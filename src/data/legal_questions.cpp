#include "legal_questions.h"

const std::array<LegalQuestion, 10> &legalQuestions()
{
    static const std::array<LegalQuestion, 10> questions = {{
        {"Do you have a will?", "Will", "Executor:", "WillExplanation"},
        {"Are you presently involved in divorce proceedings?", "Divorce", "Explain:", "DivorceExplanation"},
        {"Have you taken bankruptcy in the past 15 years?", "Bankruptcy", "Explain:", "BankruptcyExplanation"},
        {"Are you a partner or officer in any other venture?", "Partner", "Explain:", "PartnerExplanation"},
        {"Are you a defendant in any suit or legal action?", "Defendant", "Explain:", "DefendantExplanation"},
        {"Do you have any judgements against you?", "Judgement", "Explain:", "JudgementExplanation"},
        {"Have you executed any prenuptial or financial agreements with your spouse?", "Prenuptial", "Explain:",
         "PrenuptialExplanation"},
        {"Are any of your listed assets separate property of your spouse?", "SpouseAssets", "Explain:",
         "SpouseAssetsExplanation"},
        {"Are any of your listed assets held in estate, trust or any other name?", "EstateAssets", "Explain:",
         "EstateAssetsExplanation"},
        {"Do any assets secure debts which have not been reported in the statement?", "DebtAssets", "Explain:",
         "DebtAssetsExplanation"},
    }};
    return questions;
}
