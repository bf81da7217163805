// Answers questions from a queue (or a function of the text; No by default)
// and keeps every question and failure report shown.
#pragma once

#include "platform/Questions.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace splot::doubles {

class ScriptedQuestions final : public Questions {
public:
    struct Shown {
        std::string text, title;
    };

    bool askYesNo(const std::string& text, const std::string& title) override
    {
        asked.push_back({text, title});
        return answers.empty() ? answerer && answerer(text) : next(answers);
    }

    ErrorChoice reportError(const std::string& title, const std::string& text) override
    {
        errors.push_back({text, title});
        return errorAnswers.empty() ? ErrorChoice::Abort : next(errorAnswers);
    }

    int count(const std::string& text) const
    {
        return static_cast<int>(std::ranges::count(asked, text, &Shown::text));
    }

    std::deque<bool> answers;  // Yes/No answers in order
    std::function<bool(const std::string&)> answerer;
    std::deque<ErrorChoice> errorAnswers;  // Abort when empty
    std::vector<Shown> asked;
    std::vector<Shown> errors;

private:
    template <class T>
    static T next(std::deque<T>& queue)
    {
        const T v = queue.front();
        queue.pop_front();
        return v;
    }
};

} // namespace splot::doubles
