// Taking moves back, on platform doubles: after a plain move, after the
// computer's reply, after a blocked squirt, after a win and after a full-wall
// draw the game equals the same game played directly to that point; a take back
// in the middle of a move is dropped; the record counts every decided game once.
#include "tests/flow/FlowRig.h"

#include <QtTest>

#include <cmath>
#include <stdexcept>

using namespace splot;
using namespace splot::doubles;

namespace {

// Two humans, or the computer as Red at `level`; sound off.
GameSettings setup(int wallSize = 8, int level = -1, bool nozzle = false)
{
    GameSettings s;
    s.wallSize = static_cast<i16>(wallSize);
    s.computerPlaysRed = level < 0 ? kFalse : kTrue;
    s.level = static_cast<i16>(std::max(level, 0));
    s.soundOn = 0;
    s.blockedNozzle = nozzle ? kTrue : kFalse;
    return s;
}

// Everything a take back restores, as one comparable value.
struct View {
    std::vector<i16> cells, lineValues, scores;
    std::vector<int> state; // side, moveCount, gameOver, running, cursor, draw offers, wall input
    std::string comment;
    std::vector<int> scene; // frames, pumps, puddles
    std::vector<std::pair<int, int>> splots, splatters;
    std::vector<int> lines;
    std::vector<RecordingCanvas::Op> paper;
    bool operator==(const View&) const = default;
};

// A started game whose decided games go into a record.
struct Rig : splot::testing::FlowRig {
    explicit Rig(const GameSettings& initial, std::initializer_list<float> draws = {}, std::uint32_t seed = 1)
        : FlowRig(initial, draws, seed)
    {
        game.setResultListener([this](const GameResult& r, int change) {
            record.count(r, change);
            results.emplace_back(r.winner, change);
        });
    }
    View view() const
    {
        const Board& b = game.board();
        const GameState& s = game.state();
        View v;
        for (int i = 0; i <= b.lastCell; ++i)
            v.cells.push_back(b.cells(i)), v.scores.push_back(b.cellScore(0, i)),
                v.scores.push_back(b.cellScore(1, i));
        for (int l = 0; l <= b.lineCount; ++l)
            v.lineValues.push_back(b.lineValue(l));
        v.state = {b.currentPlayer,
                   s.moveCount,
                   s.gameOver,
                   s.gameRunning,
                   s.cursorX,
                   s.cursorY,
                   const_cast<Game&>(game).search().drawOfferCounter,
                   scene.wallInput};
        v.comment = scene.commentText;
        for (int who = 0; who < 2; ++who)
            v.scene.insert(v.scene.end(),
                           {scene.frames[who], scene.pumpsShown[who], scene.puddles[who].left,
                            scene.puddles[who].top, scene.puddles[who].width, scene.puddles[who].height});
        v.splots = wall.splots, v.splatters = wall.splatters, v.lines = wall.lines, v.paper = wall.paper.ops;
        return v;
    }
    // The human plays the hinted cells with Enter until the game is decided or
    // `presses` moves are made; returns the moves made.
    int playHinted(int presses = 1000)
    {
        int made = 0;
        for (; game.state().gameRunning && made < presses; ++made)
            game.Tip_click(), game.Bild_KeyDown(13);
        return made;
    }
    bool takeBackOffered() const { return scene.menuEnabled[int(Scene::MenuItem::TakeBack)]; }

    GameRecord record;
    std::vector<std::pair<int, int>> results; // winner, change
};

} // namespace

class TestTakeBack : public QObject {
    Q_OBJECT

  private slots:
    void aPlainMoveIsTakenBackToTheStart()
    {
        Rig rig(setup(), {0.9f}); // Blue begins
        const View start = rig.view();
        QVERIFY(!rig.takeBackOffered() && !rig.game.canTakeBack());
        rig.game.Zug_Zuruecknehmen(); // before the first move: nothing
        QVERIFY(rig.view() == start);
        rig.play("22 33");
        const View twoMoves = rig.view();
        rig.play("45");
        QVERIFY(rig.takeBackOffered() && rig.game.takeBackDepth() == 3);
        rig.game.Zug_Zuruecknehmen();
        QVERIFY(rig.view() == twoMoves);
        QCOMPARE(rig.scene.commentText, std::string("Pelko's turn"));
        // The same two moves played directly.
        Rig direct(setup(), {0.9f});
        direct.play("22 33");
        QVERIFY(rig.view() == direct.view());
        rig.game.Zug_Zuruecknehmen(), rig.game.Zug_Zuruecknehmen();
        QVERIFY(rig.view() == start && !rig.takeBackOffered());
        // The game goes on from there as any other.
        rig.play("22 33"), direct.play("44"), rig.play("44");
        QVERIFY(rig.view() == direct.view());
    }

    void thePaintersRestAMomentAndStandAsTheyStood()
    {
        Rig rig(setup(), {0.9f});
        rig.settings.soundOn = 1;
        rig.play("22");
        const auto frames = std::vector{rig.scene.frames[0], rig.scene.frames[1]};
        rig.play("33");
        rig.scene.log.clear(), rig.sound.played.clear();
        const double before = rig.clock.time;
        rig.game.Zug_Zuruecknehmen();
        const auto f = [](int who, int frame) {
            return "frame " + std::to_string(who) + " " + std::to_string(frame);
        };
        // The booth put back as it stood (unseen: no events run in between), the rest pose, the stand.
        QCOMPARE(rig.scene.log,
                 (std::vector<std::string>{"comment Tulla's turn", f(0, frames[0]), f(1, frames[1]), f(0, 0),
                                           f(1, 9), f(0, frames[0]), f(1, frames[1])}));
        QCOMPARE(rig.sound.played, std::vector<std::string>{"splot2.wav"});
        QCOMPARE(rig.clock.time, before + 0.4);
    }

    void theComputersReplyGoesWithTheMove()
    {
        Rig rig(setup(8, 1), {0.9f}, 3); // Blue begins against the beginner
        rig.play("44");
        const View afterReply = rig.view();
        QCOMPARE(rig.game.state().moveCount, i16(2));
        rig.play("55 66");
        rig.game.Zug_Zuruecknehmen(), rig.game.Zug_Zuruecknehmen();
        QVERIFY(rig.view() == afterReply);
        QVERIFY(rig.scene.commentText == "Pelko's turn" && rig.game.board().currentPlayer == kBlue);
        Rig direct(setup(8, 1), {0.9f}, 3);
        direct.play("44");
        QVERIFY(rig.view() == direct.view());
        // The computer begins: its opening move stays.
        Rig red(setup(8, 1), {0.1f}, 3);
        const View opening = red.view();
        red.play("44");
        red.game.Zug_Zuruecknehmen();
        QVERIFY(red.view() == opening && red.game.state().moveCount == 1 && !red.game.canTakeBack());
    }

    void aBlockedSquirtIsAMove()
    {
        const float blocked = std::nextafter(0.1f, 0.0f);
        Rig rig(setup(8, -1, true), {0.9f, 0.5f, 0.5f}); // Blue begins; two squirts land
        rig.play("22 33");
        const View before = rig.view();
        rig.random.push({blocked});
        rig.play("34");
        QVERIFY(rig.wall.splatters.size() == 1 && rig.scene.commentText == "Tulla's turn");
        QCOMPARE(rig.scene.puddles[1].width, 120);
        rig.game.Zug_Zuruecknehmen();
        QVERIFY(rig.view() == before);
        Rig direct(setup(8, -1, true), {0.9f, 0.5f, 0.5f});
        direct.play("22 33");
        QVERIFY(rig.view() == direct.view());
        // Blue squirts at the same cell again, and it lands.
        rig.random.push({0.5f});
        rig.play("34");
        QVERIFY(rig.wall.splotsAt(3, 4) == 1 && rig.game.board().currentPlayer == kRed);
    }

    void aWinIsTakenBackAndTheGameRunsAgain()
    {
        const std::string_view moves = "11 17 21 37 31 57 51 77 61 25";
        Rig rig(setup(), {0.1f}); // Red begins
        rig.play(moves);
        const View before = rig.view();
        rig.play("41");
        QVERIFY(rig.scene.commentText == "Tulla won!" && rig.wall.lines.size() == 1 && rig.takeBackOffered());
        rig.game.Zug_Zuruecknehmen();
        QVERIFY(rig.view() == before);
        QVERIFY(rig.game.state().gameRunning && !rig.game.state().gameOver && rig.scene.wallInput);
        QVERIFY(!rig.scene.menuEnabled[int(Scene::MenuItem::Story)]);
        Rig direct(setup(), {0.1f});
        direct.play(moves);
        QVERIFY(rig.view() == direct.view());
    }

    void aFullWallIsTakenBack()
    {
        // Hinted play against the expert on a small wall ends in a full wall for one of these seeds.
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            Rig rig(setup(6, 3), {}, seed);
            const int moves = rig.playHinted();
            if (rig.scene.commentText != "The game ends in a draw!" ||
                rig.game.state().moveCount != rig.game.board().playableCells)
                continue;
            rig.game.Zug_Zuruecknehmen();
            Rig direct(setup(6, 3), {}, seed);
            direct.playHinted(moves - 1);
            direct.game.Tip_click(); // the cursor where the hint put it before the last move
            QVERIFY(rig.view() == direct.view());
            QVERIFY(rig.game.state().gameRunning &&
                    rig.game.state().moveCount < rig.game.board().playableCells);
            return;
        }
        QFAIL("no full wall");
    }

    void aTakeBackDuringAMoveIsDropped()
    {
        Rig rig(setup(8, 1), {0.9f}); // Blue begins against the computer
        rig.play("44");
        bool offered = true;
        rig.clock.onEvents = [&] {
            offered = offered && rig.takeBackOffered();
            rig.game.Zug_Zuruecknehmen();
        };
        rig.play("55");
        rig.clock.onEvents = {};
        // Neither held nor run: both moves and both replies stand.
        QVERIFY(!offered && rig.game.heldCommands() == 0);
        QVERIFY(rig.game.state().moveCount == 4 && rig.game.takeBackDepth() == 2 && rig.takeBackOffered());
    }

    void aFailureInTheTakeBackNeverTakesBackTwice()
    {
        Rig rig(setup(), {0.9f});
        rig.play("22 33");
        const View oneMove = [&] {
            Rig direct(setup(), {0.9f});
            direct.play("22");
            return direct.view();
        }();
        int failures = 1;
        rig.clock.onEvents = [&] {
            if (failures-- > 0)
                throw std::runtime_error("paint stuck");
        };
        rig.questions.retries = 1; // Retry: the painters' pose again, the game put back once
        rig.game.Zug_Zuruecknehmen();
        QVERIFY(rig.questions.errors.at(0).text.ends_with("in Splotchery: Zug_Zuruecknehmen"));
        QVERIFY(rig.view() == oneMove && rig.game.takeBackDepth() == 1);
        failures = 1; // Abort: the game is put back, the wall takes input
        rig.game.Zug_Zuruecknehmen();
        QVERIFY(rig.questions.errors.size() == 2 && rig.game.takeBackDepth() == 0);
        QVERIFY(rig.game.board().cells(rig.game.board().index(2, 2)) == kEmpty && rig.scene.wallInput);
        QVERIFY(rig.game.state().moveCount == 0 && rig.scene.commentText == "Pelko begins");
    }

    // A move that a failure put back whole was never made: nothing to take back, nothing counted.
    void aMoveAFailurePutBackLeavesNothingToTakeBackOrCount()
    {
        Rig rig(setup(), {0.1f}); // Red begins
        rig.play("11 17 21 37 31 57 51 77 61 25");
        const View before = rig.view();
        const std::size_t depth = rig.game.takeBackDepth();
        // Aborted after the game was decided (at its sound): the winning move is put back.
        rig.settings.soundOn = 1;
        rig.game.setStepProbe([&rig](const char* procedure, bool done) {
            if (!done && std::string(procedure) == "Zug_Ausfuehren" && rig.game.state().gameOver)
                rig.game.setStepProbe({}), throw std::runtime_error("failure");
        });
        rig.play("41");
        QCOMPARE(rig.questions.errors.size(), std::size_t(1));
        QVERIFY(rig.view() == before && rig.game.takeBackDepth() == depth);
        QCOMPARE(rig.results, (std::vector<std::pair<int, int>>{{kRed, 1}, {kRed, -1}}));
        QVERIFY(rig.record == GameRecord{});
        // Played again, it counts once; taken back, the move before it comes back.
        rig.play("41");
        QVERIFY(rig.record.redWon == 1 && rig.game.takeBackDepth() == depth + 1);
        rig.game.Zug_Zuruecknehmen();
        QVERIFY(rig.view() == before && rig.record == GameRecord{});
    }

    void theRecordCountsEveryDecidedGameOnce()
    {
        Rig rig(setup(), {0.1f});                     // Red begins
        rig.play("11 17 21 37 31 57 51 77 61 25 41"); // Red wins
        rig.game.Zug_Zuruecknehmen();
        rig.play("88 18 41"); // taken back; Blue blocks, Red still wins through (4, 1)
        QCOMPARE(rig.results, (std::vector<std::pair<int, int>>{{kRed, 1}, {kRed, -1}, {kRed, 1}}));
        GameRecord expected;
        expected.redWon = 1;
        QVERIFY(rig.record == expected);
        // A decided game taken back and then abandoned by a new start no longer counts.
        rig.game.Zug_Zuruecknehmen();
        rig.questions.answers = {true};
        rig.random.push({0.1f});
        rig.game.Start_click();
        QVERIFY(rig.record == GameRecord{} && rig.results.size() == 4);
        // A game decided, then a new one: counted, and not taken back any more.
        rig.play("11 17 21 37 31 57 51 77 41 25 61");
        rig.random.push({0.1f});
        rig.game.Start_click();
        QVERIFY(rig.record.redWon == 1 && !rig.game.canTakeBack());
    }

    void theRecordKnowsTheLevelAndWhoWon()
    {
        GameRecord record;
        record.count({true, 2, kBlue}, 1), record.count({true, 2, kRed}, 1),
            record.count({true, 0, kEmpty}, 1);
        record.count({false, 1, kBlue}, 1), record.count({false, 1, kEmpty}, 1),
            record.count({false, 1, kEmpty}, 1);
        record.count({true, 3, kRed}, -1); // never below 0
        GameRecord expected;
        expected.won[2] = 1, expected.lost[2] = 1, expected.drawn[0] = 1, expected.blueWon = 1,
        expected.humanDraws = 2;
        QVERIFY(record == expected);
    }
};

QTEST_GUILESS_MAIN(TestTakeBack)
#include "test_take_back.moc"
