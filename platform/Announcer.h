// What a screen reader is to say: the game tells it in sentences, built from
// phrases in the program's language.
#pragma once

#include "platform/Phrase.h"

#include <string>

namespace splot {

class Announcer {
  public:
    virtual ~Announcer() = default;

    // One of the spoken phrases ("%1 is taken.", "red") in the program's
    // language; %1, %2 ... stand for the parts filled in later.
    virtual std::string phrase(const char* english) const { return english; }
    // A text of the label as the label shows it.
    virtual std::string shown(const Phrase& text) const { return text.english(); }
    // Says the text, right away.
    virtual void announce(const std::string& text) = 0;
};

} // namespace splot
