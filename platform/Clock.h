// Time, waits and the event queue as the game flow sees them (an interface).
#pragma once

namespace splot {

// Time and the event queue, as the game flow sees them.
class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds from a fixed point, monotonic (a wait across midnight still ends).
    virtual double now() = 0;
    // Sleeps until now() >= deadline. The window may repaint meanwhile, but no
    // user input is handled: it waits in the queue until the next doEvents().
    virtual void waitUntil(double deadline) = 0;
    // Lets pending window events run (DoEvents), user input included.
    virtual void doEvents() = 0;
};

} // namespace splot
