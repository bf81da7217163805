// The player's road through the real main window: the whole-game driver (keys,
// clicks or both; the computer or two humans; English or German), and input that
// arrives in the middle of a move as the platform delivers it after a wait.
#include "shell/Language.h"
#include "tests/gui/WindowRig.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;
using namespace splot::testing;

class TestPlayerRoad : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("splotchery")); }
    void init() { writeSettings(kQuietSettings); }

    // The whole-game driver, one game a row: Blue plays the last free cell from the bottom right,
    // every third move the hinted one, by keys typed into the active window's focus widget (Home,
    // the arrows, Enter or Space; never Tab), by clicks in the middle of the cell, or both in turn;
    // against the computer or another human who loses some squirts to the blocked nozzle; in
    // English or German. After every move the splot is where it was sent, the board, the wall and
    // the label agree and the wall has the keyboard focus, also after a hint, a refused cell, the
    // options dialog, the game menu and another window in front. The labels speak the language.
    void wholeGames_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("computer");
        QTest::addColumn<QString>("language");
        QTest::addColumn<uint>("seed");
        QTest::addColumn<QString>("result"); // how the last label begins
        QTest::newRow("keys, computer") << "keys" << true << "en" << 9u << "You won!  ";
        QTest::newRow("keys, humans") << "keys" << false << "en" << 12u << "";
        QTest::newRow("both, computer wins") << "both" << true << "en" << 11u << "Computer won!  ";
        QTest::newRow("clicks, in German")
            << "clicks" << true << "de" << 11u << "Der Computer hat gewonnen!  ";
    }
    void wholeGames()
    {
        QFETCH(QString, input);
        QFETCH(bool, computer);
        QFETCH(QString, language);
        QFETCH(uint, seed);
        QFETCH(QString, result);
        useLanguage(language);
        WindowRig rig(seed);
        rig.program->settings().computerPlaysRed = computer ? kTrue : kFalse;
        rig.program->settings().blockedNozzle = computer ? kFalse : kTrue;
        MainWindow& w = rig.window();
        QVERIFY(rig.activate());
        const auto type = [&rig](Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            rig.type(k, mods);
        };
        QStringList labels;
        const auto note = [&] {
            if (const QString l = w.booth()->commentLabel()->text(); labels.value(labels.size() - 1) != l)
                labels.append(l);
        };
        rig.clock.onEvents = note; // the labels shown during the computer's move too
        type(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(rig.state().gameRunning);
        int nozzles = 0;
        for (int moves = 0; moves < 64 && rig.state().gameRunning; ++moves) {
            QCOMPARE(QApplication::focusWidget(), &rig.wall());
            QVERIFY(rig.cursorCoverage(rig.cursor()) > 0.25);
            QPoint to;
            if (moves % 3 == 2)
                type(Qt::Key_T, Qt::ControlModifier), to = rig.cursor();
            for (int i = 63; i >= 0 && to.isNull(); --i)
                to = rig.code(8 - i % 8, i / 8 + 1) == kEmpty ? QPoint(8 - i % 8, i / 8 + 1) : QPoint();
            QCOMPARE(rig.code(to.x(), to.y()), int(kEmpty));
            const int count = rig.state().moveCount, side = rig.game().board().currentPlayer;
            if (input == "keys" || (input == "both" && moves % 2 == 0)) {
                type(Qt::Key_Home);
                for (int k = 2; k < to.x() + to.y(); ++k)
                    type(k <= to.x() ? Qt::Key_Right : Qt::Key_Down);
                QCOMPARE(rig.cursor(), to);
                type(moves % 4 < 2 ? Qt::Key_Return : Qt::Key_Space);
            } else {
                rig.press(538 * to.x() - 269, 538 * to.y() - 269);
            }
            // Against the computer the splot lands and the reply follows; between humans the turn
            // passes, by a splot or a blocked nozzle.
            if (computer)
                QVERIFY(rig.code(to.x(), to.y()) == kBlue &&
                        (rig.state().moveCount == count + 2 || rig.state().gameOver));
            else
                QVERIFY(rig.game().board().currentPlayer != side || rig.state().gameOver);
            nozzles += rig.code(to.x(), to.y()) == kEmpty;
            note();
            QCOMPARE(disagreement(rig), QString());
            if (moves == 2) // Enter on the splot just played: refused, the focus stays
                type(Qt::Key_Return);
            if (moves == 3) { // the options dialog, closed without a change
                QTimer::singleShot(0, [] {
                    if (auto* d = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget()))
                        d->okButton()->click();
                });
                w.optionsAction()->trigger();
                QTRY_COMPARE(QApplication::focusWidget(), &rig.wall());
            }
            if (moves == 4) { // the game menu, opened with Alt+G (Alt+S) and left with Escape, Escape
                type(language == "de" ? Qt::Key_S : Qt::Key_G, Qt::AltModifier);
                QTRY_VERIFY(QApplication::activePopupWidget());
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
                QTRY_VERIFY(!QApplication::activePopupWidget());
                type(Qt::Key_Escape); // the menu bar lets go of the keyboard
                QTRY_COMPARE(QApplication::focusWidget(), &rig.wall());
            }
            if (moves == 5) { // another window in front, then this one again
                QWidget other;
                other.show();
                QApplication::setActiveWindow(&other);
                QVERIFY(QTest::qWaitForWindowActive(&other));
                QApplication::setActiveWindow(&w);
                QVERIFY(QTest::qWaitForWindowActive(&w));
            }
        }
        rig.clock.onEvents = nullptr;
        useLanguage("en");
        QVERIFY2(!rig.state().gameRunning && rig.state().gameOver, rig.window().scene().comment().c_str());
        QVERIFY2(labels.back().startsWith(result), qPrintable(labels.back()));
        QVERIFY(computer || nozzles > 0);
        QCOMPARE(QApplication::focusWidget(), &rig.wall());
        const QStringList turns = language == "de" ? QStringList{"Pelko ist dran", "Der Computer ist dran"}
                                  : computer       ? QStringList{"Pelko's turn", "Computer's turn"}
                                                   : QStringList{"Pelko's turn", "Tulla's turn"};
        QVERIFY2(labels.contains(turns[0]) && labels.contains(turns[1]), qPrintable(labels.join(" | ")));
    }

    // Clicks and keys queued while a move's waits run, as the platform delivers them once the wait
    // is over: the wall's are dropped, a picture button's command is held and runs after the move.
    void inputMadeDuringAMoveIsDroppedCommandsAreHeld()
    {
        WindowRig rig;
        rig.program->settings().computerPlaysRed = kFalse; // two humans: any click would be a move
        MainWindow& w = rig.window();
        QVERIFY(rig.activate());
        w.startAction()->trigger();
        const int side = rig.game().board().currentPlayer;
        auto click = [](QWidget* target, QPointF p) {
            for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    target, new QMouseEvent(type, p, target->mapToGlobal(p), Qt::LeftButton,
                                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                            Qt::NoModifier));
        };
        // A wait keeps user input queued; the next DoEvents, or the main loop, delivers it.
        std::vector<std::function<void()>> deferred;
        auto deliver = [&] {
            for (auto& post : std::exchange(deferred, {}))
                post();
            QCoreApplication::processEvents();
        };
        int waits = 0;
        rig.clock.onWait = [&] { // a double click, arrow keys and Enter, and the hint button
            if (waits++ != 1)
                return;
            const double cell = rig.cellSize() / kTwipsPerPixel;
            deferred.push_back([&, cell] { click(&rig.wall(), {5.5 * cell, 5.5 * cell}); });
            deferred.push_back([&, cell] { click(&rig.wall(), {6.5 * cell, 5.5 * cell}); });
            for (Qt::Key k : {Qt::Key_Right, Qt::Key_Return, Qt::Key_Down, Qt::Key_Space})
                deferred.push_back([k] {
                    QCoreApplication::postEvent(QApplication::focusWidget(),
                                                new QKeyEvent(QEvent::KeyPress, k, Qt::NoModifier));
                });
            deferred.push_back([&] { click(w.booth()->pictureButton(2), {5, 5}); });
        };
        rig.clock.onEvents = deliver;
        rig.press(538 * 2.5, 538 * 2.5); // cell (3, 3)
        deliver();                       // back in the main loop
        QVERIFY(waits > 1);
        QCOMPARE(rig.state().moveCount, 1);
        QCOMPARE(rig.game().board().currentPlayer, 1 - side);
        QVERIFY(rig.code(6, 6) == kEmpty && rig.code(7, 6) == kEmpty && rig.code(4, 3) == kEmpty);
        // The hint ran after the move.
        QVERIFY(rig.cursor() != QPoint(3, 3) && rig.code(rig.cursor().x(), rig.cursor().y()) == kEmpty);
        QCOMPARE(QApplication::focusWidget(), &rig.wall());
        QCOMPARE(disagreement(rig), QString());
    }
};

QTEST_MAIN(TestPlayerRoad)
#include "test_player_road.moc"
