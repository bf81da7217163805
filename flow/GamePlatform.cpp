// The platform as the game's procedures use it: waits and events that end
// when the window closes, sounds, the painters' frames and the wall's cursor.
#include "flow/Game.h"

#include "platform/Clock.h"
#include "platform/Scene.h"
#include "platform/Sound.h"
#include "platform/WallDrawing.h"

#include <algorithm>
#include <stdexcept>

namespace splot {

WallDrawing& Game::wall()
{
    if (!wall_)
        throw std::logic_error("the wall drawing is not attached");
    return *wall_;
}

double Game::mark()
{
    return clock_.now();
}

void Game::waitUntil(double deadline)
{
    checkAbandoned();
    speak();
    step([&] { clock_.waitUntil(deadline); });
    checkAbandoned();
}

void Game::pause(double seconds)
{
    waitUntil(mark() + seconds);
}

void Game::events()
{
    checkAbandoned();
    speak();
    step([&] { clock_.doEvents(); });
    checkAbandoned();
}

void Game::playSound(const std::string& fileName)
{
    // The setting is read at the moment of the sound.
    if (soundOn())
        step([&] { sound_.play(fileName); });
}

void Game::showFrame(int who, int frame)
{
    step([&] { scene_.setCharacterFrame(who, frame); });
}

void Game::moveCursor(int column, int row)
{
    drawCursor(15);
    state_.cursorX = static_cast<i16>(column);
    state_.cursorY = static_cast<i16>(row);
    drawCursor(2);
}

void Game::drawCursor(int colour)
{
    // Taken off a grease spot, the cursor leaves white dots on its drops.
    const int x = state_.cursorX, y = state_.cursorY;
    if (colour == 15 && state_.boardExists && onWall(x, y) && board_.cells(board_.index(x, y)) == kGrease &&
        std::none_of(cursorTraces_.begin(), cursorTraces_.end(),
                     [&](const KeptTrace& t) { return t.column == x && t.row == y; }))
        cursorTraces_.push_back({x, y, static_cast<int>(moves_.size())});
    draw("Zeichne_Cursor", false, [colour](WallDrawing& w) { w.Zeichne_Cursor(colour); });
}

void Game::draw(const char* name, bool needed, const std::function<void(WallDrawing&)>& drawing)
{
    call(name, needed, [&] { drawing(wall()); });
}

bool Game::onWall(int x, int y) const
{
    const int N = board_.wallSize;
    return x >= 1 && x <= N && y >= 1 && y <= N;
}

} // namespace splot
