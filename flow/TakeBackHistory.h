// The take-back history: a snapshot before every human move of the running
// game, the wall's picture as the player saw it, and the result the game was
// counted with in the record.
#pragma once

#include "flow/GameSnapshot.h"

#include <vector>

namespace splot {

class TakeBackHistory {
  public:
    // What a take back comes back to: the game just before a human move.
    struct Point {
        GameSnapshot game;
        bool cursorShown = false; // the picture still shows the cursor
    };

    // The wall's picture just before a human move takes the cursor off it.
    void markPicture(std::shared_ptr<const Canvas::Saved> picture)
    {
        pictureBeforeMove_ = std::move(picture);
    }
    // Keeps the point before a move: the game as it stands, with the marked
    // picture when there is one (it may show the cursor where the splot will
    // cover part of it).
    void keep(GameSnapshot game);

    bool empty() const { return points_.empty(); }
    std::size_t size() const { return points_.size(); }
    const Point& last() const { return points_.back(); }
    // Moves made since a snapshot of `size` points can no longer be taken back.
    void cutTo(std::size_t size);
    // A new game: nothing to take back, nothing counted.
    void forget();

    // The result this game was counted with in the record.
    const std::optional<GameResult>& counted() const { return counted_; }
    void setCounted(const std::optional<GameResult>& result) { counted_ = result; }

  private:
    std::vector<Point> points_;
    std::shared_ptr<const Canvas::Saved> pictureBeforeMove_; // until a move keeps it
    std::optional<GameResult> counted_;
};

} // namespace splot
