// The replay: the running or the last game played back from an empty wall at
// a brisk pace, each move named on the label, until it ends or any input
// comes; then the game, the wall and the booth are exactly as before.
#include "flow/Game.h"

#include "platform/Scene.h"
#include "platform/WallDrawing.h"

namespace splot {

namespace {
constexpr double kSquirtSeconds = 0.15;
constexpr double kBetweenMovesSeconds = 0.45;
} // namespace

void Game::replay()
{
    if (replaying_) {
        stopReplay_ = true;
        return;
    }
    command("Wiederholung_click", [this] {
        if (!canReplay())
            return;
        CommandDoor::Busy busy(door_);
        runReplay();
    });
}

void Game::inputCame()
{
    if (replaying_)
        stopReplay_ = true;
}

void Game::showReplayItem()
{
    scene_.setMenuEnabled(Scene::MenuItem::Replay, canReplay());
}

void Game::runReplay()
{
    const GameSnapshot before = snapshot();
    const std::optional<KeptGame> kept = [this] {
        // The game as it stands, decided or not.
        const bool running = state_.gameRunning, over = state_.gameOver != kFalse;
        state_.gameRunning = true;
        state_.gameOver = kFalse;
        auto g = keptGame();
        state_.gameRunning = running;
        state_.gameOver = over ? kTrue : kFalse;
        return g;
    }();
    const std::vector<KeptMove> moves = moves_;
    replaying_ = true;
    stopReplay_ = false;
    // Whatever happens, the game, its lists and the wall as they were.
    struct Back {
        Game& game;
        const GameSnapshot& before;
        ~Back()
        {
            game.replaying_ = false;
            if (!game.abandoned())
                game.restore(before);
        }
    } back{*this, before};

    // An empty wall with its grease spots; the wall's input only stops the replay.
    KeptGame g = *kept;
    g.cursorTraces.clear();
    draw("Zeichne_Raster", true, [](WallDrawing& w) { w.Zeichne_Raster(); });
    const int n = board_.wallSize;
    board_.newGame(n);
    state_.moveCount = 0;
    state_.cursorX = state_.cursorY = static_cast<i16>(n / 2 + 1);
    rebuildGrease(g);
    resetPuddles();
    drawCursor(2);
    scene_.setWallEnabled(true);

    int mover = g.firstMover;
    for (std::size_t i = 0; i < moves.size() && !stopReplay_; ++i) {
        const KeptMove& m = moves[i];
        const bool computer = mover == kRed && g.computerPlaysRed;
        const Phrase::Part who =
            computer ? Phrase::ours("Computer") : Phrase::name(mover == kRed ? g.redName : g.blueName);
        scene_.setComment(
            {"Move %1: %2, %3",
             {Phrase::name(std::to_string(i + 1)), who, Phrase::name(cellName(m.column, m.row))}});
        drawCursor(15);
        paintKeptMove(m, mover, kSquirtSeconds);
        events();
        if (!stopReplay_)
            pause(kBetweenMovesSeconds);
        events();
        mover = 1 - mover;
    }
}

} // namespace splot
