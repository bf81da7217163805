// The real main window as a player meets it: the first and a later start with the placement kept,
// options changed during a game, the board input at every zoom, closing in mid-move, the wall for screen
// readers, the record, and a seeded soak of random input.
#include "shell/RecordDialog.h"
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

    // A second start: where it was, without story or sound; never narrower than the booth and the
    // buttons; closed maximized, it keeps the stored placement; a placement larger than the screen
    // is made to fit.
    void placementIsKeptFromStartToStart()
    {
        WindowRig rig;
        MainWindow& w = rig.window();
        QVERIFY(!w.isMaximized() && !w.scene().storyVisible() && rig.sound.played.empty());
        WindowPlacement p = w.currentPlacement();
        QCOMPARE(QList<int>({p.windowLeft, p.windowTop, p.windowWidth, p.windowHeight}),
                 QList<int>({1500, 1200, 9600, 6900}));
        writeSettings(QStringLiteral("[Window]\r\nStatus= 7\r\n"));
        w.resize(700, 500);
        QVERIFY(settingsHave("Status= 0"));
        w.resize(300, 500);
        p = w.currentPlacement();
        QVERIFY(p.windowWidth >= 9485 &&
                p.windowHeight == (500 + w.frameGeometry().height() - w.height()) * 15);
        writeSettings(kQuietSettings);
        w.showMaximized();
        w.close();
        QVERIFY(settingsHave("Status= 2") && settingsHave("Width= 9600"));

        writeSettings(QString(kQuietSettings).replace("= 9600", "= 30000").replace("= 6900", "= 30000"));
        WindowRig tooLarge;
        QVERIFY(tooLarge.window().screen()->availableGeometry().contains(tooLarge.window().frameGeometry()));
    }

    // Without a game a changed wall size starts one at once. During a game (No to a new game) the
    // hint command and button follow the hints choice at once; a changed wall size gives the game up
    // only after Yes: on No it goes on with its rules, and the new size comes with the next start.
    void optionsChangedDuringAGame()
    {
        WindowRig rig; // hints on
        MainWindow& w = rig.window();
        OptionsDialog& d = *w.optionsDialog();
        const auto options = [&](const std::function<void()>& act) {
            QTimer::singleShot(0, [&d, act] {
                act();
                QTest::keyClick(&d, Qt::Key_Escape);
            });
            w.optionsAction()->trigger();
        };
        const auto biggerWall = [&d] { QTest::keyClick(d.plusMinus(), Qt::Key_Plus); };
        options(biggerWall);
        QVERIFY(rig.state().gameRunning && rig.game().board().wallSize == 9 && rig.questions.asked.empty());
        rig.questions.answerer = [](const std::string&) { return false; };
        while (rig.state().moveCount == 0)
            rig.game().Feld_Auswahl(rig.state().cursorX, rig.state().cursorY);
        const int splots = rig.state().moveCount;
        for (bool on : {false, true}) {
            options([&d] { d.hintsBox()->click(); });
            QVERIFY(w.tipAction()->isEnabled() == on && w.booth()->hintButtonVisible() == on);
        }
        const int asked = rig.questions.count("Really start a new game?");
        options(biggerWall);
        QCOMPARE(rig.questions.count("Really start a new game?"), asked + 1);
        QCOMPARE(rig.questions.asked.back().title, std::string("Start"));
        QVERIFY(rig.state().gameRunning && rig.state().moveCount == splots &&
                rig.game().board().wallSize == 9);
        QVERIFY(rig.program->settings().wallSize == 9 && settingsHave("Feld= 10"));
        rig.questions.answers = {true};
        w.startAction()->trigger();
        QCOMPARE(rig.game().board().wallSize, 10);
        QCOMPARE(d.sizeDisplay()->text(), QStringLiteral(" 10 x 10"));
    }

    // The cursor stops at the edges. Zoom with window: off at first; turned on from the Game menu it
    // is kept and grows the scene with the window; at every zoom a click within 5 % of a cell's edge
    // is ignored, any button elsewhere in a free cell plays it, a click on a splot does nothing.
    void boardInputByKeysAndClicksAtEveryZoom()
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
        w.close();

        WindowRig rig; // kept for the next start
        QVERIFY(rig.window().zoomAction()->isChecked() && rig.window().booth()->zoomWithWindow());
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
        for (auto [zoom, row] : {std::pair{1.0, 0}, {1.5, 3}, {2.0, 5}}) { // column 2, rows row + 1 and + 2
            rig.window().resize(int(std::ceil(626 * zoom)), int(std::ceil(423 * zoom)) + menuHeight);
            QCOMPARE(rig.wall().zoom(), zoom);
            QCOMPARE(rig.wall().size(), QSize(int(std::lrint(287 * zoom)), int(std::lrint(287 * zoom))));
            const int moves = rig.state().moveCount;
            rig.press(41 * k, (41 + 40 * row) * k); // 2.5 % into cell (2, row + 2)
            rig.press(79 * k, (10 + 40 * row) * k); // 97.5 % across cell (2, row + 1)
            QCOMPARE(rig.state().moveCount, moves);
            rig.press(43 * k, (43 + 40 * row) * k, Qt::RightButton);  // 7.5 % into cell (2, row + 2)
            rig.press(77 * k, (10 + 40 * row) * k, Qt::MiddleButton); // 92.5 % across cell (2, row + 1)
            QVERIFY(rig.state().moveCount == moves + 2 && rig.code(2, 2 + row) != kEmpty &&
                    rig.code(2, 1 + row) != kEmpty);
            const int player = rig.game().board().currentPlayer;
            rig.press(60 * k, (60 + 40 * row) * k); // on the splot: nothing, the turn stays
            QVERIFY(rig.state().moveCount == moves + 2 && rig.game().board().currentPlayer == player);
            QCOMPARE(disagreement(rig), QString());
        }
        rig.window().zoomAction()->trigger();
        QVERIFY(settingsHave("Zoom= 0") && !rig.window().booth()->zoomWithWindow());
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
            QVERIFY(rig.wall().operationCount() == ops && rig.closedCount == 1 &&
                    rig.questions.errors.empty());
        }
    }

    // For screen readers the wall is a table of N x N named cells, made anew when its size changes;
    // while it has the keyboard focus the focus follows the cursor: Home, Right, Down, a move with
    // Enter (the computer's reply is told), a refused one on the computer's splot, and Up.
    void theWallIsATableForScreenReaders()
    {
        WindowRig rig; // 8 x 8 against the computer
        QVERIFY(rig.activate());
        rig.window().start_Click();
        QTRY_VERIFY(rig.wall().hasFocus());
        QCoreApplication::processEvents(); // the cell told after the wall's own focus event
        QAccessibleInterface* wall = QAccessible::queryAccessibleInterface(&rig.wall());
        QAccessibleTableInterface* table = wall->tableInterface();
        QVERIFY(table && wall->role() == QAccessible::Table && wall->childCount() == 64);
        QCOMPARE(std::pair(table->rowCount(), table->columnCount()), std::pair(8, 8));
        QCOMPARE(wall->text(QAccessible::Name), QStringLiteral("Wall, 8 by 8"));
        QAccessibleInterface* c3 = table->cellAt(2, 2);
        QCOMPARE(c3->text(QAccessible::Name), QStringLiteral("C3, empty"));
        QVERIFY(c3->tableCellInterface()->rowIndex() == 2 && wall->indexOfChild(c3) == 18);
        QVERIFY(wall->child(18) == c3 && c3->parent() == wall);

        QSignalSpy told(&rig.wall(), &WallView::cellTold);
        for (const Qt::Key k :
             {Qt::Key_Home, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Return, Qt::Key_Up})
            rig.type(k);
        QList<int> cells;
        for (const QList<QVariant>& signal : told)
            cells << signal.at(0).toInt();
        const GameState& s = rig.state();
        const int reply = (s.lastRow[kRed] - 1) * 8 + s.lastColumn[kRed] - 1;
        QCOMPARE(cells, QList<int>({0, 1, 9, reply, reply, reply >= 8 ? reply - 8 : reply}));

        rig.program->settings().wallSize = 6;
        rig.game().restartWithoutAsking();
        QCOMPARE(std::pair(table->rowCount(), wall->childCount()), std::pair(6, 36));
        QCOMPARE(wall->text(QAccessible::Name), QStringLiteral("Wall, 6 by 6"));
        QVERIFY(table->cellAt(6, 0) == nullptr);
        QCOMPARE(table->cellAt(5, 5)->text(QAccessible::Name), QStringLiteral("F6, empty"));
        QCOMPARE(wall->child(18)->text(QAccessible::Name), QStringLiteral("A4, empty"));
    }

    // The record counts a decided game once (not again after a take back and the same cells), is
    // read back after a restart, and its dialog's Reset asks first: No keeps the counts, Yes zeroes them.
    void theRecordCountsSurvivesARestartAndResets()
    {
        const QString kept = kQuietSettings + "\n[Statistik]\nVerloren1= 4\nGewonnen1=-2\n";
        writeSettings(kept);
        GameRecord expected;
        expected.lost[1] = 4;
        {
            WindowRig rig(13);
            QVERIFY(rig.window().record() == expected);
            rig.window().startAction()->trigger();
            StdRandom pick(5); // random cells until the game is decided
            for (int tries = 0; rig.state().gameRunning && tries < 5000; ++tries)
                rig.game().Feld_Auswahl(1 + int(pick.Rnd() * 8), 1 + int(pick.Rnd() * 8));
            const std::string said = rig.window().scene().comment();
            (said.starts_with("Computer won!") ? expected.lost[1]
             : said.starts_with("You won!")    ? expected.won[1]
                                               : expected.drawn[1])++;
            QVERIFY(rig.window().record() == expected);
            rig.window().zurueck_Click();
            QVERIFY(rig.state().gameRunning && rig.window().record().lost[1] == 4);
            rig.window().close();
        }
        QVERIFY(settingsText().startsWith(kept.toUtf8()));
        WindowRig restarted(14);
        expected = GameRecord{};
        expected.lost[1] = 4;
        QVERIFY(restarted.window().record() == expected); // the taken-back game did not count
        restarted.questions.answers = {false, true};
        QString shown;
        QTimer::singleShot(0, [&] {
            RecordDialog* d = restarted.window().recordDialog();
            shown = d->countLabel(1, 1)->text();
            for (int k = 0; k < 2; ++k) {
                d->resetButton()->click();
                shown += "," + d->countLabel(1, 1)->text();
            }
            d->okButton()->click();
        });
        restarted.window().recordAction()->trigger();
        QCOMPARE(shown, QStringLiteral("4,4,0"));
        QCOMPARE(restarted.questions.count("Really reset the record?"), 2);
        QVERIFY(restarted.window().record() == GameRecord{} && settingsHave("Verloren1= 0"));
    }

    // Random clicks, keys, menu commands, picture buttons, option changes and resizes, many in
    // the middle of a move: the board, the wall and the label always agree.
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
