// Continuing a kept game (its rules, the wall set out as for any new game, its
// moves painted again with the take-back points on the way) and the replay of
// the running or the last game.
#include "flow/Game.h"

#include "platform/Scene.h"

namespace splot {

std::optional<KeptGame> Game::keptGame() const
{
    if (!state_.boardExists || !state_.gameRunning || state_.gameOver != kFalse)
        return std::nullopt;
    return log_.kept(board_, state_, settings_, search_.gameLevel, search_.drawOfferCounter);
}

void Game::continueGame(const KeptGame& game)
{
    command("fortsetzen_Click", [this, game] {
        CommandDoor::Busy busy(door_);
        if (!mayGiveUp(NewGame::Continue))
            return;
        allOrNothing([&] { procedure("fortsetzen_Click", true, [&] { rebuild(game); }); });
    });
}

void Game::rebuild(const KeptGame& g)
{
    state_.gameRunning = false;
    // The game's own rules; the player's choices wait for the next start.
    rules_.runBy(g);

    setOutWall();
    scene_.setMenuEnabled(Scene::MenuItem::Tip, settings_.hintsOn == 1);

    search_.drawOfferCounter = static_cast<i16>(g.drawOfferCounter);
    search_.gameLevel = settings_.level;
    freshBoard(g.wallSize);
    if (!state_.boardExists)
        return;
    state_.redBegins = g.firstMover == kRed ? kTrue : kFalse;
    replayer_.paintGrease(g);
    booth_.resetPuddles();
    history_.forget();
    state_.gameRunning = true;

    int mover = g.firstMover;
    for (std::size_t i = 0; i < g.moves.size(); ++i) {
        // The cursor moved by the keys, or to the computer's choice.
        const KeptMove& m = g.moves[i];
        replayer_.drawTraces(g, i);
        if (state_.cursorX != m.fromColumn || state_.cursorY != m.fromRow)
            booth_.moveCursor(m.fromColumn, m.fromRow);
        if (mover == kBlue || !g.computerPlaysRed) {
            // The take-back point, with the painters and the label as they were.
            replayer_.restPose(g, i);
            board_.currentPlayer = static_cast<i16>(mover);
            markPictureBeforeMove();
            booth_.drawCursor(15);
            keepTakeBackPoint();
        }
        replayer_.paintMove(m, mover, 0);
        // The cursor drawn again after the move, as the wall's input does (not
        // after the computer's opening move, which no input came before).
        if (i > 0 || mover == kBlue || !g.computerPlaysRed)
            booth_.drawCursor(2);
        mover = 1 - mover;
    }
    replayer_.drawTraces(g, g.moves.size());
    if (state_.cursorX != g.cursor.column || state_.cursorY != g.cursor.row)
        booth_.moveCursor(g.cursor.column, g.cursor.row);
    replayer_.restPose(g, g.moves.size());
    board_.currentPlayer = static_cast<i16>(mover);
    keptGameGone();
    // The computer kept to move moves now (its move may decide the game).
    if (mover == kRed && g.computerPlaysRed)
        runZugRot();
    if (state_.gameOver == kFalse) {
        scene_.setWallEnabled(true);
        scene_.focusWall();
    }
}

void Game::replay()
{
    if (replayer_.replaying()) {
        replayer_.stop();
        return;
    }
    command("wiederholung_Click", [this] {
        if (!canReplay())
            return;
        CommandDoor::Busy busy(door_);
        runReplay();
    });
}

void Game::inputCame()
{
    replayer_.stop();
}

void Game::showReplayItem()
{
    scene_.setMenuEnabled(Scene::MenuItem::Replay, canReplay());
}

void Game::runReplay()
{
    // The game as it stands, decided or not; afterwards the game, its log and
    // the wall are put back exactly as they were.
    const GameSnapshot before = snapshot();
    const GameLog logBefore = log_;
    const KeptGame kept = log_.kept(board_, state_, settings_, search_.gameLevel, search_.drawOfferCounter);
    struct Back {
        Game& game;
        const GameSnapshot& before;
        const GameLog& log;
        ~Back()
        {
            if (game.abandoned())
                return;
            game.log_ = log;
            game.restore(before);
        }
    } back{*this, before, logBefore};
    replayer_.replay(kept);
}

} // namespace splot
