// The wall's drawing procedures: grid, cursor, splots, splatter and the
// winning line, in the wall's units.
#include "presentation/WallPainter.h"

#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/GameSnapshot.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Sound.h"

#include <cmath>

namespace splot {

namespace {

// Real to integer: to the nearest, halves to the even neighbour.
short toShort(double v)
{
    return static_cast<short>(std::nearbyint(v));
}

constexpr int kCursorColour = 2;
constexpr int kGridColour = 7;
constexpr int kBlueColour = 9;
constexpr int kWinColour = 10;
constexpr int kRedColour = 12;

} // namespace

WallPainter::WallPainter(Canvas& wall, const Board& board, const GameState& state,
                         const GameSettings& settings, Random& random, Sound& sound, Clock& clock)
    : wall_(wall), board_(board), state_(state), settings_(settings), random_(random), sound_(sound),
      clock_(clock)
{
}

void WallPainter::Zeichne_Raster()
{
    // A wall size below 1 cannot come from the settings; treat it as one cell
    // rather than divide by zero.
    const int n = settings_.wallSize < 1 ? 1 : settings_.wallSize;
    cellSize_ = toShort(wall_.scaleWidth() / n);
    innerSize_ = toShort(cellSize_ * 0.85);
    cellInset_ = toShort(cellSize_ * 0.08);

    wall_.cls();
    wall_.setFillStyle(Canvas::Transparent);
    wall_.setDrawWidth(1);
    const double end = static_cast<double>(n) * cellSize_;
    for (int i = 0; i < n; ++i) {
        const double at = static_cast<double>(i) * cellSize_;
        wall_.setForeColor(kGridColour);
        wall_.line(0, at, end, at);
        wall_.line(at, 0, at, end);
    }
    Zeichne_Cursor(kCursorColour);
}

void WallPainter::Zeichne_Cursor(int colour)
{
    wall_.setFillStyle(Canvas::Transparent);
    wall_.setForeColor(colour);
    wall_.setDrawWidth(1);
    wall_.setDrawStyle(Canvas::DottedPen);
    const double x = cellInset_ + static_cast<double>(cellSize_) * (state_.cursorX - 1);
    const double y = cellInset_ + static_cast<double>(cellSize_) * (state_.cursorY - 1);
    wall_.box(x, y, x + innerSize_, y + innerSize_, false);
    wall_.setDrawStyle(Canvas::SolidPen);
    if (colour == kCursorColour)
        announce();
}

void WallPainter::setPaintColour(int column, int row)
{
    const i16 code = board_.cells(board_.index(column, row));
    if (code == kRed) {
        wall_.setFillColor(kRedColour);
        wall_.setForeColor(kRedColour);
    } else if (code == kBlue) {
        wall_.setFillColor(kBlueColour);
        wall_.setForeColor(kBlueColour);
    }
}

int WallPainter::randomOffset()
{
    const float s = random_.Rnd();
    const float m = random_.Rnd();
    const double sign = s < 0.5f ? -1.0 : 1.0; // (-1) ^ Int(2s + 1)
    return toShort(sign * m * innerSize_ / 3.0);
}

void WallPainter::Zeichne_Klecks(int column, int row)
{
    wall_.setFillStyle(Canvas::Solid);
    setPaintColour(column, row);
    random_.Randomize();

    const double cx = (column - 0.5) * cellSize_;
    const double cy = (row - 0.5) * cellSize_;
    const float q = random_.Rnd();
    wall_.circle(cx, cy, (0.15 + 0.1 * q) * cellSize_);
    for (int drop = 0; drop < 7; ++drop) {
        const int dx = randomOffset();
        const int dy = randomOffset();
        const float t = random_.Rnd();
        wall_.circle(cx + dx, cy + dy, (0.02 + 0.15 * t) * innerSize_);
    }
    if (settings_.soundOn == 1)
        sound_.play("splot1.wav");
    announce();
}

void WallPainter::Zeichne_Spritzer(int column, int row)
{
    wall_.setFillStyle(Canvas::Solid);
    setPaintColour(column, row);
    random_.Randomize();

    const double cx = (column - 0.5) * cellSize_;
    const double cy = (row - 0.5) * cellSize_;
    for (int drop = 0; drop < 5; ++drop) {
        const int dx = randomOffset();
        const int dy = randomOffset();
        const float t = random_.Rnd();
        wall_.circle(cx + dx, cy + dy, 0.05 * t * innerSize_);
        clock_.doEvents(); // the drops appear one after another
    }
}

void WallPainter::Zeichne_Siegeslinie(int line)
{
    const int stride = board_.rowStride;
    auto centre = [&](int p, double& x, double& y) {
        const int r = p / stride - 3; // p is never negative: Int and \ agree
        const int c = p - (r + 3) * stride - 3;
        x = toShort((c - 0.5) * cellSize_);
        y = toShort((r - 0.5) * cellSize_);
    };
    double x1 = 0, y1 = 0, x5 = 0, y5 = 0;
    centre(board_.lineCells(1, line), x1, y1);
    centre(board_.lineCells(5, line), x5, y5);
    wall_.setDrawWidth(3);
    wall_.setForeColor(kWinColour);
    wall_.line(x1, y1, x5, y5);
}

void WallPainter::setCursorListener(std::function<void()> listener)
{
    listener_ = std::move(listener);
}

namespace {

// The canvas's picture with the geometry it was drawn at.
struct SavedWall final : Canvas::Saved {
    std::unique_ptr<Canvas::Saved> picture;
    short cellSize = 0, cellInset = 0, innerSize = 0;
};

} // namespace

std::unique_ptr<Canvas::Saved> WallPainter::savePicture() const
{
    auto saved = std::make_unique<SavedWall>();
    saved->picture = wall_.save();
    saved->cellSize = cellSize_;
    saved->cellInset = cellInset_;
    saved->innerSize = innerSize_;
    return saved;
}

void WallPainter::restorePicture(const Canvas::Saved& saved)
{
    const auto& wall = dynamic_cast<const SavedWall&>(saved);
    wall_.restore(*wall.picture);
    cellSize_ = wall.cellSize;
    cellInset_ = wall.cellInset;
    innerSize_ = wall.innerSize;
    announce();
}

void WallPainter::announce()
{
    if (listener_)
        listener_();
}

} // namespace splot
