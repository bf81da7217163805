// The game's snapshot: everything a move changes in the game, on the wall and
// in the booth, taken before it and put back when it is spoiled or taken back.
#include "flow/Game.h"

#include "platform/Scene.h"
#include "platform/WallDrawing.h"

#include <memory>

namespace splot {

bool Game::allOrNothing(const std::function<void()>& work)
{
    return guard_.allOrNothing(work, [this]() -> std::function<void()> {
        auto before = std::make_shared<const GameSnapshot>(snapshot());
        return [this, before] { restore(*before); };
    });
}

GameSnapshot Game::snapshot()
{
    GameSnapshot s;
    s.board = board_;
    s.state = state_;
    s.drawOfferCounter = search_.drawOfferCounter;
    if (wall_)
        s.wall = wall_->savePicture();
    s.comment = scene_.comment();
    for (int who = 0; who < 2; ++who) {
        s.frames[who] = scene_.characterFrame(who);
        s.pumps[who] = scene_.pumpVisible(who);
        s.puddles[who] = scene_.puddle(who);
    }
    s.takeBacks = history_.size();
    s.counted = history_.counted();
    s.moves = moves_.size();
    s.cursorTraces = cursorTraces_.size();
    return s;
}

void Game::restore(const GameSnapshot& before)
{
    // The painters' introduction is not played a second time.
    const bool firstGameStarted = state_.firstGameStarted;
    board_ = before.board;
    state_ = before.state;
    state_.firstGameStarted = firstGameStarted;
    search_.drawOfferCounter = before.drawOfferCounter;
    search_.hintMode = false;
    if (wall_ && before.wall)
        wall_->restorePicture(*before.wall);
    scene_.setComment(before.comment);
    for (int who = 0; who < 2; ++who) {
        scene_.setCharacterFrame(who, before.frames[who]);
        scene_.setPumpVisible(who, before.pumps[who]);
        scene_.setPuddle(who, before.puddles[who]);
    }
    scene_.setMenuEnabled(Scene::MenuItem::Story, !state_.gameRunning);
    scene_.setWallEnabled(gameOn());

    // Moves made since can no longer be taken back; a result counted since no
    // longer counts (it counts again when the game is decided again).
    history_.cutTo(before.takeBacks);
    if (moves_.size() > before.moves)
        moves_.resize(before.moves);
    if (cursorTraces_.size() > before.cursorTraces)
        cursorTraces_.resize(before.cursorTraces);
    const std::optional<GameResult> counted = history_.counted();
    if (counted && counted != before.counted && resultListener_)
        resultListener_(*counted, -1);
    history_.setCounted(before.counted);
}

} // namespace splot
