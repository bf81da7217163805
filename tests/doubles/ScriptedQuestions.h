// Answers questions from a queue (or a function of the text) and keeps every
// question and failure report shown.
#pragma once

#include "Journal.h"
#include "platform/Questions.h"

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
        note(journal, "question " + text);
        bool yes = defaultAnswer;
        if (!answers.empty()) {
            yes = answers.front();
            answers.pop_front();
        } else if (auto decide = answerer) {
            yes = decide(text);
        }
        if (auto hook = onAsk)
            hook(text);
        return yes;
    }

    ErrorChoice reportError(const std::string& title, const std::string& text) override
    {
        errors.push_back({text, title});
        note(journal, "error " + text);
        if (errorAnswers.empty())
            return defaultErrorChoice;
        const ErrorChoice c = errorAnswers.front();
        errorAnswers.pop_front();
        return c;
    }

    int count(const std::string& text) const
    {
        int n = 0;
        for (const auto& q : asked)
            n += q.text == text;
        return n;
    }

    std::deque<bool> answers;                    // Yes/No answers in order
    bool defaultAnswer = false;                  // when the queue is empty and no answerer is set
    std::function<bool(const std::string&)> answerer;
    std::function<void(const std::string&)> onAsk;  // runs after each question
    std::deque<ErrorChoice> errorAnswers;
    ErrorChoice defaultErrorChoice = ErrorChoice::Abort;

    std::vector<Shown> asked;
    std::vector<Shown> errors;
    Journal* journal = nullptr;
};

} // namespace splot::doubles
