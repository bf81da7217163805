// Virtual time: a wait jumps the clock to its deadline at once, and doEvents()
// runs an optional hook, through which a test lets commands arrive in the
// middle of a move.
#pragma once

#include "platform/Clock.h"

#include <functional>

namespace splot::doubles {

class FakeClock final : public Clock {
public:
    double now() override { return time; }
    void waitUntil(double deadline) override { time = deadline > time ? deadline : time; }
    void doEvents() override
    {
        // A copy: the hook may replace or clear itself while it runs.
        if (auto hook = onEvents)
            hook();
    }

    double time = 1000.0;
    std::function<void()> onEvents;  // runs inside every doEvents()
};

} // namespace splot::doubles
