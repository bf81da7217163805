// The game flow without a window, on platform doubles: starting a game, the
// turns, whole games, five in a row, the blocked nozzle, the sounds, commands in
// the middle of a move, closing mid-move and the failure report.
#include "doubles/FakeClock.h"
#include "doubles/FakeScene.h"
#include "doubles/RecordingSound.h"
#include "doubles/RecordingWall.h"
#include "doubles/ScriptedQuestions.h"
#include "doubles/ScriptedRandom.h"
#include "flow/Game.h"

#include <QtTest>

#include <cmath>
#include <map>
#include <stdexcept>

using namespace splot;
using namespace splot::doubles;

namespace {

// A started game on doubles; the random numbers are the given draws, then a seeded sequence.
struct Rig {
    explicit Rig(const GameSettings& initial, std::initializer_list<float> draws = {}, std::uint32_t seed = 1)
        : settings(initial), random(draws, seed), game(settings, clock, random, sound, questions, scene),
          wall(settings, sound)
    {
        game.attachWall(wall);
        game.Start_click();
    }
    int side() const { return game.board().currentPlayer; }
    int cell(int c, int r) const { return game.board().cells(game.board().index(c, r)); }
    // What the window shows and the game keeps, to check that nothing changed.
    std::vector<double> picture() const
    {
        const GameState& s = game.state();
        std::vector<double> v{clock.time,           double(wall.drawn),   double(scene.log.size()),
                              double(sound.played.size()), double(s.moveCount), double(s.cursorX),
                              double(s.cursorY),    double(side()),       double(scene.wallInput)};
        for (int i = 0; i <= game.board().lastCell; ++i)
            v.push_back(game.board().cells(i));
        return v;
    }
    void play(const std::vector<std::pair<int, int>>& cells)
    {
        for (const auto& [c, r] : cells)
            game.Feld_Auswahl(c, r);
    }
    // The human plays until the game is decided: the hinted cell with Enter, or random cells.
    void playToTheEnd(bool hinted, std::uint32_t seed)
    {
        StdRandom pick(seed);
        const auto n = static_cast<float>(settings.wallSize);
        for (int tries = 0; game.state().gameRunning && tries < 20000; ++tries)
            if (hinted)
                game.Tip_click(), game.Bild_KeyDown(13);
            else
                play({{1 + int(pick.Rnd() * n), 1 + int(pick.Rnd() * n)}});
    }

    GameSettings settings;
    ScriptedRandom random;
    FakeClock clock;
    RecordingSound sound;
    ScriptedQuestions questions;
    FakeScene scene;
    Game game;
    RecordingWall wall;
};

// Two humans, or the computer as Red at `level`; sound off unless given; no optional rules.
GameSettings setup(int wallSize = 8, int level = -1, int sound = 0)
{
    GameSettings s;
    s.wallSize = static_cast<i16>(wallSize);
    s.computerPlaysRed = level < 0 ? kFalse : kTrue;
    s.level = static_cast<i16>(std::max(level, 0));
    s.soundOn = static_cast<i16>(sound);
    return s;
}

// The entries come in the log in this order, maybe with others between them.
bool inOrder(const std::vector<std::string>& log, std::initializer_list<std::string> entries)
{
    auto at = log.begin();
    for (const auto& e : entries) {
        if ((at = std::find(at, log.end(), e)) == log.end())
            return false;
        ++at;
    }
    return true;
}

enum class Outcome { Wrong, ComputerWon, HumanWon, FullWall, DrawAccepted };

// How a decided game ended, from what it shows; Wrong when any of it is amiss.
Outcome outcome(const Rig& rig)
{
    const GameState& s = rig.game.state();
    const Board& b = rig.game.board();
    const std::string& text = rig.scene.commentText;
    const auto [c, r] = rig.wall.splots.back();
    if (s.gameRunning || !s.gameOver || rig.scene.wallInput
        || !rig.scene.menuEnabled[int(Scene::MenuItem::Story)])
        return Outcome::Wrong;
    if (text == "The game ends in a draw!" && rig.wall.lines.empty())  // a full wall's last splot drawn twice
        return s.moveCount < b.playableCells ? Outcome::DrawAccepted
               : rig.wall.splotsAt(c, r) == 2 ? Outcome::FullWall : Outcome::Wrong;
    // One line, of five of the winner's splots; Red's winning splot is drawn twice.
    const bool computer = text.rfind("Computer won!  ", 0) == 0, human = text.rfind("You won!  ", 0) == 0;
    const int winner = computer ? kRed : human ? kBlue : -1;
    bool five = winner >= 0 && rig.wall.lines.size() == 1 && rig.wall.splotsAt(c, r) == 2 - winner;
    for (int k = 1; five && k <= 5; ++k)
        five = b.cells(b.lineCells(k, rig.wall.lines[0])) == winner;
    return !five ? Outcome::Wrong : winner == kRed ? Outcome::ComputerWon : Outcome::HumanWon;
}

} // namespace

class TestFlow : public QObject {
    Q_OBJECT

private slots:
    void theFirstStartIntroducesThePaintersThenHumansTakeTurns()
    {
        Rig rig(setup(), {0.9f, 0.9f});  // Blue begins both games
        // Turned to the wall, the introduction, the new-game setup, Blue's first turn.
        QCOMPARE(rig.scene.log.front(), std::string("frame 0 1"));
        QVERIFY(inOrder(rig.scene.log, {"frame 1 10", "move 0 -130 -60", "move 1 140 -60", "hourglass",
                                        "pointer", "frame 1 12", "frame 1 13", "comment Pelko begins"}));
        QCOMPARE(rig.clock.time, 1000 + 0.9 + 1.2);  // the introduction and the new game, without sound
        rig.settings.redName = "Anna", rig.settings.blueName = "Ben";
        rig.play({{2, 2}, {3, 2}, {3, 2}});  // the last at a splot: nothing happens, the turn stays
        QVERIFY(inOrder(rig.scene.log, {"comment Anna's turn", "comment Ben's turn"}));
        QVERIFY(rig.scene.wallShown && rig.side() == kBlue && rig.game.state().moveCount == 2);
        // A later start goes straight to the setup.
        rig.scene.log.clear();
        rig.game.restartWithoutAsking();
        QCOMPARE(rig.scene.log.front(), std::string("hourglass"));
        QVERIFY(inOrder(rig.scene.log, {"frame 1 12", "comment Ben begins"}));
    }

    void aNewGameCommandWaitsForTheMoveAndNoLeavesEverything()
    {
        Rig rig(setup(), {0.9f, 0.9f});  // Blue begins both games
        rig.play({{3, 3}, {4, 4}});
        rig.clock.onEvents = [&] {  // the menu command, while Blue's squirt is on screen
            rig.clock.onEvents = nullptr;
            rig.game.Start_click();
            QCOMPARE(rig.game.heldCommands(), std::size_t(1));
        };
        std::vector<double> atQuestion;
        rig.questions.answerer = [&](const std::string&) { return atQuestion = rig.picture(), false; };
        rig.game.Feld_Auswahl(6, 2);
        // The move ran to its end, splot and hand-over, before the question; No left everything.
        QCOMPARE(rig.questions.asked.at(0).text, std::string("Really start a new game?"));
        QCOMPARE(rig.picture(), atQuestion);
        QVERIFY(rig.wall.splotsAt(6, 2) == 1 && rig.scene.commentText == "Tulla's turn");
        // Yes starts a new game on a clean wall.
        rig.questions.answers = {true};
        rig.game.Start_click();
        QVERIFY(rig.game.state().moveCount == 0 && rig.wall.splots.empty() && rig.cell(3, 3) == kEmpty);
    }

    void redBeginsWhenTheDrawIsAtMostAQuarter()
    {
        for (float r : {0.0f, 0.25f, std::nextafter(0.25f, 1.0f), 0.99f}) {
            Rig rig(setup(), {r});
            const bool red = r <= 0.25f;
            QCOMPARE(rig.side(), int(red ? kRed : kBlue));
            QCOMPARE(rig.scene.commentText, std::string(red ? "Tulla begins" : "Pelko begins"));
        }
        Rig rig(setup(), {}, 20261206);
        int red = 0;
        for (int i = 0; i < 1000; ++i) {
            rig.game.restartWithoutAsking();
            red += rig.side() == kRed;
        }
        QVERIFY2(red > 210 && red < 290, std::to_string(red).c_str());
    }

    void soundsPlayOnlyWhenTheSettingIsExactlyOne()
    {
        for (i16 setting : {0, -1, 2, 1}) {
            Rig rig(setup(8, 1, setting), {}, 4);
            rig.settings.blockedNozzle = kTrue;
            rig.playToTheEnd(false, 4);
            // With sound: each splot, three more for each blocked nozzle, one victory.
            const bool on = setting == 1;
            const auto& w = rig.wall;
            QVERIFY(rig.game.state().gameOver && !w.splatters.empty());
            QVERIFY(rig.sound.count("splot1.wav") == int(on ? w.splots.size() + 3 * w.splatters.size() : 0));
            QCOMPARE(rig.sound.count("splot3.wav"), on ? 1 : 0);
            QCOMPARE(rig.sound.played.empty(), !on);
        }
    }

    void chatterPlaysItsSoundsAtTheirRates()
    {
        Rig rig(setup(8, -1, 1), {}, 42);
        rig.sound.played.clear();
        for (int i = 0; i < 14000; ++i)
            rig.game.Geschwaetz();
        // 7r + 4 rounded: 1/14 splot4, 1/7 each of splot5 .. splot8, 5/14 nothing.
        for (int k = 4; k <= 9; ++k) {
            const int n = rig.sound.count("splot" + std::to_string(k) + ".wav");
            QVERIFY2(std::abs(n - (k == 4 ? 1000 : k == 9 ? 0 : 2000)) < 160, std::to_string(n).c_str());
        }
        QVERIFY(std::abs(int(rig.sound.played.size()) - 9000) < 200);
    }

    void gamesAgainstTheComputerEndInAWinALossOrAFullWall()
    {
        auto game = [](int size, int level, bool hinted, std::uint32_t seed) {
            GameSettings s = setup(size, level);
            s.greaseSpots = seed % 2 ? kTrue : kFalse;
            Rig rig(s, {}, seed);
            rig.playToTheEnd(hinted, seed);
            return outcome(rig);
        };
        // A random human loses on every size and level; the hinted cells beat the
        // very easy computer and fill a small wall against the expert.
        std::map<Outcome, int> random, hinted;
        for (int size : {6, 8, 11, 15})
            for (int level = 0; level <= 3; ++level)
                ++random[game(size, level, false, std::uint32_t(100 * size + level))];
        for (std::uint32_t seed = 1; seed <= 8; ++seed)
            ++hinted[game(seed % 2 ? 8 : 15, 0, true, seed)], ++hinted[game(6, 3, true, seed)];
        QCOMPARE(random[Outcome::Wrong] + hinted[Outcome::Wrong], 0);
        QVERIFY(random[Outcome::ComputerWon] >= 14);
        QVERIFY(hinted[Outcome::HumanWon] >= 4 && hinted[Outcome::FullWall] >= 6);
    }

    void anAcceptedDrawEndsTheGameWithoutASplot()
    {
        Rig rig(setup(6, 3, 1));
        std::vector<std::size_t> atQuestion;
        rig.questions.answerer = [&](const std::string& text) {
            atQuestion = {rig.wall.splots.size(), rig.sound.played.size()};
            return text == "What do you think about a draw?";
        };
        rig.playToTheEnd(true, 1);
        QCOMPARE(rig.questions.count("What do you think about a draw?"), 1);
        QCOMPARE(outcome(rig), Outcome::DrawAccepted);
        QCOMPARE(atQuestion, (std::vector<std::size_t>{rig.wall.splots.size(), rig.sound.played.size()}));
    }

    void fiveInARowWinsThroughTheFirstLineOnly()
    {
        // Red joins a row of six: the line of its first five. Red's (4, 1) completes
        // column 4 and row 1 at once: the vertical line comes first in the cell's list.
        struct Case {
            std::vector<std::pair<int, int>> moves;
            std::pair<int, int> from, to;  // the ends of the line drawn
        };
        const Case cases[] = {
            {{{1, 1}, {1, 7}, {2, 1}, {3, 7}, {3, 1}, {5, 7}, {5, 1}, {7, 7}, {6, 1}, {2, 5}, {4, 1}},
             {1, 1}, {5, 1}},
            {{{4, 2}, {1, 7}, {4, 3}, {3, 7}, {4, 4}, {5, 7}, {4, 5}, {7, 7}, {1, 1}, {1, 8}, {2, 1}, {3, 8},
              {3, 1}, {5, 8}, {5, 1}, {7, 8}, {4, 1}},
             {4, 1}, {4, 5}}};
        for (const auto& [moves, from, to] : cases) {
            Rig rig(setup(), {0.1f});  // Red begins
            rig.play(moves);
            const Board& b = rig.game.board();
            const int line = rig.wall.lines.at(0);
            QCOMPARE(rig.scene.commentText, std::string("Tulla won!"));
            QVERIFY(rig.wall.lines.size() == 1 && rig.wall.splotsAt(4, 1) == 2);  // splot drawn again
            QVERIFY(b.lineCells(1, line) == b.index(from.first, from.second)
                    && b.lineCells(5, line) == b.index(to.first, to.second));
            QCOMPARE(std::size_t(rig.game.state().moveCount), moves.size() - 1);  // the winner is not counted
        }
    }

    void aBlockedNozzleLosesTheTurn()
    {
        Rig rig(setup(), {0.9f});  // Blue begins
        // Sound on after the start, whose chatter would take the scripted draws.
        rig.settings.blockedNozzle = kTrue, rig.settings.soundOn = 1;
        const TwipRect p = rig.scene.puddles[1], red = rig.scene.puddles[0];
        rig.random.push({0.0999f});
        rig.game.Feld_Auswahl(3, 4);
        QVERIFY(inOrder(rig.scene.log, {"comment Nozzle blocked!", "comment Tulla's turn"}));
        QVERIFY(rig.side() == kRed && rig.game.state().moveCount == 0);
        QVERIFY(rig.cell(3, 4) == kEmpty && rig.wall.splots.empty() && rig.wall.splatters.size() == 1);
        // Blue's puddle: 120 wider, 40 of them to the left, 30 higher around its middle.
        QCOMPARE(rig.scene.puddles[1], (TwipRect{p.left - 40, p.top - 15, p.width + 120, p.height + 30}));
        // The squirt, then three rounds of squirt and splot.
        const std::string squirt = "splot2.wav", splot = "splot1.wav";
        QCOMPARE(rig.sound.played, (std::vector{squirt, squirt, splot, squirt, splot, squirt, splot}));
        // A white box over the inner square of cell (3, 4): 538-unit cells, inset 43, side 457.
        const auto& box = rig.wall.paper.ops.back();
        QVERIFY(box.kind == RecordingCanvas::Op::Box && box.filled && box.foreColor == 15);
        QCOMPARE(QRectF(box.x1, box.y1, box.x2 - box.x1, box.y2 - box.y1), QRectF(1119, 1657, 457, 457));
        // Red's puddle grows 80 to the left; a draw of 0.1 lands.
        rig.random.push({0.0f, 0.1f});
        rig.play({{3, 4}, {3, 4}});
        QCOMPARE(rig.scene.puddles[0].left, red.left - 80);
        QVERIFY(rig.game.state().moveCount == 1 && rig.wall.splotsAt(3, 4) == 1);
    }

    void closingTheWindowMidMoveAbandonsTheMove()
    {
        Rig rig(setup(8, 1, 1), {0.9f});  // Blue begins, against the computer
        std::vector<double> atClose;
        rig.clock.onEvents = [&] {
            rig.clock.onEvents = nullptr;
            rig.game.abandon();
            atClose = rig.picture();
        };
        rig.game.Feld_Auswahl(4, 4);
        rig.game.Start_click();
        rig.game.Tip_click();
        // No picture, sound, wait or question after it, and no failure report.
        QVERIFY(!rig.game.Ende_click());
        QCOMPARE(rig.picture(), atClose);
        QVERIFY(rig.questions.asked.empty() && rig.questions.errors.empty());
    }

    void aFailureIsReportedRetryRunsAgainAbortLeaves()
    {
        Rig rig(setup(), {0.9f, 0.9f, 0.9f, 0.9f});  // Blue begins
        int failures = 1;
        rig.clock.onEvents = [&] {
            if (failures-- > 0)
                throw std::out_of_range("out of paint");
        };
        rig.questions.errorAnswers = {Questions::ErrorChoice::Retry};
        rig.game.restartWithoutAsking();
        QCOMPARE(rig.questions.errors.at(0).text,
                 std::string("Error 9: \nout of paint\n\t\toccurred at line 0\nin Splotchery: Start_click"));
        QVERIFY(failures < 0 && rig.game.state().gameRunning);  // the start ran again, to its end
        // Abort leaves a move that failed half-way; the game goes on, the wall's input on again.
        failures = 1;
        rig.game.Feld_Auswahl(2, 2);
        QVERIFY(rig.questions.errors.at(1).text.find("in Splotchery: Feld_Auswahl") != std::string::npos);
        QVERIFY(rig.scene.wallInput && !rig.game.busy());
        rig.game.Feld_Auswahl(3, 3);
        QCOMPARE(rig.wall.splotsAt(3, 3), 1);
        // Abort leaves a failed start for good.
        failures = 1;
        rig.game.restartWithoutAsking();
        QVERIFY(failures == 0 && !rig.game.state().gameRunning);
    }
};

QTEST_GUILESS_MAIN(TestFlow)
#include "tst_flow.moc"
