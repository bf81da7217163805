// The Qt clock, sound channel and message boxes.
#include "platform/qt/QtClock.h"
#include "platform/qt/QtQuestions.h"
#include "platform/qt/QtSound.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <ctime>
#include <functional>

using namespace splot;

namespace {

// Answers the next message box that opens with `button`, after letting `inspect` look at it.
void answerNextBox(QMessageBox::StandardButton button, std::function<void(QMessageBox*)> inspect)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, button, inspect] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        inspect(box);
        box->button(button)->click();
    });
    poll->start();
}

} // namespace

class TestPlatformQt : public QObject {
    Q_OBJECT

private slots:
    void clockIsMonotonicAndWaitsAtLeastUntilTheDeadline()
    {
        QtClock clock;
        const double a = clock.now();
        const double b = clock.now();
        QVERIFY(b >= a);

        // A deadline in the past returns at once; a later one not before it.
        clock.waitUntil(a - 10.0);
        const double deadline = clock.now() + 0.15;
        const std::clock_t cpu0 = std::clock();
        clock.waitUntil(deadline);
        const std::clock_t cpu1 = std::clock();
        QVERIFY(clock.now() >= deadline);
        // The wait sleeps: it used far less processor time than it lasted.
        const double cpuSeconds = double(cpu1 - cpu0) / CLOCKS_PER_SEC;
        QVERIFY2(cpuSeconds < 0.075, std::to_string(cpuSeconds).c_str());
    }

    void waitsLetTimersRunAndDoEventsRunsWhatIsPending()
    {
        QtClock clock;
        bool timerRan = false;
        QTimer::singleShot(0, [&] { timerRan = true; });
        clock.waitUntil(clock.now() + 0.05);
        QVERIFY(timerRan);

        bool posted = false;
        QMetaObject::invokeMethod(qApp, [&] { posted = true; }, Qt::QueuedConnection);
        QVERIFY(!posted);
        clock.doEvents();
        QVERIFY(posted);
    }

    void soundNeverBlocksAndMapsNamesToResources()
    {
        QCOMPARE(QtSound::resourcePath("splot1.wav"), std::string(":/sounds/splot1.wav"));
        // The sounds travel with the program's resources.
        for (int i = 0; i < 9; ++i)
            QVERIFY(QFile::exists(QString::fromStdString(QtSound::resourcePath("splot" + std::to_string(i) + ".wav"))));
        QtSound sound;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 9; ++i)
            sound.play("splot" + std::to_string(i) + ".wav");
        sound.play("no-such-sound.wav");
        // Starting sounds returns at once, device or not (no wait for their end).
        QVERIFY(t.elapsed() < 2000);
    }

    void yesNoQuestionHasTheQuestionIcon()
    {
        QWidget parent;
        QtQuestions questions(&parent);
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        answerNextBox(QMessageBox::No, [&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
        });
        QVERIFY(!questions.askYesNo("Really start a new game?", "Start"));
        QCOMPARE(title, QString("Start"));
        QCOMPARE(text, QString("Really start a new game?"));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);

        answerNextBox(QMessageBox::Yes, [](QMessageBox*) {});
        QVERIFY(questions.askYesNo("Really end the game?", "End program"));
    }

    void failureReportOffersAbortRetryIgnore()
    {
        QtQuestions questions;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        answerNextBox(QMessageBox::Retry, [&](QMessageBox* box) {
            icon = box->icon();
            buttons = box->standardButtons();
        });
        QCOMPARE(questions.reportError("Splotchery Error", "Error 1: \nboom"), Questions::ErrorChoice::Retry);
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);

        answerNextBox(QMessageBox::Ignore, [](QMessageBox*) {});
        QCOMPARE(questions.reportError("Splotchery Error", "x"), Questions::ErrorChoice::Ignore);
        answerNextBox(QMessageBox::Abort, [](QMessageBox*) {});
        QCOMPARE(questions.reportError("Splotchery Error", "x"), Questions::ErrorChoice::Abort);
    }
};

QTEST_MAIN(TestPlatformQt)
#include "tst_platform_qt.moc"
