// Keeps every sound started, in order.
#pragma once

#include "Journal.h"
#include "platform/Sound.h"

#include <algorithm>
#include <string>
#include <vector>

namespace splot::doubles {

class RecordingSound final : public Sound {
public:
    void play(const std::string& fileName) override
    {
        played.push_back(fileName);
        note(journal, "sound " + fileName);
    }
    int count(const std::string& fileName) const
    {
        return static_cast<int>(std::count(played.begin(), played.end(), fileName));
    }

    std::vector<std::string> played;
    Journal* journal = nullptr;
};

} // namespace splot::doubles
