// The questions and the failure report the game asks (an interface).
#pragma once

#include <string>

namespace splot {

// Message boxes. Every question has the buttons Yes and No and the question icon.
class Questions {
  public:
    enum class ErrorChoice { Abort, Retry, Ignore };

    virtual ~Questions() = default;
    // True only when the user answers Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
    // The failure report: exclamation icon, buttons Abort, Retry and Ignore.
    virtual ErrorChoice reportError(const std::string& title, const std::string& text) = 0;
};

} // namespace splot
