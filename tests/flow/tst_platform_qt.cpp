// The Qt clock and sound channel.
#include "platform/qt/QtClock.h"
#include "platform/qt/QtSound.h"

#include <QAudioDevice>
#include <QMediaDevices>
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
        QVERIFY(clock.now() >= deadline);
        // It slept: far less processor time than it lasted.
        QVERIFY2(cpuSeconds < 0.075, std::to_string(cpuSeconds).c_str());
    }

    void soundStaysSilentWithoutAnOutput()
    {
        QtSound sound;
        QCOMPARE(sound.available(), !QMediaDevices::audioOutputs().isEmpty());
        sound.play("splot1.wav");  // returns at once, device or not
        sound.play("no-such-sound.wav");
    }
};

QTEST_GUILESS_MAIN(TestPlatformQt)
#include "tst_platform_qt.moc"
