// Keeps every sound started, in order.
#pragma once

#include "platform/Sound.h"

#include <algorithm>
#include <string>
#include <vector>

namespace splot::doubles {

class RecordingSound final : public Sound {
public:
    void play(const std::string& fileName) override { played.push_back(fileName); }
    int count(const std::string& fileName) const
    {
        return static_cast<int>(std::count(played.begin(), played.end(), fileName));
    }

    std::vector<std::string> played;
};

} // namespace splot::doubles
