// The human's input on the wall: keys move the cursor and play its cell, a
// click plays the clicked cell; the hint shows the cell the computer would take.
#include "flow/Game.h"

#include "platform/Scene.h"
#include "platform/WallDrawing.h"

#include <algorithm>
#include <cmath>

namespace splot {

void Game::humanMove(int x, int y)
{
    scene_.setWallEnabled(false);
    markPictureBeforeMove();
    drawCursor(15);
    runFeldAuswahl(x, y);
    drawCursor(2);
}

void Game::runKeyDown(int keyCode)
{
    const int N = board_.wallSize;
    auto& s = state_;
    if (keyCode == 13 || keyCode == 32) { // Enter, Space: the cursor's cell
        humanMove(s.cursorX, s.cursorY);
        return;
    }
    drawCursor(15);
    switch (keyCode) {
    case 36: // Home
        s.cursorX = 1;
        s.cursorY = 1;
        break;
    case 35: // End
        s.cursorX = static_cast<i16>(N);
        s.cursorY = static_cast<i16>(N);
        break;
    case 33: // Page Up
        s.cursorY = 1;
        break;
    case 34: // Page Down
        s.cursorY = static_cast<i16>(N);
        break;
    case 37: // Left
        s.cursorX = static_cast<i16>(std::max(s.cursorX - 1, 1));
        break;
    case 38: // Up
        s.cursorY = static_cast<i16>(std::max(s.cursorY - 1, 1));
        break;
    case 39: // Right
        s.cursorX = static_cast<i16>(std::min(s.cursorX + 1, N));
        break;
    case 40: // Down
        s.cursorY = static_cast<i16>(std::min(s.cursorY + 1, N));
        break;
    default:
        break;
    }
    drawCursor(2);
}

void Game::runMouseDown(double x, double y)
{
    const int cellSize = wall().cellSize();
    if (cellSize <= 0)
        return;

    // The click's place in the wall's cells, in single precision like the
    // coordinates it comes from; a click within 5 % of a cell's edge is ignored.
    const double qx = static_cast<float>(x) / static_cast<float>(cellSize);
    const double qy = static_cast<float>(y) / static_cast<float>(cellSize);
    const double fx = qx - std::floor(qx);
    const double fy = qy - std::floor(qy);
    if (!(fx >= 0.05 && fx <= 0.95 && fy >= 0.05 && fy <= 0.95))
        return;

    const int column = static_cast<int>(std::floor(qx)) + 1;
    const int row = static_cast<int>(std::floor(qy)) + 1;
    if (!onWall(column, row))
        return;
    state_.moveColumn = static_cast<i16>(column);
    state_.moveRow = static_cast<i16>(row);
    humanMove(column, row);
}

void Game::runTip()
{
    // No board before the first game; after a decided game there is nothing
    // left to hint at (and no second draw to offer).
    if (!gameOn())
        return;

    search_.hintMode = true;
    struct Reset {
        Search& search;
        ~Reset() { search.hintMode = false; }
    } reset{search_};
    const bool chosen = searchCell(false);
    search_.hintMode = false;
    checkAbandoned();

    // An accepted draw offer has ended the game.
    if (!chosen || state_.gameOver != kFalse)
        return;

    moveCursor(state_.moveColumn, state_.moveRow);
    sayHint(state_.moveColumn, state_.moveRow);
}

} // namespace splot
