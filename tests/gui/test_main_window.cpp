// The real main window as a player meets it, on platform doubles (virtual time,
// a seeded generator, recorded sounds, scripted answers) and a settings file in
// the test's own folder: the first and a later start, the board input, menus,
// picture buttons, the placement kept, closing in mid-move, and a seeded soak of
// random input.
#include "tests/gui/WindowRig.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;
using namespace splot::testing;

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("splotchery")); }
    void init() { writeSettings(kQuietSettings); }

    void firstStartShowsTheStoryMaximized()
    {
        writeSettings({});
        WindowRig rig;
        MainWindow& w = rig.window();
        QCOMPARE(w.windowTitle(), QStringLiteral("Splotchery  1.24")); // set by the about box
        QVERIFY(w.isMaximized() && w.scene().storyVisible() && !w.scene().wallVisible() &&
                settingsHave("Text=0"));
        QCOMPARE(rig.sound.played, std::vector<std::string>{"splot0.wav"});
        // Restored, it stands centred at its design size, widened to what the booth and buttons need.
        const QRect g = w.normalGeometry(), screen = w.screen()->geometry();
        QVERIFY(g.height() == 423 + w.menuBar()->sizeHint().height() && g.width() <= 633);
        QVERIFY(g.width() >= w.minimumWidth() && (g.center() - screen.center()).manhattanLength() <= 6);
    }

    void placementIsKeptFromStartToStart()
    {
        auto placement = [](WindowRig& rig) {
            const WindowPlacement p = rig.window().currentPlacement();
            return QList<int>({p.windowLeft, p.windowTop, p.windowWidth, p.windowHeight});
        };
        WindowRig rig; // a second start: where it was, without story or sound
        MainWindow& w = rig.window();
        QVERIFY(!w.isMaximized() && !w.scene().storyVisible() && rig.sound.played.empty());
        QCOMPARE(placement(rig), QList<int>({1500, 1200, 9600, 6900}));
        writeSettings(QStringLiteral("[Window]\r\nStatus= 7\r\n"));
        w.resize(700, 500);
        QVERIFY(settingsHave("Status= 0"));
        w.resize(300, 500); // never narrower than the booth and the buttons
        QVERIFY(w.frameGeometry().width() * kTwipsPerPixel >= 9485);
        w.close();
        const QList<int> saved = placement(rig);
        QCOMPARE(saved[3], (500 + w.frameGeometry().height() - w.height()) * kTwipsPerPixel);

        WindowRig next; // the next start comes back there; closed maximized, it keeps that placement
        QCOMPARE(placement(next), saved);
        next.window().showMaximized();
        next.window().close();
        QVERIFY(settingsHave("Status= 2") && settingsHave(QStringLiteral("Width= %1").arg(saved[2])));

        writeSettings(QString(kQuietSettings).replace("= 9600", "= 30000").replace("= 6900", "= 30000"));
        WindowRig tooLarge; // a placement larger than the screen is made to fit
        QVERIFY(tooLarge.window().screen()->availableGeometry().contains(tooLarge.window().frameGeometry()));
    }

    void menusFollowThePhase()
    {
        WindowRig rig; // hints on
        MainWindow& w = rig.window();
        QVERIFY(w.storyAction()->isEnabled());
        w.startAction()->trigger();
        QVERIFY(rig.state().gameRunning && !w.storyAction()->isEnabled() && w.tipAction()->isEnabled());
        rig.program->settings().hintsOn = 0; // the next game has no hint
        rig.questions.answers = {true};
        w.startAction()->trigger();
        QVERIFY(!w.tipAction()->isEnabled() && !w.storyAction()->isEnabled());
        rig.game().drawAccepted(); // decided: the story is back, a new game needs no question
        QVERIFY(w.storyAction()->isEnabled());
        w.startAction()->trigger();
        QVERIFY(rig.state().gameRunning && rig.questions.count("Really start a new game?") == 1);
    }

    // Hints switched in the options while a game goes on (No to a new game): the hint command
    // and its Ctrl+T follow at once, as the hint button does.
    void hintCommandFollowsTheHintsChoice()
    {
        WindowRig rig; // hints on
        MainWindow& w = rig.window();
        w.startAction()->trigger();
        while (rig.state().moveCount == 0)
            rig.game().Feld_Auswahl(rig.state().cursorX, rig.state().cursorY);
        rig.questions.answerer = [](const std::string&) { return false; };
        for (bool on : {false, true}) {
            QTimer::singleShot(0, [&] {
                w.optionsDialog()->hintsBox()->click();
                QTest::keyClick(w.optionsDialog(), Qt::Key_Escape);
            });
            w.optionsAction()->trigger();
            QVERIFY(rig.state().gameRunning && rig.state().moveCount > 0);
            QVERIFY(w.tipAction()->isEnabled() == on && w.booth()->hintButtonVisible() == on);
        }
    }

    // Changed options give up a game with a splot on the wall only after Yes;
    // on No it goes on with its rules, and the new ones come with the next start.
    void changedOptionsAskBeforeGivingUpAGame()
    {
        WindowRig rig;
        MainWindow& w = rig.window();
        OptionsDialog& d = *w.optionsDialog();
        const auto changeWallSizeAndClose = [&] {
            QTimer::singleShot(0, [&] {
                QTest::keyClick(d.plusMinus(), Qt::Key_Plus);
                QTest::keyClick(&d, Qt::Key_Escape);
            });
            w.optionsAction()->trigger();
        };
        changeWallSizeAndClose(); // no game yet: a new game on 9 x 9 at once, no question
        QVERIFY(rig.state().gameRunning && rig.game().board().wallSize == 9 && rig.questions.asked.empty());

        rig.questions.answerer = [](const std::string&) { return false; };
        while (rig.state().moveCount == 0 && rig.state().gameRunning)
            rig.game().Feld_Auswahl(rig.state().cursorX, rig.state().cursorY);
        QVERIFY(rig.state().gameRunning);
        const int splots = rig.state().moveCount;
        changeWallSizeAndClose(); // No: the game goes on, on its wall and rules
        QCOMPARE(rig.questions.count("Really start a new game?"), 1);
        QCOMPARE(rig.questions.asked.back().title, std::string("Start"));
        QVERIFY(rig.state().gameRunning && rig.state().moveCount == splots);
        QCOMPARE(rig.game().board().wallSize, 9);
        QCOMPARE(rig.program->settings().wallSize, i16(9));
        QVERIFY(settingsHave("Feld= 10"));
        // The dialog shows the choice, and the next start takes it.
        rig.questions.answerer = nullptr;
        rig.questions.answers = {true};
        w.startAction()->trigger();
        QCOMPARE(rig.game().board().wallSize, 10);
        QCOMPARE(d.sizeDisplay()->text(), QStringLiteral(" 10 x 10"));
    }

    // The cursor stops at the edges; the four click points of a 40-unit cell, scaled to 538 units.
    void boardInputByKeysAndClicks()
    {
        WindowRig rig;
        rig.program->settings().computerPlaysRed = kFalse; // two humans: every click that counts lands
        rig.window().start_Click();
        const std::pair<Qt::Key, QPoint> steps[] = {
            {Qt::Key_Home, {1, 1}},     {Qt::Key_Down, {1, 2}},   {Qt::Key_Left, {1, 2}},
            {Qt::Key_Right, {2, 2}},    {Qt::Key_End, {8, 8}},    {Qt::Key_Down, {8, 8}},
            {Qt::Key_Right, {8, 8}},    {Qt::Key_PageUp, {8, 1}}, {Qt::Key_Up, {8, 1}},
            {Qt::Key_PageDown, {8, 8}}, {Qt::Key_Home, {1, 1}},   {Qt::Key_Up, {1, 1}}};
        for (auto [key, at] : steps) {
            rig.key(key);
            QCOMPARE(rig.cursor(), at);
        }
        QVERIFY(rig.cursorCoverage({1, 1}) > 0.25);
        QCOMPARE(rig.cursorCoverage({8, 8}), 0.0); // erased where it was

        const double k = 538.0 / 40.0;
        rig.press(41 * k, 41 * k); // 2.5 % into cell (2, 2)
        rig.press(79 * k, 10 * k); // 97.5 % across cell (2, 1)
        QCOMPARE(rig.state().moveCount, 0);
        rig.press(60 * k, 100 * k, Qt::RightButton); // cell (2, 3)
        rig.press(77 * k, 10 * k, Qt::MiddleButton); // 92.5 % across cell (2, 1)
        QVERIFY(rig.state().moveCount == 2 && rig.code(2, 3) != kEmpty && rig.code(2, 1) != kEmpty);
        const int player = rig.game().board().currentPlayer;
        rig.press(60 * k, 100 * k); // an occupied cell: nothing, the turn stays
        QVERIFY(rig.state().moveCount == 2 && rig.game().board().currentPlayer == player);
        QCOMPARE(disagreement(rig), QString());
    }

    // Zoom with window: off at first; turned on from the Game menu it is kept and grows the scene
    // with the window; clicks within 5 % of a cell's edge are ignored at every zoom.
    void zoomWithWindowAndClicksAtTheCellMargins()
    {
        WindowRig first;
        MainWindow& w = first.window();
        const QList<QAction*> items = w.gameMenu()->actions();
        QVERIFY(items.indexOf(w.zoomAction()) == items.indexOf(w.optionsAction()) + 1);
        QVERIFY(w.zoomAction()->isCheckable() && !w.zoomAction()->isChecked());
        QCOMPARE(w.zoomAction()->text(), QStringLiteral("&Zoom with window"));
        const int menuHeight = w.height() - w.booth()->height();
        w.resize(1252, 846 + menuHeight);
        QCOMPARE(w.booth()->zoom(), 1.0); // off: nothing grows
        w.zoomAction()->trigger();
        QVERIFY(settingsHave("[Ansicht]") && settingsHave("Zoom= 1") && w.booth()->zoom() == 2.0);
        first.window().close();

        WindowRig rig; // kept for the next start
        QVERIFY(rig.window().zoomAction()->isChecked() && rig.window().booth()->zoomWithWindow());
        rig.program->settings().computerPlaysRed = kFalse;
        rig.window().start_Click();
        for (double zoom : {1.5, 2.0}) {
            rig.window().resize(int(std::ceil(626 * zoom)), int(std::ceil(423 * zoom)) + menuHeight);
            QCOMPARE(rig.wall().zoom(), zoom);
            QCOMPARE(rig.wall().size(), QSize(int(std::lrint(287 * zoom)), int(std::lrint(287 * zoom))));
            const int moves = rig.state().moveCount;
            const double k = 538.0 / 40.0;
            const int row = zoom == 2.0 ? 4 : 0;    // column 2 of rows 1 to 3, or of 5 to 7
            rig.press(41 * k, (41 + 40 * row) * k); // 2.5 % into cell (2, 2)
            rig.press(79 * k, (10 + 40 * row) * k); // 97.5 % across cell (2, 1)
            QCOMPARE(rig.state().moveCount, moves);
            rig.press(43 * k, (43 + 40 * row) * k); // 7.5 % into cell (2, 2)
            rig.press(77 * k, (10 + 40 * row) * k); // 92.5 % across cell (2, 1)
            QVERIFY(rig.state().moveCount == moves + 2 && rig.code(2, 2 + row) != kEmpty &&
                    rig.code(2, 1 + row) != kEmpty);
            QCOMPARE(disagreement(rig), QString());
        }
        rig.window().resize(626, 423 + menuHeight);
        QVERIFY(rig.wall().zoom() == 1.0 && disagreement(rig).isEmpty());
        rig.window().zoomAction()->trigger();
        QVERIFY(settingsHave("Zoom= 0") && !rig.window().booth()->zoomWithWindow());
    }

    void pictureButtonsRunTheirCommands()
    {
        WindowRig rig;
        BoothView& booth = *rig.window().booth();
        QTest::mouseClick(booth.pictureButton(0), Qt::RightButton); // Start
        const int moves = rig.state().moveCount;
        QTest::mouseClick(booth.pictureButton(2), Qt::LeftButton); // the hint: a free cell, nothing played
        QVERIFY(rig.state().moveCount == moves && rig.code(rig.cursor().x(), rig.cursor().y()) == kEmpty);
        rig.questions.answers = {false, true};
        QTest::mouseClick(booth.pictureButton(1), Qt::LeftButton); // End, No: everything stays
        QVERIFY(rig.window().isVisible() && rig.state().gameRunning && rig.closedCount == 0);
        writeSettings({});
        QTest::mouseClick(booth.pictureButton(1), Qt::LeftButton); // End, Yes: closed, placement saved
        QVERIFY(!rig.window().isVisible() && rig.closedCount == 1 && settingsHave("Left= 1500"));
        QCOMPARE(rig.questions.count("Really end the game?"), 2);
    }

    void closingInTheMiddleOfAMoveEndsCleanly()
    {
        for (bool byEnd : {false, true}) { // by the frame without a question, or by End answered Yes
            writeSettings(kQuietSettings);
            WindowRig rig;
            rig.window().start_Click();
            rig.window().tip_Click(); // the cursor onto a free cell
            int events = 0;
            rig.clock.onEvents = [&] {
                rig.questions.answers = {true};
                if (events++ == 0)
                    byEnd ? rig.window().endAction()->trigger() : void(rig.window().close());
            };
            writeSettings({});
            rig.key(Qt::Key_Return); // the squirt lets events run, and none after the close
            QVERIFY(events == 1 && rig.closedCount == 1 && rig.game().abandoned());
            QVERIFY(int(rig.questions.asked.size()) == byEnd && settingsHave("Left= 1500"));
            const int ops = rig.wall().operationCount(); // later commands and closes do nothing
            rig.window().start_Click();
            rig.window().close();
            QVERIFY(rig.wall().operationCount() == ops && rig.closedCount == 1);
            QVERIFY(rig.questions.errors.empty());
        }
    }

    // Random clicks, keys, menu commands, picture buttons, option changes and resizes, many in
    // the middle of a move.
    void soakOfRandomInputKeepsBoardWallAndLabelInAgreement()
    {
        using namespace Qt;
        WindowRig rig(20265917);
        MainWindow& w = rig.window();
        rig.program->settings().greaseSpots = rig.program->settings().blockedNozzle = kTrue;
        std::mt19937 rng(4711);
        auto chance = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        rig.questions.answerer = [&](auto& q) { return q != "Really end the game?" && chance(2); };
        QTimer options; // the options dialog, whenever it is open: the wall size changed or not, then OK
        connect(&options, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget())) {
                QTest::keyClick(d->plusMinus(), chance(3) ? Key_Space : chance(2) ? Key_Up : Key_Down);
                d->okButton()->click();
            }
        });
        options.start(0);
        const Key keys[] = {Key_Home,  Key_End,  Key_PageUp, Key_PageDown, Key_Left,  Key_Up,
                            Key_Right, Key_Down, Key_Return, Key_Enter,    Key_Space, Key_A};
        const MouseButton buttons[] = {LeftButton, RightButton, MiddleButton};
        QAction* menu[] = {w.startAction(), w.startAction(),   w.tipAction(),   w.tipAction(),
                           w.storyAction(), w.optionsAction(), w.aboutAction(), w.endAction()};
        int depth = 0, midMove = 0, decided = 0;
        auto act = [&] {
            const int pick = chance(100), width = rig.wall().width() + 20, height = rig.wall().height() + 20;
            ++depth;
            if (pick < 40) // anywhere on the wall and a little beyond, at fractions of a pixel
                rig.press((chance(width) - 10 + chance(100) / 100.0) * kTwipsPerPixel,
                          (chance(height) - 10 + chance(100) / 100.0) * kTwipsPerPixel, buttons[chance(3)]);
            else if (pick < 70)
                rig.key(keys[chance(std::size(keys))]);
            else if (pick < 86)
                menu[chance(std::size(menu))]->trigger();
            else if (pick < 92)
                QTest::mouseClick(w.booth()->pictureButton(chance(3)), buttons[chance(2)]);
            else if (pick < 97)
                w.resize(300 + chance(900), 250 + chance(700));
            else
                pick < 98 ? w.showMaximized() : w.showNormal();
            --depth;
        };
        rig.clock.onEvents = [&] { // commands in the middle of a move
            if (depth < 2 && chance(4) == 0)
                ++midMove, act();
        };
        for (int i = 0; i < 5000; ++i) {
            act();
            QVERIFY(!rig.game().busy() && !rig.game().heldCommands() && !QApplication::activeModalWidget());
            QVERIFY(w.isVisible() && rig.questions.errors.empty());
            QCOMPARE(w.storyAction()->isEnabled(), !rig.state().gameRunning);
            QCOMPARE(disagreement(rig), QString());
            decided += rig.state().gameOver != kFalse;
        }
        QVERIFY(midMove > 250 && decided > 250); // many actions in mid-move and after decided games
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
