// The program's one uniform random generator (an interface).
#pragma once

namespace splot {

// The program's one uniform random generator.
class Random {
  public:
    virtual ~Random() = default;
    // The next value, single precision, 0 <= value < 1.
    virtual float Rnd() = 0;
    // Re-seed from the clock (tests keep their own seed instead).
    virtual void Randomize() = 0;
};

} // namespace splot
