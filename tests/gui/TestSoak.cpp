// A seeded soak of the main window: thousands of random clicks, keys, menu
// commands, picture-button presses, option changes and resizes, many of them
// arriving in the middle of a move (from the clock's event hook). After every
// action the board, the drawn wall and the label must agree.
#include "WindowRig.h"

#include "presentation/PictureButton.h"
#include "shell/OptionsDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <random>

using namespace splot;
using namespace splot::gui;

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("splotchery"));
        quietOffscreenWarnings();
    }

    void randomInputKeepsBoardWallAndLabelInAgreement()
    {
        const int actions = qEnvironmentVariableIntValue("SPLOT_SOAK_ACTIONS") > 0
            ? qEnvironmentVariableIntValue("SPLOT_SOAK_ACTIONS")
            : 5000;
        // Another seed can be tried by hand: SPLOT_SOAK_SEED=n.
        const unsigned seed = qEnvironmentVariableIntValue("SPLOT_SOAK_SEED") > 0
            ? static_cast<unsigned>(qEnvironmentVariableIntValue("SPLOT_SOAK_SEED"))
            : 4711u;
        writeSettings(QString::fromLatin1(kQuietSettings));
        WindowRig rig(20261206 + seed);
        rig.start();
        MainWindow& w = rig.window();
        // Both optional rules, so that grease spots and blocked nozzles come up.
        rig.settings().greaseSpots = kTrue;
        rig.settings().blockedNozzle = kTrue;

        std::mt19937 rng(seed);
        auto chance = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

        // Questions: never end the program; the rest at random.
        rig.questions.answerer = [&](const std::string& text) {
            if (text == "Really end the game?")
                return false;
            return chance(2) == 0;
        };

        // The options dialog, whenever it is open: a few changes, then OK.
        int dialogsAnswered = 0;
        QTimer answerer;
        answerer.setInterval(0);
        connect(&answerer, &QTimer::timeout, [&] {
            auto* d = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
            if (!d || !d->isVisible())
                return;
            for (int i = chance(4); i > 0; --i) {
                switch (chance(5)) {
                case 0: QTest::keyClick(d->plusMinus(), Qt::Key_Up); break;
                case 1: QTest::keyClick(d->plusMinus(), Qt::Key_Down); break;
                case 2: d->hintsBox()->click(); break;
                case 3: d->nozzleBox()->click(); break;
                default: d->greaseBox()->click(); break;
                }
            }
            ++dialogsAnswered;
            d->okButton()->click();
        });
        answerer.start();

        int midMove = 0;
        int depth = 0;
        auto act = [&] {
            ++depth;
            const int pick = chance(100);
            WallView& wall = rig.wall();
            if (pick < 40) {
                // A click anywhere on the wall and a little beyond, with any button.
                const QPointF p(chance(wall.width() + 20) - 10 + chance(100) / 100.0,
                                chance(wall.height() + 20) - 10 + chance(100) / 100.0);
                const Qt::MouseButton buttons[3] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
                const Qt::MouseButton b = buttons[chance(3)];
                QMouseEvent press(QEvent::MouseButtonPress, p, wall.mapToGlobal(p), b, b, Qt::NoModifier);
                QApplication::sendEvent(&wall, &press);
                QMouseEvent release(QEvent::MouseButtonRelease, p, wall.mapToGlobal(p), b, Qt::NoButton,
                                    Qt::NoModifier);
                QApplication::sendEvent(&wall, &release);
            } else if (pick < 70) {
                const Qt::Key keys[] = {Qt::Key_Home, Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown,
                                        Qt::Key_Left, Qt::Key_Up,    Qt::Key_Right,  Qt::Key_Down,
                                        Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter, Qt::Key_A};
                QTest::keyClick(&wall, keys[chance(static_cast<int>(std::size(keys)))]);
            } else if (pick < 76) {
                w.startAction()->trigger();
            } else if (pick < 81) {
                w.tipAction()->trigger();
            } else if (pick < 86) {
                QTest::mouseClick(rig.booth().pictureButton(chance(3)), chance(2) ? Qt::LeftButton : Qt::RightButton);
            } else if (pick < 89) {
                w.storyAction()->trigger();
            } else if (pick < 91) {
                w.optionsAction()->trigger();
            } else if (pick < 92) {
                w.aboutAction()->trigger();
            } else if (pick < 93) {
                w.endAction()->trigger();
            } else if (pick < 97) {
                w.resize(300 + chance(900), 250 + chance(700));
            } else if (pick < 98) {
                w.showMaximized();
            } else {
                w.showNormal();
            }
            --depth;
        };

        // Commands in the middle of a move arrive while the move lets events run.
        rig.clock.onEvents = [&] {
            if (depth < 2 && chance(4) == 0) {
                ++midMove;
                act();
            }
        };

        int games = 0, decided = 0;
        bool wasRunning = false, wasOver = false;
        for (int i = 0; i < actions; ++i) {
            act();
            QVERIFY2(!rig.game().busy(), "work left running");
            QCOMPARE(rig.game().heldCommands(), std::size_t(0));
            QVERIFY(QApplication::activeModalWidget() == nullptr);
            QVERIFY2(rig.questions.errors.empty(),
                     rig.questions.errors.empty() ? "" : rig.questions.errors.front().text.c_str());
            QVERIFY(w.isVisible());
            const std::string disagreement = checkAgreement(rig);
            QVERIFY2(disagreement.empty(), qPrintable(QStringLiteral("after action %1: %2")
                                                          .arg(i)
                                                          .arg(QString::fromStdString(disagreement))));
            QCOMPARE(w.storyAction()->isEnabled(), !rig.state().gameRunning);
            if (rig.state().gameRunning && !wasRunning)
                ++games;
            wasRunning = rig.state().gameRunning;
            const bool over = rig.state().gameOver != kFalse;
            decided += over && !wasOver;
            wasOver = over;
        }
        qInfo("%d actions, %d of them in the middle of a move, %d games started, %d decided, %d options dialogs",
              actions, midMove, games, decided, dialogsAnswered);
        QVERIFY(midMove > actions / 20);
        QVERIFY(games > 5);
        QVERIFY(decided > 2);
    }
};

QTEST_MAIN(TestSoak)
#include "TestSoak.moc"
