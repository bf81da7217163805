// Taking a move back: the last human move, and against the computer the reply
// that followed it, put back from the take-back history to exactly the
// position before the move; then the painters' pose.
#include "flow/Game.h"

#include "platform/Scene.h"
#include "platform/WallDrawing.h"

namespace splot {

void Game::Zug_Zuruecknehmen()
{
    // Like the wall's input, a take back that comes while other work runs is
    // dropped, not held; it ends a replay.
    inputCame();
    if (!canTakeBack())
        return;
    // A Retry after a failure goes on where it failed: the game is put back once.
    bool restored = false;
    int frames[2] = {};
    door_.runNow("Zug_Zuruecknehmen", [this, &restored, &frames] {
        CommandDoor::Busy busy(door_);
        if (!restored && !history_.empty()) {
            // A copy: restoring it drops the point from the history.
            const TakeBackHistory::Point p = history_.last();
            restoreTakeBackPoint(p);
            frames[0] = p.game.frames[0];
            frames[1] = p.game.frames[1];
        }
        restored = true;
        takeBackPose(frames);
    });
}

bool Game::canTakeBack() const
{
    return !guard_.abandoned() && !busy() && !search_.hintMode && state_.boardExists && !history_.empty();
}

void Game::workChanged(bool busy)
{
    scene_.setMenuEnabled(Scene::MenuItem::TakeBack, !busy && canTakeBack());
    if (!busy) {
        showReplayItem();
        speak(); // the work is over: what happened in it
    }
}

void Game::markPictureBeforeMove()
{
    history_.markPicture(wall().savePicture());
}

void Game::keepTakeBackPoint()
{
    history_.keep(snapshot());
}

void Game::restoreTakeBackPoint(const TakeBackHistory::Point& point)
{
    scene_.setWallEnabled(false);
    const Board before = board_;
    restore(point.game);
    sayTakeBack(before);
    if (!point.cursorShown)
        drawCursor(2);
}

void Game::takeBackPose(const int (&frames)[2])
{
    // The painters rest a moment while the paint goes back into the pump,
    // then stand as they stood before the move.
    scene_.setWallEnabled(false);
    showFrame(0, 0);
    showFrame(1, 9);
    playSound("splot2.wav");
    events();
    pause(0.4);
    showFrame(0, frames[0]);
    showFrame(1, frames[1]);
    events();

    scene_.setWallEnabled(true);
    scene_.focusWall();
}

} // namespace splot
