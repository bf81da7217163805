// Continuing a kept game: the running game as it is kept, and a kept game
// brought back by painting its grease spots and moves again with the seeds
// they were first drawn with, keeping the take-back points on the way.
#include "flow/Game.h"

#include "platform/Questions.h"
#include "platform/Random.h"
#include "platform/Scene.h"
#include "platform/StdRandom.h"
#include "platform/WallDrawing.h"

#include <algorithm>

namespace splot {

namespace {

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

std::optional<KeptGame> Game::keptGame() const
{
    if (!state_.boardExists || !state_.gameRunning || state_.gameOver != kFalse)
        return std::nullopt;
    KeptGame g;
    g.wallSize = board_.wallSize;
    g.computerPlaysRed = settings_.computerPlaysRed != kFalse;
    g.level = search_.gameLevel;
    g.redName = settings_.redName;
    g.blueName = settings_.blueName;
    g.blockedNozzle = settings_.blockedNozzle != 0;
    g.greaseSpots = settings_.greaseSpots != 0;
    g.grease = grease_;
    g.greaseSeed = greaseSeed_;
    g.cursorTraces = cursorTraces_;
    g.firstMover = state_.redBegins != kFalse ? kRed : kBlue;
    g.moves = moves_;
    g.cursor = {state_.cursorX, state_.cursorY};
    g.drawOfferCounter = search_.drawOfferCounter;
    return g;
}

void Game::continueGame(const KeptGame& game)
{
    command("Fortsetzen_click", [this, game] {
        CommandDoor::Busy busy(door_);
        if (state_.gameRunning && state_.gameOver == kFalse) {
            if (!questions_.askYesNo("Really start a new game?", "Start"))
                return;
            checkAbandoned();
        }
        allOrNothing([&] { procedure("Fortsetzen_click", true, [&] { rebuild(game); }); });
    });
}

void Game::rebuild(const KeptGame& g)
{
    state_.gameRunning = false;
    // The game's own rules; the player's choices wait for the next start.
    if (!waitingRules_)
        waitingRules_ = rulesOf(settings_);
    setRules(settings_,
             {static_cast<i16>(g.wallSize), g.computerPlaysRed ? kTrue : kFalse, static_cast<i16>(g.level),
              g.greaseSpots ? kTrue : kFalse, g.blockedNozzle ? kTrue : kFalse});
    settings_.redName = g.redName;
    settings_.blueName = g.blueName;

    if (scene_.storyVisible())
        scene_.hideStory();
    scene_.setMenuEnabled(Scene::MenuItem::Story, false);
    scene_.setMenuEnabled(Scene::MenuItem::Tip, settings_.hintsOn == 1);
    draw("Zeichne_Raster", true, [](WallDrawing& w) { w.Zeichne_Raster(); });
    if (!scene_.wallVisible())
        scene_.setWallVisible(true);
    scene_.setWallEnabled(false);
    // The painters step up to the wall once per program run, as at a first start.
    if (!state_.firstGameStarted) {
        showFrame(0, 1);
        showFrame(1, 10);
        events();
        runSequenz(1);
    }
    state_.firstGameStarted = true;

    search_.drawOfferCounter = static_cast<i16>(g.drawOfferCounter);
    search_.gameLevel = settings_.level;
    if (!step([&] { board_.newGame(g.wallSize); }, true))
        return;
    state_.boardExists = true;
    state_.redBegins = g.firstMover == kRed ? kTrue : kFalse;
    state_.gameOver = kFalse;
    state_.moveCount = 0;
    state_.winningLine = 0, state_.lastMover = -1, state_.lastColumn[0] = state_.lastColumn[1] = 0;
    moveCursor(g.wallSize / 2 + 1, g.wallSize / 2 + 1);
    moves_.clear();
    cursorTraces_.clear();
    rebuildGrease(g);
    resetPuddles();
    history_.forget();
    state_.gameRunning = true;

    int mover = g.firstMover;
    for (std::size_t i = 0; i < g.moves.size(); ++i) {
        // The cursor moved by the keys, or to the computer's choice.
        const KeptMove& m = g.moves[i];
        drawTraces(g, i);
        if (state_.cursorX != m.fromColumn || state_.cursorY != m.fromRow)
            moveCursor(m.fromColumn, m.fromRow);
        if (mover == kBlue || !g.computerPlaysRed) {
            // The take-back point, with the painters and the label as they were.
            restPose(g, i);
            board_.currentPlayer = static_cast<i16>(mover);
            markPictureBeforeMove();
            drawCursor(15);
            keepTakeBackPoint();
        }
        paintKeptMove(m, mover, 0);
        // The cursor drawn again after the move, as the wall's input does (not
        // after the computer's opening move, which no input came before).
        if (i > 0 || mover == kBlue || !g.computerPlaysRed)
            drawCursor(2);
        mover = 1 - mover;
    }
    drawTraces(g, g.moves.size());
    if (state_.cursorX != g.cursor.column || state_.cursorY != g.cursor.row)
        moveCursor(g.cursor.column, g.cursor.row);
    restPose(g, g.moves.size());
    board_.currentPlayer = static_cast<i16>(mover);
    scene_.setMenuEnabled(Scene::MenuItem::Continue, false);
    // The computer kept to move moves now (its move may decide the game).
    if (mover == kRed && g.computerPlaysRed)
        runZugRot();
    if (state_.gameOver == kFalse) {
        scene_.setWallEnabled(true);
        scene_.focusWall();
    }
}

void Game::rebuildGrease(const KeptGame& g)
{
    grease_ = g.grease;
    greaseSeed_ = g.greaseSeed;
    if (g.greaseSpots) {
        // Spots scattered from their seed are painted as they were scattered;
        // spots that the seed does not give (another generator) are painted
        // one by one with draws from it.
        Board scattered;
        scattered.newGame(g.wallSize);
        NoCanvas nowhere;
        StdRandom trial(g.greaseSeed);
        scattered.Fettflecken(trial, nowhere, wall().cellSize(), wall().innerSize());
        std::vector<KeptCell> cells;
        for (int row = 1; row <= g.wallSize; ++row)
            for (int column = 1; column <= g.wallSize; ++column)
                if (scattered.cells(scattered.index(column, row)) == kGrease)
                    cells.push_back({column, row});
        StdRandom draws(g.greaseSeed);
        call("Fettflecken", true, [&] {
            if (sameCells(cells, g.grease)) {
                board_.Fettflecken(draws, wall().canvas(), wall().cellSize(), wall().innerSize());
                return;
            }
            for (const KeptCell& c : g.grease) {
                board_.placeGreaseSpot(c.column, c.row);
                Board::drawGreaseSpot(draws, wall().canvas(), c.column, c.row, wall().cellSize(),
                                      wall().innerSize());
            }
        });
    }
}

void Game::drawTraces(const KeptGame& g, std::size_t moves)
{
    const KeptCell at{state_.cursorX, state_.cursorY};
    for (const KeptTrace& t : g.cursorTraces) {
        if (t.afterMoves != static_cast<int>(moves))
            continue;
        state_.cursorX = static_cast<i16>(t.column);
        state_.cursorY = static_cast<i16>(t.row);
        drawCursor(15);
    }
    state_.cursorX = static_cast<i16>(at.column);
    state_.cursorY = static_cast<i16>(at.row);
}

void Game::paintKeptMove(const KeptMove& m, int mover, double pace)
{
    const int cell = board_.index(m.column, m.row);
    board_.currentPlayer = static_cast<i16>(mover);
    board_.currentCell = static_cast<i16>(cell);
    board_.reserve(cell, mover);
    state_.cursorX = static_cast<i16>(m.column);
    state_.cursorY = static_cast<i16>(m.row);
    drawCursor(2);
    if (pace > 0) {
        // The squirt, shortened: the painter lifts the nozzle and squirts.
        showFrame(mover, mover * 9 + 3);
        scene_.setPumpVisible(mover, true);
        scene_.setPumpVisible(1 - mover, false);
        events();
        pause(pace);
        showFrame(mover, mover * 9 + 8);
    }
    if (m.blocked) {
        board_.release(cell);
        growPuddle(mover);
        whiteOutCell(m.column, m.row);
        drawCursor(2);
    } else {
        random_.seedNextRandomize(m.seed);
        // The screen reader's last moves, as the wall shows them (nothing is said).
        state_.lastColumn[mover] = static_cast<i16>(m.column);
        state_.lastRow[mover] = static_cast<i16>(m.row);
        state_.lastMover = static_cast<i16>(mover);
        draw("Zeichne_Klecks", true, [&](WallDrawing& w) { w.Zeichne_Klecks(m.column, m.row); });
        landSplot(cell, mover);
    }
    moves_.push_back(m);
}

void Game::restPose(const KeptGame& g, std::size_t moves)
{
    const int toMove = (g.firstMover + static_cast<int>(moves)) % 2;
    const std::string& name = toMove == kRed ? g.redName : g.blueName;
    const bool computer = toMove == kRed && g.computerPlaysRed;
    if (moves == 0) {
        // As a new game leaves them: the side to begin ready, the other waiting.
        showFrame(0, toMove == kRed ? 4 : 3);
        showFrame(1, 13);
        scene_.setPumpVisible(1 - toMove, true);
        scene_.setPumpVisible(toMove, false);
        scene_.setComment(computer ? Phrase("Computer begins") : Phrase("%1 begins", {Phrase::name(name)}));
        return;
    }
    // The last mover has squirted, the side to move stands ready.
    const int last = 1 - toMove;
    showFrame(last, last * 9 + 8);
    showFrame(toMove, toMove * 9 + 4);
    scene_.setPumpVisible(last, true);
    scene_.setPumpVisible(toMove, false);
    scene_.setComment(computer ? Phrase("Computer's turn") : Phrase("%1's turn", {Phrase::name(name)}));
}

} // namespace splot
