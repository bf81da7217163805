// Taking a move back: before every human move the game keeps a snapshot of
// what that move will change (the board with its evaluation, the state, the
// draw offer count, the label, the painters, the pump and puddles, and the
// wall's picture as the player saw it); a take back puts the last of these
// back, so that the position is exactly the one before the move, the
// computer's reply undone with it.
#include "flow/Game.h"

#include "platform/Scene.h"
#include "platform/WallDrawing.h"

#include <utility>

namespace splot {

bool Game::canTakeBack() const
{
    return !abandoned_ && !busy() && !search_.hintMode && state_.boardExists && !takeBacks_.empty();
}

void Game::showTakeBackItem(bool enabled)
{
    scene_.setMenuEnabled(Scene::MenuItem::TakeBack, enabled);
}

void Game::markPictureBeforeMove()
{
    pictureBeforeMove_ = wall().savePicture();
}

void Game::keepTakeBackPoint()
{
    TakeBackPoint p{snapshot()};
    // The picture as the player saw it before the move, cursor and all (the
    // cursor may stand on a splot that covers part of it). Without that, the
    // picture now, whose cursor is drawn again when the point is restored.
    p.cursorShown = pictureBeforeMove_ != nullptr;
    if (p.cursorShown)
        p.game.wall = std::move(pictureBeforeMove_);
    pictureBeforeMove_.reset();
    takeBacks_.push_back(std::move(p));
}

void Game::forgetTakeBacks()
{
    takeBacks_.clear();
    pictureBeforeMove_.reset();
    counted_.reset();
}

void Game::restoreTakeBackPoint()
{
    if (takeBacks_.empty())
        return;
    // A copy: restoring it drops the point from the list.
    const TakeBackPoint p = takeBacks_.back();
    scene_.setWallEnabled(false);
    const Board before = board_;
    restore(p.game);
    sayTakeBack(before);
    if (!p.cursorShown)
        drawCursor(2);
    standingFrames_[0] = p.game.frames[0];
    standingFrames_[1] = p.game.frames[1];
}

void Game::takeBackPose()
{
    // The painters rest a moment while the paint goes back into the pump,
    // then stand as they stood before the move.
    scene_.setWallEnabled(false);
    showFrame(0, 0);
    showFrame(1, 9);
    playSound("splot2.wav");
    events();
    pause(0.4);
    showFrame(0, standingFrames_[0]);
    showFrame(1, standingFrames_[1]);
    events();

    scene_.setWallEnabled(true);
    scene_.focusWall();
}

} // namespace splot
