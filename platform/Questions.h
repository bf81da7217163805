// The questions and the failure report the game asks (an interface).
#pragma once

#include "platform/Phrase.h"

namespace splot {

// Message boxes. Every question has the buttons Yes and No and the question icon.
class Questions {
  public:
    enum class ErrorChoice { Abort, Retry, Ignore };

    virtual ~Questions() = default;
    // True only when the user answers Yes.
    virtual bool askYesNo(const Phrase& text, const Phrase& title) = 0;
    // The failure report: exclamation icon, buttons Abort, Retry and Ignore.
    virtual ErrorChoice reportError(const Phrase& title, const Phrase& text) = 0;
};

} // namespace splot
