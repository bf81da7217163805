// The clock and the event queue over Qt: a monotonic timer, waits that sleep
// in an event loop without user input, and DoEvents.
#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

namespace splot {

class QtClock final : public Clock {
  public:
    QtClock();

    // Seconds since this clock was made; monotonic, so a wait across midnight ends on time.
    double now() override;
    // Sleeps in an event loop that repaints but keeps user input queued; never spins.
    void waitUntil(double deadline) override;
    // Lets every pending event run, user input included, also input a wait held back.
    void doEvents() override;

  private:
    QElapsedTimer timer_;
};

} // namespace splot
