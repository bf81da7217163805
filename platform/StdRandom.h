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
    // Randomize() takes its seeds from a sequence of its own started at `seed`,
    // not from the clock: a repeatable generator whose drawings can be made again.
    static StdRandom reseeding(std::uint32_t seed);

    float Rnd() override;
    void Randomize() override;
    std::uint32_t lastSeed() const override { return lastSeed_; }
    void seedNextRandomize(std::uint32_t seed) override { nextSeed_ = seed, hasNextSeed_ = true; }

  private:
    std::mt19937 engine_;
    bool fixed_ = false;
    bool seedsFromSequence_ = false;
    std::mt19937 seeds_;
    std::uint32_t lastSeed_ = 0;
    std::uint32_t nextSeed_ = 0;
    bool hasNextSeed_ = false;
};

} // namespace splot
