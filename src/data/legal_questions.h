#pragma once

#include <vector>

// The ten yes-or-no questions of the Legal row, in their order, as the legal windows ask
// them: five to a window. Whatever names a question to the user reads it here.
struct LegalQuestion
{
    const char *text;
    const char *answerField;
    const char *caption; // beside the explanation
    const char *explanationField;
};

const std::vector<LegalQuestion> &legalQuestions();

inline constexpr int LegalQuestionsPerWindow = 5;
