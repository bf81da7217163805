// The answers of a computer player with nobody at the wall: no questions
// answered yes, every failure aborts, a draw offer goes nowhere.
#pragma once

#include "engine/Search.h"
#include "platform/Questions.h"

#include <string>

namespace splot {

class NoQuestions final : public Questions {
  public:
    bool askYesNo(const Phrase&, const Phrase&) override { return false; }
    ErrorChoice reportError(const Phrase&, const Phrase&) override { return ErrorChoice::Abort; }
};

class NoSink final : public DrawOfferSink {
  public:
    void drawAccepted() override {}
};

} // namespace splot
