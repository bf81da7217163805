// The wall's drawing procedures and its screen geometry: grid, cursor, splots,
// splatter and the winning line, drawn through the wall's Canvas in its own
// units (twips: an interior 4300 units wide at the design size). Plain C++.
#pragma once

#include "platform/WallDrawing.h"

#include <functional>

namespace splot {

class Board;
class Clock;
class Random;
class Sound;
struct GameSettings;
struct GameState;

class WallPainter final : public WallDrawing {
  public:
    WallPainter(Canvas& wall, const Board& board, const GameState& state, const GameSettings& settings,
                Random& random, Sound& sound, Clock& clock);

    void Zeichne_Raster() override;
    void Zeichne_Cursor(int colour) override;
    void Zeichne_Klecks(int column, int row) override;
    void Zeichne_Spritzer(int column, int row) override;
    void Zeichne_Siegeslinie(int line) override;

    int cellSize() const override { return cellSize_; }
    int cellInset() const override { return cellInset_; }
    int innerSize() const override { return innerSize_; }

    Canvas& canvas() override { return wall_; }
    std::unique_ptr<Canvas::Saved> savePicture() const override;
    void restorePicture(const Canvas::Saved& saved) override;

    // Called after the cursor is drawn (colour 2), after a splot lands and
    // after a picture is put back, so that screen readers can be told.
    void setCursorListener(std::function<void()> listener);

  private:
    void setPaintColour(int column, int row);
    int randomOffset();
    void announce();

    Canvas& wall_;
    const Board& board_;
    const GameState& state_;
    const GameSettings& settings_;
    Random& random_;
    Sound& sound_;
    Clock& clock_;
    short cellSize_ = 0;
    short cellInset_ = 0;
    short innerSize_ = 0;
    std::function<void()> listener_;
};

} // namespace splot
