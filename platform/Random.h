// The program's one uniform random generator (an interface).
#pragma once

#include <cstdint>

namespace splot {

// The program's one uniform random generator.
class Random {
  public:
    virtual ~Random() = default;
    // The next value, single precision, 0 <= value < 1.
    virtual float Rnd() = 0;
    // Re-seed from the clock (tests keep their own seed instead).
    virtual void Randomize() = 0;
    // The seed the last Randomize() took (0 when it took none), and the seed
    // the next one takes instead of the clock's: a drawing made again exactly
    // as it was made once.
    virtual std::uint32_t lastSeed() const { return 0; }
    virtual void seedNextRandomize(std::uint32_t seed) { (void)seed; }
};

} // namespace splot
