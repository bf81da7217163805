// Keeps every sound started, in order; with a journal, also there ("sound splot2.wav").
#pragma once

#include "platform/Sound.h"
#include "tests/doubles/Journal.h"

#include <string>
#include <vector>

namespace splot::doubles {

class RecordingSound final : public Sound, public Journaled {
  public:
    void play(const std::string& fileName) override
    {
        played.push_back(fileName);
        note("sound " + fileName);
    }

    std::vector<std::string> played;
};

} // namespace splot::doubles
