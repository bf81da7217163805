// Random doubles: the scripted one hands out given values first, then goes on
// with a seeded generator; both count their draws and re-seeds.
#pragma once

#include "platform/Random.h"
#include "platform/StdRandom.h"

#include <cstdint>
#include <deque>
#include <initializer_list>

namespace splot::doubles {

class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::initializer_list<float> values = {}, std::uint32_t seed = 1)
        : values_(values), fallback_(seed) {}

    float Rnd() override
    {
        ++draws;
        if (values_.empty())
            return fallback_.Rnd();
        const float v = values_.front();
        values_.pop_front();
        return v;
    }
    void Randomize() override { ++randomizes; }

    void push(float v) { values_.push_back(v); }
    void push(std::initializer_list<float> vs) { values_.insert(values_.end(), vs); }
    std::size_t left() const { return values_.size(); }

    long draws = 0;
    int randomizes = 0;

private:
    std::deque<float> values_;
    StdRandom fallback_;
};

// A StdRandom with a fixed seed (kept on Randomize) that counts.
class SeededRandom final : public Random {
public:
    explicit SeededRandom(std::uint32_t seed) : inner_(seed) {}
    float Rnd() override
    {
        ++draws;
        return inner_.Rnd();
    }
    void Randomize() override
    {
        ++randomizes;
        inner_.Randomize();
    }
    long draws = 0;
    int randomizes = 0;

private:
    StdRandom inner_;
};

} // namespace splot::doubles
