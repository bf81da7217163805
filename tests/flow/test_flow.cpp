// The game flow without a window, on platform doubles: starting a game, whole
// games, five in a row, the blocked nozzle, the sounds and the failure report. (Closing
// in the middle of a move is the main window's test.)
#include "tests/flow/FlowRig.h"

#include "platform/StdRandom.h"

#include <QtTest>

#include <cmath>
#include <stdexcept>

using namespace splot;
using namespace splot::doubles;
using namespace splot::testing;

namespace {

// A started game on doubles, with what the flow tests check it by.
struct Rig : FlowRig {
    using FlowRig::FlowRig;
    // The human plays until the game is decided: the hinted cell with Enter, or random cells.
    void playToTheEnd(bool hinted, std::uint32_t seed)
    {
        StdRandom pick(seed);
        const auto n = static_cast<float>(settings.wallSize);
        for (int tries = 0; game.state().gameRunning && tries < 20000; ++tries)
            hinted ? (game.Tip_click(), game.Bild_KeyDown(13))
                   : game.Feld_Auswahl(1 + int(pick.Rnd() * n), 1 + int(pick.Rnd() * n));
    }
};

enum Outcome { Wrong, ComputerWon, HumanWon, FullWall, AgreedDraw };

// How a decided game ended, from what it shows; Wrong when any of it is amiss.
Outcome outcome(const Rig& rig)
{
    const GameState& s = rig.game.state();
    const Board& b = rig.game.board();
    const std::string& text = rig.scene.commentText;
    const auto [c, r] = rig.wall.splots.back();
    if (s.gameRunning || !s.gameOver || rig.scene.wallInput ||
        !rig.scene.menuEnabled[int(Scene::MenuItem::Story)])
        return Wrong;
    // A draw: a full wall, whose last splot is drawn twice, or a draw offer accepted before.
    if (text == "The game ends in a draw!" && rig.wall.lines.empty())
        return s.moveCount < b.playableCells ? AgreedDraw : rig.wall.splotsAt(c, r) == 2 ? FullWall : Wrong;
    // One line, of five of the winner's splots; Red's winning splot is drawn twice.
    const int winner = text.starts_with("Computer won! ") ? kRed : text.starts_with("You won! ") ? kBlue : -1;
    bool five = winner >= 0 && rig.wall.lines.size() == 1 && rig.wall.splotsAt(c, r) == 2 - winner;
    for (int k = 1; five && k <= 5; ++k)
        five = b.cells(b.lineCells(k, rig.wall.lines[0])) == winner;
    return !five ? Wrong : winner == kRed ? ComputerWon : HumanWon;
}

// A failure made to happen once, at the next such step of the game: the procedure the report
// names, whether the move needs the step, and how it is brought about.
struct Fault {
    const char* name;
    const char* procedure;
    bool needed;
    void (*arm)(Rig&);
};
const Fault kFaults[] = {
    {"squirt picture", "Sequenz", false,
     [](Rig& rig) {
         rig.scene.onFrame = [&rig](int, int frame) {
             if (frame == 17 || frame == 8) // the squirting painter's last picture
                 rig.scene.onFrame = {}, throw std::runtime_error("failure");
         };
     }},
    {"evaluation", "Zug_Auswertung", true,
     [](Rig& rig) { // after the evaluation did its work: a retry must not count the splot twice
         rig.game.setStepProbe([&rig](const char* procedure, bool done) {
             if (done && std::string(procedure) == "Zug_Auswertung")
                 rig.game.setStepProbe({}), throw std::runtime_error("failure");
         });
     }},
    {"search", "Feld_Suche", true, [](Rig& rig) { rig.random.failAtDraw = rig.random.draws + 7; }},
};

} // namespace

class TestFlow : public QObject {
    Q_OBJECT

  private slots:
    void gamesAgainstTheComputerEndInAWinALossOrAFullWall()
    {
        auto play = [](int size, int level, bool hinted, std::uint32_t seed) {
            GameSettings s = setup(size, level);
            s.greaseSpots = seed % 2 ? kTrue : kFalse;
            Rig rig(s, {}, seed);
            rig.questions.answers = {seed == 8}; // one game takes the draw offered
            rig.playToTheEnd(hinted, seed);
            return outcome(rig);
        };
        // A random human loses on every size and level; the hinted cells beat the
        // very easy computer and fill a small wall against the expert, unless the draw it offers is taken.
        int random[5] = {}, hinted[5] = {};
        for (int size : {6, 8, 11, 15})
            for (int level = 0; level <= 3; ++level)
                ++random[play(size, level, false, std::uint32_t(100 * size + level))];
        for (std::uint32_t seed = 1; seed <= 8; ++seed)
            ++hinted[play(seed % 2 ? 8 : 15, 0, true, seed)], ++hinted[play(6, 3, true, seed)];
        QVERIFY(random[Wrong] + hinted[Wrong] == 0 && random[ComputerWon] >= 14);
        QVERIFY(hinted[HumanWon] >= 4 && hinted[FullWall] >= 6 && hinted[AgreedDraw] == 1);
    }

    void fiveInARowWinsThroughTheFirstLineOnly()
    {
        // Red's (4, 1) completes column 4 and row 1 at once: the vertical line comes first in the
        // cell's list. The winning splot is drawn again but not counted.
        Rig rig(setup(), {0.1f}); // Red begins
        rig.play("42 17 43 37 44 57 45 77 11 18 21 38 31 58 51 78 41");
        const Board& b = rig.game.board();
        const int line = rig.wall.lines.at(0);
        QVERIFY(rig.scene.commentText == "Tulla won!" && rig.wall.lines.size() == 1);
        QVERIFY(b.lineCells(1, line) == b.index(4, 1) && b.lineCells(5, line) == b.index(4, 5));
        QVERIFY(rig.wall.splotsAt(4, 1) == 2 && rig.game.state().moveCount == 16);
    }

    void aBlockedNozzleLosesTheTurn()
    {
        Rig rig(setup(), {0.9f}); // Blue begins
        // Sound on after the start, whose chatter would take the scripted draws.
        rig.settings.blockedNozzle = kTrue, rig.settings.soundOn = 1;
        const TwipRect p = rig.scene.puddles[1], red = rig.scene.puddles[0];
        rig.random.push({std::nextafter(0.1f, 0.0f)}); // just below a tenth: blocked
        rig.game.Feld_Auswahl(3, 4);
        QVERIFY(rig.count("comment Nozzle blocked!") == 1 && rig.scene.commentText == "Tulla's turn");
        QVERIFY(rig.side() == kRed && rig.game.state().moveCount == 0 && rig.wall.splots.empty());
        QVERIFY(rig.cell(3, 4) == kEmpty && rig.wall.splatters.size() == 1);
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
        rig.play("34 34");
        QCOMPARE(rig.scene.puddles[0].left, red.left - 80);
        QVERIFY(rig.game.state().moveCount == 1 && rig.wall.splotsAt(3, 4) == 1);
    }

    // A failure at a chosen step of a move against the computer, answered Abort, Retry or Ignore:
    // the report names the procedure; the move happens whole or not at all; the game plays on to a
    // proper end.
    void aFailureInAMoveLeavesItWholeOrUndone()
    {
        for (const Fault& f : kFaults)
            for (const int choice : {0, 1, 2}) {
                Rig rig(setup(8, 1), {0.9f}, 3),
                    direct(setup(8, 1), {0.9f}, 3); // Blue begins against the computer
                rig.play("44 35"), direct.play("44 35 66");
                const FlowRig::View before = rig.view();
                rig.questions.choices = {Questions::ErrorChoice(choice)};
                f.arm(rig);
                rig.game.Feld_Auswahl(6, 6);
                QCOMPARE(rig.questions.errors.size(), std::size_t(1));
                QCOMPARE(rig.questions.errors[0].text.substr(rig.questions.errors[0].text.rfind(": ") + 2),
                         std::string(f.procedure));
                // A lost step that the move needs takes the whole move back, the computer's reply included.
                const bool undone = f.needed && choice != int(Questions::ErrorChoice::Retry);
                QVERIFY(rig.view() == (undone ? before : direct.view()));
                QVERIFY(rig.game.state().gameRunning && rig.side() == kBlue && !rig.game.busy());
                rig.playToTheEnd(false, 5);
                QVERIFY(outcome(rig) != Wrong && rig.questions.errors.size() == 1);
            }
    }
};

QTEST_GUILESS_MAIN(TestFlow)
#include "test_flow.moc"
