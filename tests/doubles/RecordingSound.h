// Keeps every sound started, in order; with a journal, also there ("sound splot2.wav").
#pragma once

#include "platform/Sound.h"

#include <string>
#include <vector>

namespace splot::doubles {

class RecordingSound final : public Sound {
  public:
    void play(const std::string& fileName) override
    {
        played.push_back(fileName);
        if (journal)
            journal->push_back("sound " + fileName);
    }

    std::vector<std::string> played;
    std::vector<std::string>* journal = nullptr;
};

} // namespace splot::doubles
