// The random generator over a Mersenne twister, seeded from the clock or fixed.
#pragma once

#include "platform/Random.h"

#include <cstdint>
#include <random>

namespace splot {

// Mersenne twister behind the Random interface. Randomize() re-seeds from the
// system clock; a generator made with a fixed seed can be told to keep its
// sequence on Randomize() so that whole games replay in tests.
class StdRandom final : public Random {
  public:
    StdRandom(); // seeded from the clock
    explicit StdRandom(std::uint32_t seed, bool keepSeedOnRandomize = true);

    float Rnd() override;
    void Randomize() override;

  private:
    std::mt19937 engine_;
    bool fixed_ = false;
};

} // namespace splot
