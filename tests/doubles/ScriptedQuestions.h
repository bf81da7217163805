// Answers questions from a queue (then No),
// failure reports from a queue, then Retry a given number of times, then Abort, and keeps
// every question and failure report shown.
#pragma once

#include "platform/Questions.h"

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace splot::doubles {

class ScriptedQuestions final : public Questions {
  public:
    struct Shown {
        std::string text, title;
    };

    bool askYesNo(const Phrase& text, const Phrase& title) override
    {
        asked.push_back({text.english(), title.english()});
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    ErrorChoice reportError(const Phrase& title, const Phrase& text) override
    {
        errors.push_back({text.english(), title.english()});
        if (!choices.empty()) {
            const ErrorChoice choice = choices.front();
            choices.pop_front();
            return choice;
        }
        return retries-- > 0 ? ErrorChoice::Retry : ErrorChoice::Abort;
    }

    int count(const std::string& text) const
    {
        return static_cast<int>(std::ranges::count(asked, text, &Shown::text));
    }

    std::deque<bool> answers;        // Yes/No answers in order
    std::deque<ErrorChoice> choices; // answers to failure reports in order, then:
    int retries = 0;                 // failure reports answered Retry before the first Abort
    std::vector<Shown> asked, errors;
};

} // namespace splot::doubles
