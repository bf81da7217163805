// Virtual time: a wait jumps the clock to its deadline at once, and doEvents()
// runs an optional hook, through which a test lets commands arrive in the
// middle of a move.
#pragma once

#include "Journal.h"
#include "platform/Clock.h"

#include <cstdio>
#include <functional>
#include <string>

namespace splot::doubles {

class FakeClock final : public Clock {
public:
    explicit FakeClock(double start = 1000.0) : time(start) {}

    double now() override { return time; }

    void waitUntil(double deadline) override
    {
        ++waits;
        const double span = deadline > time ? deadline - time : 0.0;
        char text[48];
        std::snprintf(text, sizeof text, "clock.wait %.3f", span);
        note(journal, text);
        time += span;
        waited += span;
    }

    void doEvents() override
    {
        ++events;
        note(journal, "clock.events");
        // A copy: the hook may replace or clear itself while it runs.
        if (auto hook = onEvents)
            hook();
    }

    // Advances the time by hand (the user thinking, for instance).
    void advance(double seconds) { time += seconds; }

    double time;
    double waited = 0;  // the sum of all waits
    int waits = 0;
    int events = 0;
    std::function<void()> onEvents;  // runs inside every doEvents()
    Journal* journal = nullptr;
};

} // namespace splot::doubles
