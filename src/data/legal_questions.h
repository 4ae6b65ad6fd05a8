#pragma once

#include <array>

#include "statement_window.h"

// The ten yes-or-no questions that close a statement, in their order: what the legal windows
// ask and what the Section 4 sheets and the blank form print, so that the page the
// applicant signs states exactly the question that was answered.
struct LegalQuestion
{
    const char *text;
    const char *answerField;
    const char *explanationCaption; // "Executor:" for the will, "Explain:" for every other
    const char *explanationField;
    StatementWindow window; // the first legal window asks five, the second the rest
};

const std::array<LegalQuestion, 10> &legalQuestions();
