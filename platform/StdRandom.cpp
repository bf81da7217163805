// The Mersenne twister behind Random: single-precision values, a reseed from the clock.
#include "platform/StdRandom.h"

#include <chrono>

namespace splot {

namespace {
std::uint32_t clockSeed()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(now ^ (now >> 32));
}
} // namespace

StdRandom::StdRandom() : engine_(clockSeed()) {}

StdRandom::StdRandom(std::uint32_t seed, bool keepSeedOnRandomize)
    : engine_(seed), fixed_(keepSeedOnRandomize)
{
}

float StdRandom::Rnd()
{
    // 24 random bits give every float in [0, 1) on a grid of 2^-24; never 1.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

StdRandom StdRandom::reseeding(std::uint32_t seed)
{
    StdRandom r(seed, false);
    r.seedsFromSequence_ = true;
    r.seeds_.seed(seed);
    return r;
}

void StdRandom::Randomize()
{
    if (hasNextSeed_) {
        hasNextSeed_ = false;
        lastSeed_ = nextSeed_;
    } else if (seedsFromSequence_) {
        lastSeed_ = static_cast<std::uint32_t>(seeds_());
    } else if (!fixed_) {
        lastSeed_ = clockSeed();
    } else {
        return;
    }
    engine_.seed(lastSeed_);
}

} // namespace splot
