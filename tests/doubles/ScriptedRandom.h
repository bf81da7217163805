// Hands out given values first, then goes on with a seeded generator (whose
// sequence is kept, so that whole games replay); counts its draws and re-seeds.
#pragma once

#include "platform/Random.h"
#include "platform/StdRandom.h"

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <stdexcept>

namespace splot::doubles {

class ScriptedRandom final : public Random {
  public:
    explicit ScriptedRandom(std::initializer_list<float> values = {}, std::uint32_t seed = 1)
        : values_(values), fallback_(seed)
    {
    }

    float Rnd() override
    {
        if (++draws == failAtDraw)
            throw std::runtime_error("no random number");
        if (values_.empty())
            return fallback_.Rnd();
        const float v = values_.front();
        values_.pop_front();
        return v;
    }
    void Randomize() override { ++randomizes; }
    void push(std::initializer_list<float> vs) { values_.insert(values_.end(), vs); }

    long draws = 0;
    long failAtDraw = -1; // the draw (counted from 1) that fails
    int randomizes = 0;

  private:
    std::deque<float> values_;
    StdRandom fallback_;
};

} // namespace splot::doubles
