// Starting a game: the first start with its introduction, later starts, the
// question while a game runs, who begins, the new-game setup and the turns.
#include "FlowTestSupport.h"

#include <cmath>

using namespace splot;
using namespace splot::doubles;
using namespace splot::flowtest;

class TestStart : public QObject {
    Q_OBJECT

private slots:
    void firstStartShowsFramesThenIntroductionThenNewGame()
    {
        ScriptedRandom rng({0.9f});  // Blue begins
        GameRig rig(rng, quietHumans());
        const TwipRect red0 = rig.scene.characters[0], blue0 = rig.scene.characters[1];

        rig.game.Start_click();

        QVERIFY(rig.questions.asked.empty());  // nothing to ask before the first game
        const Journal& j = rig.journal;
        const int f1 = j.find("frame 0 1"), f10 = j.find("frame 1 10");
        const int intro = j.find("move 0 -130 -60");
        const int setup = j.find("pointer hourglass");
        const int newGame = j.find("frame 1 12", setup);
        QVERIFY(f1 >= 0 && f10 > f1);
        QVERIFY(j.find("clock.events", f10) < intro);
        QVERIFY(intro > f10);
        QVERIFY(setup > intro);
        QVERIFY(newGame > setup);
        QVERIFY(j.find("wall shown") < intro);

        // The painters stepped forward once: Red 130 left, Blue 140 right, both 60 up.
        QCOMPARE(rig.scene.characters[0].left, red0.left - 130);
        QCOMPARE(rig.scene.characters[0].top, red0.top - 60);
        QCOMPARE(rig.scene.characters[1].left, blue0.left + 140);
        QCOMPARE(rig.scene.characters[1].top, blue0.top - 60);

        // Blue begins: frame 13, pump picture 0, the Blue name.
        QCOMPARE(rig.scene.frames[1], 13);
        QVERIFY(rig.scene.pumpsShown[0]);
        QVERIFY(!rig.scene.pumpsShown[1]);
        QCOMPARE(rig.scene.commentText, std::string("Pelko begins"));
        QCOMPARE(sideToMove(rig.game), 1);
        QVERIFY(rig.scene.wallShown);
        QVERIFY(rig.scene.wallInput);
        QCOMPARE(rig.scene.focusCount, 1);
        QVERIFY(rig.game.state().gameRunning);
        QVERIFY(!rig.scene.menuEnabled[Scene::MenuItem::Story]);
        // Without sound: introduction 0.9 s and the new game 1.2 s.
        QCOMPARE(rig.clock.waited, 0.9 + 1.2);

        // A later start (after a decided game, so no question) skips frames 1
        // and 10 and the introduction.
        rig.game.state().gameRunning = false;
        rig.game.state().gameOver = kTrue;
        rng.push(0.9f);
        const int before = j.size();
        rig.game.Start_click();
        QVERIFY(rig.questions.asked.empty());
        QCOMPARE(j.find("frame 0 1", before), -1);
        QCOMPARE(j.find("frame 1 10", before), -1);
        QCOMPARE(j.find("move ", before), -1);
        QVERIFY(j.find("frame 1 12", before) > before);
        QCOMPARE(rig.scene.characters[0].left, red0.left - 130);
    }

    void startAsksWhileAGameRunsAndNoLeavesEverything()
    {
        ScriptedRandom rng({0.9f});
        GameRig rig(rng, quietHumans());
        rig.game.Start_click();
        rig.game.Feld_Auswahl(3, 3);
        rig.game.Feld_Auswahl(4, 4);
        rig.game.Feld_Auswahl(6, 2);

        const auto cells = std::vector<i16>([&] {
            std::vector<i16> v;
            for (int i = 0; i <= rig.game.board().lastCell; ++i)
                v.push_back(rig.game.board().cells(i));
            return v;
        }());
        const std::string comment = rig.scene.commentText;
        const GameState state = rig.game.state();
        const int player = sideToMove(rig.game);
        const auto wallCalls = rig.wall.calls.size();
        const int frames0 = rig.scene.frames[0], frames1 = rig.scene.frames[1];

        rig.questions.answers = {false};
        rig.game.Start_click();

        QCOMPARE(rig.questions.asked.size(), std::size_t(1));
        QCOMPARE(rig.questions.asked[0].text, std::string("Really start a new game?"));
        QCOMPARE(rig.questions.asked[0].title, std::string("Start"));
        QCOMPARE(rig.scene.commentText, comment);
        QCOMPARE(rig.wall.calls.size(), wallCalls);  // nothing drawn
        QCOMPARE(rig.wall.splots.size(), std::size_t(3));
        QCOMPARE(rig.game.state().cursorX, state.cursorX);
        QCOMPARE(rig.game.state().cursorY, state.cursorY);
        QCOMPARE(rig.game.state().moveCount, state.moveCount);
        QCOMPARE(sideToMove(rig.game), player);
        QCOMPARE(rig.scene.frames[0], frames0);
        QCOMPARE(rig.scene.frames[1], frames1);
        QVERIFY(rig.scene.wallInput);
        for (int i = 0; i <= rig.game.board().lastCell; ++i)
            QCOMPARE(rig.game.board().cells(i), cells[static_cast<std::size_t>(i)]);

        // Yes starts a new game on a clean wall.
        rig.questions.answers = {true};
        rng.push(0.9f);
        rig.game.Start_click();
        QCOMPARE(rig.game.state().moveCount, i16(0));
        QVERIFY(rig.wall.splots.empty());
        QVERIFY(cellEmpty(rig.game, 3, 3));
    }

    void redBeginsExactlyWhenTheDrawIsAtMostAQuarter()
    {
        struct Case {
            float r;
            bool red;
        };
        const Case cases[] = {{0.0f, true},  {0.2f, true},  {0.25f, true}, {std::nextafter(0.25f, 1.0f), false},
                              {0.5f, false}, {0.75f, false}, {0.99f, false}};
        for (const Case& c : cases) {
            ScriptedRandom rng({c.r});
            GameRig rig(rng, quietHumans());
            rig.game.Start_click();
            QCOMPARE(rig.game.state().redBegins != kFalse, c.red);
            QCOMPARE(sideToMove(rig.game), c.red ? 0 : 1);
            QCOMPARE(rig.scene.commentText, std::string(c.red ? "Tulla begins" : "Pelko begins"));
            QCOMPARE(rig.scene.frames[c.red ? 0 : 1], c.red ? 4 : 13);
            QCOMPARE(rig.scene.pumpsShown[1], c.red);
            QCOMPARE(rig.scene.pumpsShown[0], !c.red);
        }
    }

    void redBeginsInAboutOneGameInFour()
    {
        SeededRandom rng(20261206);
        GameRig rig(rng, quietHumans());
        rig.questions.defaultAnswer = true;
        int red = 0;
        const int games = 1000;
        for (int i = 0; i < games; ++i) {
            rig.game.Start_click();
            red += rig.game.state().redBegins != kFalse;
        }
        QCOMPARE(rng.randomizes, games);  // re-seeded at every start
        QVERIFY2(red > 210 && red < 290, std::to_string(red).c_str());
    }

    void computerBeginningMovesBeforeTheHumanCanAct()
    {
        ScriptedRandom rng({0.1f}, 5);  // Red begins
        GameSettings s = quietHumans();
        s.computerPlaysRed = kTrue;
        GameRig rig(rng, s);
        rig.game.Start_click();

        QVERIFY(std::find(rig.scene.comments.begin(), rig.scene.comments.end(), "Computer begins")
                != rig.scene.comments.end());
        QCOMPARE(rig.wall.splots.size(), std::size_t(1));
        QCOMPARE(rig.wall.splots[0].code, 0);
        QCOMPARE(rig.scene.commentText, std::string("Pelko's turn"));
        QCOMPARE(sideToMove(rig.game), 1);
        QCOMPARE(rig.game.state().moveCount, i16(1));
        QVERIFY(rig.scene.wallInput);
        QVERIFY(rig.game.state().gameRunning);
        // The cursor stands on the computer's cell.
        QCOMPARE(rig.wall.splots[0].column, int(rig.game.state().cursorX));
        QCOMPARE(rig.wall.splots[0].row, int(rig.game.state().cursorY));
    }

    void humansTakeTurnsWithTheirNames()
    {
        ScriptedRandom rng({0.1f});  // Red begins
        GameSettings s = quietHumans();
        s.redName = "Anna";
        s.blueName = "Ben";
        GameRig rig(rng, s);
        rig.game.Start_click();
        QCOMPARE(rig.scene.commentText, std::string("Anna begins"));

        rig.game.Feld_Auswahl(2, 2);
        QCOMPARE(rig.scene.commentText, std::string("Ben's turn"));
        QCOMPARE(sideToMove(rig.game), 1);
        QCOMPARE(rig.scene.frames[1], 13);
        QCOMPARE(rig.scene.frames[0], 8);  // after Red's squirt

        rig.game.Feld_Auswahl(3, 2);
        QCOMPARE(rig.scene.commentText, std::string("Anna's turn"));
        QCOMPARE(sideToMove(rig.game), 0);
        QCOMPARE(rig.scene.frames[0], 4);
        QCOMPARE(rig.scene.frames[1], 17);

        // Squirting at a splot plays nothing and keeps the turn.
        rig.game.Feld_Auswahl(3, 2);
        QCOMPARE(sideToMove(rig.game), 0);
        QCOMPARE(rig.game.state().moveCount, i16(2));
        QCOMPARE(rig.wall.splots.size(), std::size_t(2));
        QVERIFY(rig.scene.wallInput);
    }

    void newGameSetupPutsCursorPuddlesAndMenus()
    {
        ScriptedRandom rng({0.9f});
        GameSettings s = quietHumans(9);
        s.hintsOn = 1;
        s.level = 2;
        GameRig rig(rng, s);
        rig.scene.puddles[0] = {1, 2, 300, 90};
        rig.scene.puddles[1] = {5, 6, 400, 120};
        rig.game.Start_click();

        QCOMPARE(rig.game.state().cursorX, i16(5));
        QCOMPARE(rig.game.state().cursorY, i16(5));
        QVERIFY(rig.wall.cursorShown);
        QCOMPARE(rig.wall.cursorColumn, 5);
        const TwipRect pump = rig.scene.pumps[0];
        QCOMPARE(rig.scene.puddles[0], (TwipRect{pump.left + 120, pump.top + pump.height - 10, 0, 0}));
        QCOMPARE(rig.scene.puddles[1], (TwipRect{pump.left + pump.width - 120, pump.top + pump.height - 10, 0, 0}));
        QVERIFY(rig.scene.menuEnabled[Scene::MenuItem::Tip]);
        QCOMPARE(rig.game.search().gameLevel, i16(2));
        QCOMPARE(rig.scene.pointer, Scene::Pointer::Normal);
        QCOMPARE(rig.scene.pointerHistory.front(), Scene::Pointer::Hourglass);
        QCOMPARE(rig.game.board().wallSize, i16(9));

        // Hints are offered only when the setting is exactly 1; the level is taken per game.
        rig.settings.hintsOn = -1;
        rig.settings.level = 0;
        rig.questions.defaultAnswer = true;
        rng.push(0.9f);
        rig.game.Start_click();
        QVERIFY(!rig.scene.menuEnabled[Scene::MenuItem::Tip]);
        QCOMPARE(rig.game.search().gameLevel, i16(0));
    }

    void greaseSpotsGoOnTheWallAfterTheGrid()
    {
        SeededRandom rng(11);
        GameSettings s = quietHumans(10);
        s.greaseSpots = kTrue;
        GameRig rig(rng, s);
        rig.game.Start_click();
        const Board& b = rig.game.board();
        int spots = 0;
        for (int c = 1; c <= 10; ++c)
            for (int r = 1; r <= 10; ++r)
                spots += b.cells(b.index(c, r)) == kGrease;
        QVERIFY(spots > 0);
        QCOMPARE(int(b.playableCells), 100 - spots);
        // The yellow drops are on the wall's picture, drawn after it was cleared.
        int yellow = 0;
        for (const auto& op : rig.wall.recordingCanvas().picture())
            yellow += op.kind == RecordingCanvas::Op::Circle && op.foreColor == 14;
        QVERIFY(yellow >= spots);
        QVERIFY(sideToMove(rig.game) == 0 || sideToMove(rig.game) == 1);

        // A grease spot refuses paint and keeps the turn.
        for (int c = 1; c <= 10; ++c)
            for (int r = 1; r <= 10; ++r)
                if (b.cells(b.index(c, r)) == kGrease) {
                    const int mover = sideToMove(rig.game);
                    rig.game.Feld_Auswahl(c, r);
                    QCOMPARE(sideToMove(rig.game), mover);
                    QVERIFY(rig.wall.splots.empty());
                    return;
                }
    }

    void storyBoxFoldsUpInStepsOf150()
    {
        ScriptedRandom rng({0.9f});
        GameRig rig(rng, quietHumans());
        rig.scene.storyShown = true;
        rig.scene.storyHeightTwips = 500;
        rig.game.Start_click();
        QCOMPARE(rig.scene.storyHeights, (std::vector<int>{350, 200, 50}));
        QVERIFY(!rig.scene.storyShown);

        ScriptedRandom rng2({0.9f});
        GameRig rig2(rng2, quietHumans());
        rig2.scene.storyShown = true;
        rig2.scene.storyHeightTwips = 1000;
        rig2.game.Start_click();
        QCOMPARE(rig2.scene.storyHeights, (std::vector<int>{850, 700, 550, 400, 250, 100, 0}));
    }
};

QTEST_GUILESS_MAIN(TestStart)
#include "tst_start.moc"
