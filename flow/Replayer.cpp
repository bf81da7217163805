// The replayer: a kept game's grease spots and moves painted again with the
// seeds they were first drawn with, for a continued game and for a replay.
#include "flow/Replayer.h"

#include "engine/Board.h"
#include "flow/Booth.h"
#include "flow/GameLog.h"
#include "flow/GameSnapshot.h"
#include "platform/Random.h"
#include "platform/Scene.h"
#include "platform/StdRandom.h"
#include "platform/WallDrawing.h"

#include <algorithm>

namespace splot {

namespace {

constexpr double kSquirtSeconds = 0.15;
constexpr double kBetweenMovesSeconds = 0.45;

// A surface that keeps nothing: the grease spots worked out without painting them.
class NoCanvas final : public Canvas {
  public:
    void setForeColor(int) override {}
    void setFillColor(int) override {}
    void setFillStyle(int) override {}
    void setDrawWidth(int) override {}
    void setDrawStyle(int) override {}
    double scaleWidth() const override { return 0; }
    void cls() override {}
    void line(double, double, double, double) override {}
    void box(double, double, double, double, bool) override {}
    void circle(double, double, double) override {}
    std::unique_ptr<Saved> save() const override { return nullptr; }
    void restore(const Saved&) override {}
};

bool sameCells(std::vector<KeptCell> a, std::vector<KeptCell> b)
{
    const auto before = [](const KeptCell& p, const KeptCell& q) {
        return p.row != q.row ? p.row < q.row : p.column < q.column;
    };
    std::sort(a.begin(), a.end(), before);
    std::sort(b.begin(), b.end(), before);
    return a == b;
}

} // namespace

Replayer::Replayer(Board& board, GameState& state, Booth& booth, GameLog& log, Random& random, Scene& scene,
                   FailureGuard& guard)
    : board_(board), state_(state), booth_(booth), log_(log), random_(random), scene_(scene), guard_(guard)
{
}

void Replayer::paintGrease(const KeptGame& g)
{
    log_.setGrease(g.grease, g.greaseSeed);
    if (g.greaseSpots) {
        // Spots scattered from their seed are painted as they were scattered;
        // spots that the seed does not give (another generator) are painted
        // one by one with draws from it.
        Board scattered;
        scattered.newGame(g.wallSize);
        NoCanvas nowhere;
        StdRandom trial(g.greaseSeed);
        scattered.Fettflecken(trial, nowhere, booth_.wall().cellSize(), booth_.wall().innerSize());
        std::vector<KeptCell> cells;
        for (int row = 1; row <= g.wallSize; ++row)
            for (int column = 1; column <= g.wallSize; ++column)
                if (scattered.cells(scattered.index(column, row)) == kGrease)
                    cells.push_back({column, row});
        StdRandom draws(g.greaseSeed);
        guard_.call("Fettflecken", true, [&] {
            if (sameCells(cells, g.grease)) {
                board_.Fettflecken(draws, booth_.wall().canvas(), booth_.wall().cellSize(),
                                   booth_.wall().innerSize());
                return;
            }
            for (const KeptCell& c : g.grease) {
                board_.placeGreaseSpot(c.column, c.row);
                Board::drawGreaseSpot(draws, booth_.wall().canvas(), c.column, c.row,
                                      booth_.wall().cellSize(), booth_.wall().innerSize());
            }
        });
    }
}

void Replayer::drawTraces(const KeptGame& g, std::size_t moves)
{
    const KeptCell at{state_.cursorX, state_.cursorY};
    for (const KeptTrace& t : g.cursorTraces) {
        if (t.afterMoves != static_cast<int>(moves))
            continue;
        state_.cursorX = static_cast<i16>(t.column);
        state_.cursorY = static_cast<i16>(t.row);
        booth_.drawCursor(15);
    }
    state_.cursorX = static_cast<i16>(at.column);
    state_.cursorY = static_cast<i16>(at.row);
}

void Replayer::paintMove(const KeptMove& m, int mover, double pace)
{
    const int cell = board_.index(m.column, m.row);
    board_.currentPlayer = static_cast<i16>(mover);
    board_.currentCell = static_cast<i16>(cell);
    board_.reserve(cell, mover);
    state_.cursorX = static_cast<i16>(m.column);
    state_.cursorY = static_cast<i16>(m.row);
    booth_.drawCursor(2);
    if (pace > 0) {
        // The squirt, shortened: the painter lifts the nozzle and squirts.
        booth_.showFrame(mover, mover * 9 + 3);
        scene_.setPumpVisible(mover, true);
        scene_.setPumpVisible(1 - mover, false);
        booth_.events();
        booth_.pause(pace);
        booth_.showFrame(mover, mover * 9 + 8);
    }
    if (m.blocked) {
        board_.release(cell);
        booth_.growPuddle(mover);
        booth_.whiteOutCell(m.column, m.row);
        booth_.drawCursor(2);
    } else {
        random_.seedNextRandomize(m.seed);
        // The screen reader's last moves, as the wall shows them (nothing is said).
        state_.lastColumn[mover] = static_cast<i16>(m.column);
        state_.lastRow[mover] = static_cast<i16>(m.row);
        state_.lastMover = static_cast<i16>(mover);
        booth_.draw("Zeichne_Klecks", true, [&](WallDrawing& w) { w.Zeichne_Klecks(m.column, m.row); });
        booth_.land(cell, mover);
    }
    log_.addMove(m);
}

void Replayer::restPose(const KeptGame& g, std::size_t moves)
{
    const int toMove = (g.firstMover + static_cast<int>(moves)) % 2;
    const std::string& name = toMove == kRed ? g.redName : g.blueName;
    const bool computer = toMove == kRed && g.computerPlaysRed;
    if (moves == 0) {
        // As a new game leaves them: the side to begin ready, the other waiting.
        booth_.showFrame(0, toMove == kRed ? 4 : 3);
        booth_.showFrame(1, 13);
        scene_.setPumpVisible(1 - toMove, true);
        scene_.setPumpVisible(toMove, false);
        scene_.setComment(computer ? Phrase("Computer begins") : Phrase("%1 begins", {Phrase::name(name)}));
        return;
    }
    // The last mover has squirted, the side to move stands ready.
    const int last = 1 - toMove;
    booth_.showFrame(last, last * 9 + 8);
    booth_.showFrame(toMove, toMove * 9 + 4);
    scene_.setPumpVisible(last, true);
    scene_.setPumpVisible(toMove, false);
    scene_.setComment(computer ? Phrase("Computer's turn") : Phrase("%1's turn", {Phrase::name(name)}));
}

void Replayer::replay(const KeptGame& game)
{
    replaying_ = true;
    stopped_ = false;
    struct Done {
        bool& replaying;
        ~Done() { replaying = false; }
    } done{replaying_};

    // An empty wall with its grease spots; the wall's input only stops the replay.
    KeptGame g = game;
    g.cursorTraces.clear();
    booth_.draw("Zeichne_Raster", true, [](WallDrawing& w) { w.Zeichne_Raster(); });
    const int n = board_.wallSize;
    board_.newGame(n);
    state_.moveCount = 0;
    state_.cursorX = state_.cursorY = static_cast<i16>(n / 2 + 1);
    log_.clear();
    paintGrease(g);
    booth_.resetPuddles();
    booth_.drawCursor(2);
    scene_.setWallEnabled(true);

    int mover = g.firstMover;
    for (std::size_t i = 0; i < g.moves.size() && !stopped_; ++i) {
        const KeptMove& m = g.moves[i];
        const bool computer = mover == kRed && g.computerPlaysRed;
        const Phrase::Part who =
            computer ? Phrase::ours("Computer") : Phrase::name(mover == kRed ? g.redName : g.blueName);
        scene_.setComment(
            {"Move %1: %2, %3",
             {Phrase::name(std::to_string(i + 1)), who, Phrase::name(cellName(m.column, m.row))}});
        booth_.drawCursor(15);
        paintMove(m, mover, kSquirtSeconds);
        booth_.events();
        if (!stopped_)
            booth_.pause(kBetweenMovesSeconds);
        booth_.events();
        mover = 1 - mover;
    }
}

} // namespace splot
