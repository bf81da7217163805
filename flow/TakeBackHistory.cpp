// The take-back history: the points kept before human moves, cut back when a
// snapshot is put back, forgotten at a new game.
#include "flow/TakeBackHistory.h"

namespace splot {

void TakeBackHistory::keep(GameSnapshot game)
{
    Point p{std::move(game)};
    // Without a marked picture, the picture now, whose cursor is drawn again
    // when the point is restored.
    p.cursorShown = pictureBeforeMove_ != nullptr;
    if (p.cursorShown)
        p.game.wall = std::move(pictureBeforeMove_);
    pictureBeforeMove_.reset();
    points_.push_back(std::move(p));
}

void TakeBackHistory::cutTo(std::size_t size)
{
    if (points_.size() > size)
        points_.resize(size);
    pictureBeforeMove_.reset();
}

void TakeBackHistory::forget()
{
    points_.clear();
    pictureBeforeMove_.reset();
    counted_.reset();
}

} // namespace splot
