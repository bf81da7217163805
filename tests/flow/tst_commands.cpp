// Commands arriving in the middle of a move, closing the window mid-move, the
// failure report, and the human's keys, clicks and hints on the wall.
#include "FlowTestSupport.h"

#include <stdexcept>

using namespace splot;
using namespace splot::doubles;
using namespace splot::flowtest;

class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void newGameDuringAMoveWaitsUntilTheMoveIsOver()
    {
        ScriptedRandom rng({0.9f});  // Blue begins
        GameRig rig(rng, quietHumans());
        rig.game.Start_click();
        rig.game.Feld_Auswahl(4, 4);  // Blue
        rig.questions.defaultAnswer = true;
        rng.push(0.9f);

        std::size_t heldDuringMove = 0;
        i16 moveCountDuringMove = -1;
        rig.clock.onEvents = [&] {
            rig.clock.onEvents = nullptr;
            rig.game.Start_click();  // the menu command, while Red's squirt is on screen
            heldDuringMove = rig.game.heldCommands();
            moveCountDuringMove = rig.game.state().moveCount;
        };
        rig.game.Feld_Auswahl(5, 5);  // Red

        QCOMPARE(heldDuringMove, std::size_t(1));
        QCOMPARE(moveCountDuringMove, i16(1));
        // Red's move ran to its end (splot, hand-over) before the question of the new game.
        const int question = rig.journal.find("question Really start a new game?");
        QVERIFY(question > 0);
        QVERIFY(rig.journal.findLast("wall.Zeichne_Klecks 5,5 code 0") < question);
        QVERIFY(rig.journal.find("comment Pelko's turn") < question);
        QCOMPARE(rig.journal.find("wall.Zeichne_Raster", question) > question, true);
        // The new game is there.
        QCOMPARE(rig.game.heldCommands(), std::size_t(0));
        QCOMPARE(rig.game.state().moveCount, i16(0));
        QVERIFY(rig.wall.splots.empty());
        QVERIFY(cellEmpty(rig.game, 5, 5));
        QCOMPARE(rig.scene.commentText, std::string("Pelko begins"));
    }

    void newGameDuringTheComputersReplyWaitsForTheReply()
    {
        SeededRandom rng(5);
        GameSettings s = quietHumans();
        s.computerPlaysRed = kTrue;
        GameRig rig(rng, s);
        rig.game.Start_click();
        rig.questions.defaultAnswer = true;
        if (sideToMove(rig.game) != 1)
            QFAIL("Blue should be to move");

        // The command comes with "Computer's turn" on screen.
        rig.clock.onEvents = [&] {
            if (rig.scene.commentText == "Computer's turn") {
                rig.clock.onEvents = nullptr;
                rig.game.Start_click();
            }
        };
        const int before = rig.journal.size();
        const auto [c, r] = RandomPlayer(1).choose(rig.game);
        rig.game.Feld_Auswahl(c, r);

        const int question = rig.journal.find("question Really start a new game?", before);
        QVERIFY(question > before);
        // Both splots of the move (Blue's and the computer's reply) came before it.
        QCOMPARE(rig.journal.count("wall.Zeichne_Klecks", before, question), 2);
        QCOMPARE(rig.journal.count("wall.Zeichne_Klecks", question), rig.game.state().moveCount);
        QVERIFY(rig.game.state().gameRunning);
        QVERIFY(rig.scene.wallInput);
    }

    void heldCommandsRunInOrder()
    {
        ScriptedRandom rng({0.9f});
        GameRig rig(rng, quietHumans());
        rig.game.Start_click();
        std::vector<std::string> ran;
        rig.clock.onEvents = [&] {
            rig.clock.onEvents = nullptr;
            rig.game.command("first", [&] { ran.push_back("first"); });
            rig.game.command("second", [&] { ran.push_back("second"); });
            QVERIFY(ran.empty());
        };
        rig.game.Feld_Auswahl(1, 1);
        QCOMPARE(ran, (std::vector<std::string>{"first", "second"}));
        // Without work in progress a command runs at once.
        rig.game.command("third", [&] { ran.push_back("third"); });
        QCOMPARE(ran.size(), std::size_t(3));
    }

    void closingTheWindowMidMoveDrawsNothingMore()
    {
        ScriptedRandom rng({0.9f});
        GameSettings s = quietHumans();
        s.computerPlaysRed = kTrue;
        s.soundOn = 1;
        GameRig rig(rng, s);
        rig.game.Start_click();
        int wallCalls = 0, entries = 0;
        rig.clock.onEvents = [&] {
            rig.clock.onEvents = nullptr;
            rig.game.abandon();
            wallCalls = static_cast<int>(rig.wall.calls.size());
            entries = rig.journal.size();
        };
        rig.game.Feld_Auswahl(4, 4);
        QVERIFY(rig.game.abandoned());
        QCOMPARE(static_cast<int>(rig.wall.calls.size()), wallCalls);
        QCOMPARE(rig.journal.size(), entries);  // no picture, sound, wait or question after it
        QVERIFY(rig.questions.errors.empty());

        // Nothing runs any more.
        rig.game.Start_click();
        rig.game.Tip_click();
        QVERIFY(!rig.game.Ende_click());
        QCOMPARE(rig.journal.size(), entries);
    }

    void failureReportRetryRunsTheHandlerAgain()
    {
        ScriptedRandom rng({0.9f, 0.9f});
        GameRig rig(rng, quietHumans());
        int failures = 1;
        rig.wall.onCall = [&](const std::string& call) {
            if (call == "Zeichne_Raster" && failures > 0) {
                --failures;
                throw std::runtime_error("The wall is out of paint");
            }
        };
        rig.questions.errorAnswers = {Questions::ErrorChoice::Retry};
        rig.game.Start_click();

        QCOMPARE(rig.questions.errors.size(), std::size_t(1));
        QCOMPARE(rig.questions.errors[0].title, std::string("Splotchery Error"));
        QCOMPARE(rig.questions.errors[0].text,
                 std::string("Error 1: \nThe wall is out of paint\n\t\toccurred at line 0\nin Splotchery: Start_click"));
        QVERIFY(rig.game.state().gameRunning);
        QVERIFY(rig.scene.wallInput);
        QCOMPARE(rig.scene.commentText, std::string("Pelko begins"));
    }

    void failureReportAbortLeavesTheHandler()
    {
        ScriptedRandom rng({0.9f, 0.9f});
        GameRig rig(rng, quietHumans());
        rig.game.Start_click();
        rig.wall.onCall = [&](const std::string& call) {
            if (call.rfind("Zeichne_Klecks", 0) == 0)
                throw std::out_of_range("splot beside the wall");
        };
        rig.questions.errorAnswers = {Questions::ErrorChoice::Abort};
        rig.game.Feld_Auswahl(2, 2);
        QCOMPARE(rig.questions.errors.size(), std::size_t(1));
        QCOMPARE(rig.questions.errors[0].text,
                 std::string("Error 9: \nsplot beside the wall\n\t\toccurred at line 0\nin Splotchery: Feld_Auswahl"));
        // The game goes on: the wall takes input again and nothing else is held.
        QVERIFY(rig.scene.wallInput);
        QVERIFY(!rig.game.busy());
        rig.wall.onCall = nullptr;
        rig.game.Feld_Auswahl(3, 3);
        QCOMPARE(rig.wall.splotsAt(3, 3), 1);

        // A failure before the first game: Ignore leaves it, and the next start works.
        ScriptedRandom rng2({0.9f, 0.9f});
        GameRig rig2(rng2, quietHumans(4));  // no wall this small
        rig2.questions.errorAnswers = {Questions::ErrorChoice::Ignore};
        rig2.game.Start_click();
        QCOMPARE(rig2.questions.errors.size(), std::size_t(1));
        QVERIFY(startsWith(rig2.questions.errors[0].text, "Error 5: \n"));
        QVERIFY(!rig2.game.state().gameRunning);
        QCOMPARE(rig2.scene.pointer, Scene::Pointer::Normal);
        rig2.settings.wallSize = 8;
        rig2.game.Start_click();
        QVERIFY(rig2.game.state().gameRunning);
    }

    void aStartThatFailsHalfWayLeavesNoGameRunning()
    {
        ScriptedRandom rng({0.9f});
        GameRig rig(rng, quietHumans());
        rig.game.Start_click();
        rig.game.Feld_Auswahl(2, 2);
        rig.questions.defaultAnswer = true;
        rig.wall.onCall = [&](const std::string& call) {
            if (call.rfind("Zeichne_Cursor 15", 0) == 0)  // inside the new-game setup
                throw std::runtime_error("no cursor");
        };
        rig.game.Start_click();
        QCOMPARE(rig.questions.errors.size(), std::size_t(1));
        QVERIFY(startsWith(rig.questions.errors[0].text, "Error 1: \nno cursor\n"));
        QVERIFY(!rig.game.state().gameRunning);
        QVERIFY(!rig.scene.wallInput);
        rig.wall.onCall = nullptr;
        rig.game.Feld_Auswahl(3, 3);
        QVERIFY(rig.wall.splots.empty());
    }

    void keysMoveTheCursorAndStopAtTheEdges()
    {
        ScriptedRandom rng({0.9f});
        GameRig rig(rng, quietHumans());
        rig.game.Start_click();
        auto at = [&] { return std::make_pair(int(rig.game.state().cursorX), int(rig.game.state().cursorY)); };
        QCOMPARE(at(), std::make_pair(5, 5));
        rig.game.Bild_KeyDown(36);  // Home
        rig.game.Bild_KeyDown(40);
        rig.game.Bild_KeyDown(40);  // (1, 3)
        QCOMPARE(at(), std::make_pair(1, 3));
        rig.game.Bild_KeyDown(37);
        QCOMPARE(at(), std::make_pair(1, 3));
        rig.game.Bild_KeyDown(39);
        QCOMPARE(at(), std::make_pair(2, 3));
        rig.game.Bild_KeyDown(35);
        QCOMPARE(at(), std::make_pair(8, 8));
        rig.game.Bild_KeyDown(40);
        rig.game.Bild_KeyDown(39);
        QCOMPARE(at(), std::make_pair(8, 8));
        rig.game.Bild_KeyDown(33);
        QCOMPARE(at(), std::make_pair(8, 1));
        rig.game.Bild_KeyDown(38);
        QCOMPARE(at(), std::make_pair(8, 1));
        rig.game.Bild_KeyDown(34);
        QCOMPARE(at(), std::make_pair(8, 8));
        rig.game.Bild_KeyDown(36);
        QCOMPARE(at(), std::make_pair(1, 1));
        rig.game.Bild_KeyDown(65);  // any other key
        QCOMPARE(at(), std::make_pair(1, 1));
        QVERIFY(rig.wall.cursorShown);
        QCOMPARE(rig.wall.cursorColumn, 1);
        QVERIFY(rig.wall.splots.empty());

        // Enter plays the cursor cell; Space as well.
        rig.game.Bild_KeyDown(13);
        QCOMPARE(rig.wall.splotsAt(1, 1), 1);
        QCOMPARE(sideToMove(rig.game), 0);
        rig.game.Bild_KeyDown(39);
        rig.game.Bild_KeyDown(32);
        QCOMPARE(rig.wall.splotsAt(2, 1), 1);
        // Enter on a splot: nothing but the cursor again, and the turn stays.
        const auto calls = rig.wall.calls.size();
        rig.game.Bild_KeyDown(13);
        QCOMPARE(sideToMove(rig.game), 1);
        QCOMPARE(rig.wall.calls.size(), calls + 2);  // erased and drawn
        QVERIFY(rig.wall.cursorShown);

        // A disabled wall takes no keys.
        rig.scene.wallInput = false;
        rig.game.Bild_KeyDown(37);
        QCOMPARE(at(), std::make_pair(2, 1));
    }

    void clicksNearACellsEdgeAreIgnored()
    {
        ScriptedRandom rng({0.9f});
        GameRig rig(rng, quietHumans());
        rig.wall.fixCellSize(40);
        rig.game.Start_click();
        QCOMPARE(rig.wall.cellSize(), 40);

        rig.game.Bild_MouseDown(41, 41);  // 2.5 % inside cell (2, 2)
        QVERIFY(rig.wall.splots.empty());
        rig.game.Bild_MouseDown(79, 10);  // 97.5 %
        QVERIFY(rig.wall.splots.empty());
        rig.game.Bild_MouseDown(-20, 20);  // beside the wall
        rig.game.Bild_MouseDown(340, 20);  // column 9 of 8
        QVERIFY(rig.wall.splots.empty());
        QCOMPARE(sideToMove(rig.game), 1);

        rig.game.Bild_MouseDown(60, 100);  // cell (2, 3)
        QCOMPARE(rig.wall.splotsAt(2, 3), 1);
        QCOMPARE(rig.game.state().moveColumn, i16(2));
        QCOMPARE(rig.game.state().moveRow, i16(3));
        rig.game.Bild_MouseDown(77, 10);  // 92.5 % of cell (2, 1)
        QCOMPARE(rig.wall.splotsAt(2, 1), 1);
        QCOMPARE(rig.wall.splots.back().code, 0);
        QCOMPARE(int(rig.game.state().cursorX), 2);
        QCOMPARE(int(rig.game.state().cursorY), 1);
        // A click on a splot keeps the turn.
        rig.game.Bild_MouseDown(60, 100);
        QCOMPARE(sideToMove(rig.game), 1);
        QCOMPARE(rig.wall.splots.size(), std::size_t(2));
    }

    void wallInputBeforeTheFirstGameDoesNothing()
    {
        ScriptedRandom rng;
        GameRig rig(rng, quietHumans());
        rig.game.Bild_KeyDown(13);
        rig.game.Bild_MouseDown(300, 300);
        rig.game.Tip_click();
        rig.game.Feld_Auswahl(1, 1);
        QVERIFY(rig.wall.calls.empty());
        QVERIFY(rig.journal.entries.empty());
    }

    void hintShowsTheBestCellAndChangesNothingElse()
    {
        ScriptedRandom rng({0.9f});  // Blue begins
        GameRig rig(rng, quietHumans());
        rig.game.Start_click();
        // Blue has four in row 8 with (5, 8) open; Red has scattered splots.
        const int blue[][2] = {{1, 8}, {2, 8}, {3, 8}, {4, 8}};
        const int red[][2] = {{1, 1}, {3, 3}, {6, 1}, {8, 4}};
        for (int i = 0; i < 4; ++i) {
            rig.game.Feld_Auswahl(blue[i][0], blue[i][1]);
            rig.game.Feld_Auswahl(red[i][0], red[i][1]);
        }
        rig.game.search().gameLevel = 0;
        const std::string comment = rig.scene.commentText;
        const i16 moves = rig.game.state().moveCount;
        const auto splots = rig.wall.splots.size();

        rig.game.Tip_click();
        QCOMPARE(int(rig.game.state().cursorX), 5);
        QCOMPARE(int(rig.game.state().cursorY), 8);
        QVERIFY(rig.wall.cursorShown);
        QCOMPARE(rig.wall.cursorColumn, 5);
        QCOMPARE(rig.wall.cursorRow, 8);
        QCOMPARE(rig.scene.commentText, comment);
        QCOMPARE(rig.game.state().moveCount, moves);
        QCOMPARE(rig.wall.splots.size(), splots);
        QCOMPARE(sideToMove(rig.game), 1);
        QVERIFY(!rig.game.search().hintMode);
        QCOMPARE(rig.game.search().gameLevel, i16(0));

        // The human plays it with Enter and wins.
        rig.game.Bild_KeyDown(13);
        QCOMPARE(rig.scene.commentText, std::string("Pelko won!"));
        // After the game a hint does nothing.
        const int entries = rig.journal.size();
        rig.game.Tip_click();
        QCOMPARE(rig.journal.size(), entries);
    }

    void drawAcceptedDuringAHintEndsTheGame()
    {
        // Two humans fill a 6 x 6 wall with the pattern that has no five; hints
        // past half the wall find no potential left and offer the draw.
        ScriptedRandom rng({0.1f});  // Red begins
        GameRig rig(rng, quietHumans(6));
        rig.game.Start_click();
        rig.questions.answerer = [](const std::string& text) { return text == "What do you think about a draw?"; };
        std::vector<std::pair<int, int>> red, blue;
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 6; ++c)
                ((c + 2 * r) % 4 < 2 ? red : blue).emplace_back(c, r);
        for (std::size_t i = 0; i < 18 && rig.game.state().gameRunning; ++i) {
            rig.game.Feld_Auswahl(red[i].first, red[i].second);
            rig.game.Tip_click();
            if (rig.game.state().gameRunning)
                rig.game.Feld_Auswahl(blue[i].first, blue[i].second);
        }
        QCOMPARE(rig.questions.count("What do you think about a draw?"), 1);
        QCOMPARE(rig.scene.commentText, std::string("The game ends in a draw!"));
        QVERIFY(rig.game.state().gameOver);
        QVERIFY(!rig.game.state().gameRunning);
        QVERIFY(rig.game.state().moveCount < 36);
        QCOMPARE(rig.scene.frames[0], 5);
        QCOMPARE(rig.scene.frames[1], 14);
        QVERIFY(!rig.scene.wallInput);
        QVERIFY(rig.scene.menuEnabled[Scene::MenuItem::Story]);
        QVERIFY(!rig.game.search().hintMode);
        QCOMPARE(rig.game.search().gameLevel, rig.settings.level);
        // The cursor did not move to a hinted cell after the accepted draw.
        QCOMPARE(rig.journal.findLast("wall.Zeichne_Cursor") < rig.journal.findLast("question "), true);
    }

    void endAsksFirst()
    {
        ScriptedRandom rng;
        GameRig rig(rng, quietHumans());
        rig.questions.answers = {false, true};
        QVERIFY(!rig.game.Ende_click());
        QVERIFY(rig.game.Ende_click());
        QCOMPARE(rig.questions.asked.size(), std::size_t(2));
        QCOMPARE(rig.questions.asked[0].text, std::string("Really end the game?"));
        QCOMPARE(rig.questions.asked[0].title, std::string("End program"));
    }

    void fracAndTheReportText()
    {
        QCOMPARE(Frac(2.25), 0.25);
        QCOMPARE(Frac(-0.25), 0.75);
        QCOMPARE(Frac(3.0), 0.0);
        QCOMPARE(failureReportText(6, "Overflow", 12, "Feld_Suche"),
                 std::string("Error 6: \nOverflow\n\t\toccurred at line 12\nin Splotchery: Feld_Suche"));
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
