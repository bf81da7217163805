// The one journal the doubles write to, in the order things happen: each entry a name
// and its numbers ("splot 3 4", "wait 400", "sound splot2.wav").
#pragma once

#include <string>
#include <vector>

namespace splot::doubles {

struct Journaled {
    std::vector<std::string>* journal = nullptr; // none: nothing is written

  protected:
    // The entry's name and its numbers, with a blank before each.
    template <typename... Number> void note(std::string entry, Number... n)
    {
        if (journal)
            journal->push_back(((entry += " " + std::to_string(n)), ..., entry));
    }
};

} // namespace splot::doubles
