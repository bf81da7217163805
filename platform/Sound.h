// One sound channel for the game's sounds (an interface).
#pragma once

#include <string>

namespace splot {

// One sound channel: play() starts a file ("splot1.wav") and returns at once;
// starting a sound cuts short the one still playing. A sound that cannot be
// played is silent and never delays the game.
class Sound {
  public:
    virtual ~Sound() = default;
    virtual void play(const std::string& fileName) = 0;
};

} // namespace splot
