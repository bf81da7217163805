// Virtual time: a wait jumps the clock to its deadline at once. doEvents() runs an
// optional hook, through which a test lets commands arrive in the middle of a move,
// or makes a step fail. With a journal, every wait
// ("wait 400", in milliseconds slept) and every doEvents ("events") is written
// to it in order.
#pragma once

#include "platform/Clock.h"
#include "tests/doubles/Journal.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace splot::doubles {

class FakeClock final : public Clock, public Journaled {
  public:
    double now() override { return time; }
    void waitUntil(double deadline) override
    {
        note("wait", std::lround(1000 * (deadline > time ? deadline - time : 0)));
        time = deadline > time ? deadline : time;
    }
    void doEvents() override
    {
        note("events");
        // A copy: the hook may replace or clear itself while it runs.
        if (auto hook = onEvents)
            hook();
    }

    double time = 1000.0;
    std::function<void()> onEvents; // runs inside every doEvents()
};

} // namespace splot::doubles
