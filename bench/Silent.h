// The answers of a computer player with nobody at the wall: no questions
// answered yes, every failure aborts, a draw offer goes nowhere.
#pragma once

#include "engine/Search.h"
#include "platform/Questions.h"

#include <string>

namespace splot {

class NoQuestions final : public Questions {
  public:
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    ErrorChoice reportError(const std::string&, const std::string&) override { return ErrorChoice::Abort; }
};

class NoSink final : public DrawOfferSink {
  public:
    void drawAccepted() override {}
};

} // namespace splot
