// The Qt clock: a wait sleeps until its deadline.
#include "platform/qt/QtClock.h"

#include <QtTest>

#include <ctime>

using namespace splot;

class TestPlatformQt : public QObject {
    Q_OBJECT

  private slots:
    void clockSleepsUntilTheDeadline()
    {
        QtClock clock;
        const double deadline = clock.now() + 0.15;
        const std::clock_t cpu = std::clock();
        clock.waitUntil(deadline);
        const double cpuSeconds = double(std::clock() - cpu) / CLOCKS_PER_SEC;
        // It slept: far less processor time than it lasted.
        QVERIFY2(clock.now() >= deadline && cpuSeconds < 0.075, std::to_string(cpuSeconds).c_str());
    }
};

QTEST_GUILESS_MAIN(TestPlatformQt)
#include "test_platform_qt.moc"
