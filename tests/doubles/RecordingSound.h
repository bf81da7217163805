// Keeps every sound started, in order.
#pragma once

#include "platform/Sound.h"

#include <string>
#include <vector>

namespace splot::doubles {

class RecordingSound final : public Sound {
public:
    void play(const std::string& fileName) override { played.push_back(fileName); }

    std::vector<std::string> played;
};

} // namespace splot::doubles
