// The booth as the game's procedures use it: waits and events that end when
// the window closes, sounds, the painters' frames and sequences, the puddles,
// the wall's cursor and drawings, and the landing of a splot.
#include "flow/Booth.h"

#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/GameLog.h"
#include "flow/GameSnapshot.h"
#include "flow/Narrator.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Scene.h"
#include "platform/Sound.h"
#include "platform/WallDrawing.h"

#include <stdexcept>

namespace splot {

Booth::Booth(Clock& clock, Sound& sound, Scene& scene, Random& random, FailureGuard& guard,
             const GameSettings& settings, Board& board, GameState& state, GameLog& log, Narrator& narrator)
    : clock_(clock), sound_(sound), scene_(scene), random_(random), guard_(guard), settings_(settings),
      board_(board), state_(state), log_(log), narrator_(narrator)
{
}

bool Booth::soundOn() const
{
    return settings_.soundOn == 1;
}

WallDrawing& Booth::wall()
{
    if (!wall_)
        throw std::logic_error("the wall drawing is not attached");
    return *wall_;
}

double Booth::mark()
{
    return clock_.now();
}

void Booth::waitUntil(double deadline)
{
    guard_.checkAbandoned();
    narrator_.speak(guard_.abandoned());
    guard_.step([&] { clock_.waitUntil(deadline); });
    guard_.checkAbandoned();
}

void Booth::pause(double seconds)
{
    waitUntil(mark() + seconds);
}

void Booth::events()
{
    guard_.checkAbandoned();
    narrator_.speak(guard_.abandoned());
    guard_.step([&] { clock_.doEvents(); });
    guard_.checkAbandoned();
}

void Booth::playSound(const std::string& fileName)
{
    // The setting is read at the moment of the sound.
    if (soundOn())
        guard_.step([&] { sound_.play(fileName); });
}

void Booth::showFrame(int who, int frame)
{
    guard_.step([&] { scene_.setCharacterFrame(who, frame); });
}

void Booth::moveCursor(int column, int row)
{
    drawCursor(15);
    state_.cursorX = static_cast<i16>(column);
    state_.cursorY = static_cast<i16>(row);
    drawCursor(2);
}

void Booth::drawCursor(int colour)
{
    // Taken off a grease spot, the cursor leaves white dots on its drops.
    const int x = state_.cursorX, y = state_.cursorY;
    if (colour == 15 && state_.boardExists && onWall(x, y) && board_.cells(board_.index(x, y)) == kGrease &&
        !log_.hasTrace(x, y))
        log_.addTrace(x, y);
    draw("Zeichne_Cursor", false, [colour](WallDrawing& w) { w.Zeichne_Cursor(colour); });
}

void Booth::draw(const char* name, bool needed, const std::function<void(WallDrawing&)>& drawing)
{
    guard_.call(name, needed, [&] { drawing(wall()); });
}

bool Booth::onWall(int x, int y) const
{
    const int N = board_.wallSize;
    return x >= 1 && x <= N && y >= 1 && y <= N;
}

void Booth::chatter()
{
    if (soundOn())
        runGeschwaetz();
}

void Booth::runGeschwaetz()
{
    guard_.procedure("Geschwaetz", false, [this] {
        // k = 7r + 4 rounded halves to even, 4 .. 11; above 8 the painter keeps quiet.
        float r = 1;
        guard_.step([&] { r = random_.Rnd(); });
        const int k = roundHalfEven(7.0 * static_cast<double>(r) + 4.0);
        if (k > 8)
            return;
        playSound("splot" + std::to_string(k) + ".wav");
        pause(0.4);
    });
}

void Booth::runSequenz(int n)
{
    guard_.procedure("Sequenz", false, [this, n] { sequenzSteps(n); });
}

void Booth::sequenzSteps(int n)
{
    double t = 0;
    switch (n) {
    case 1: // the introduction: the painters step forward and greet
        t = mark();
        waitUntil(t + 0.4);
        showFrame(0, 2);
        events();
        t = mark();
        guard_.step([this] { scene_.moveCharacter(0, -130, -60); });
        showFrame(0, 3);
        chatter();
        showFrame(1, 11);
        events();
        waitUntil(t + 0.5);
        chatter();
        showFrame(0, 4);
        guard_.step([this] { scene_.moveCharacter(1, 140, -60); });
        showFrame(1, 12);
        events();
        chatter();
        showFrame(1, 13);
        showFrame(0, 8);
        events();
        chatter();
        showFrame(1, 17);
        events();
        chatter();
        break;

    case 2: // Red has won
    case 3: // Blue has won
    {
        const int who = n == 2 ? 0 : 1;
        const int base = who * 9;
        t = mark();
        showFrame(who, base + 6);
        events();
        waitUntil(t + 0.4);
        t = mark();
        showFrame(who, base + 7);
        events();
        waitUntil(t + 0.4);
        showFrame(who, base + 5);
        break;
    }

    case 4: // draw
        showFrame(0, 5);
        showFrame(1, 14);
        break;

    case 5: // Red squirts: the pump turns to Blue's side
    case 6: // Blue squirts
    {
        const int who = n == 5 ? 0 : 1;
        const int base = who * 9;
        pause(0.3);
        t = mark();
        showFrame(who, base + 3);
        guard_.step([this, who] {
            scene_.setPumpVisible(who, true);
            scene_.setPumpVisible(1 - who, false);
        });
        events();
        waitUntil(t + 0.3);
        playSound("splot2.wav");
        showFrame(who, base + 8);
        break;
    }

    case 7: // new game
        chatter();
        pause(0.4);
        showFrame(1, 12);
        showFrame(0, 3);
        events();
        chatter();
        pause(0.4);
        showFrame(1, 13);
        chatter();
        pause(0.4);
        chatter();
        break;

    default:
        break;
    }
}

void Booth::growPuddle(int mover)
{
    // The mover's puddle grows by 30 in height around its centre line and by
    // 120 in width, 80 of them to the left for Red, 40 for Blue.
    TwipRect puddle = scene_.puddle(mover);
    puddle.height += 30;
    puddle.top -= 15;
    puddle.width += 120;
    puddle.left -= mover == kRed ? 80 : 40;
    scene_.setPuddle(mover, puddle);
}

void Booth::whiteOutCell(int x, int y)
{
    // White over the cell's inner square takes the splatter away.
    guard_.step(
        [&] {
            WallDrawing& w = wall();
            Canvas& canvas = w.canvas();
            const double left = w.cellInset() + (x - 1) * w.cellSize();
            const double top = w.cellInset() + (y - 1) * w.cellSize();
            canvas.setFillStyle(Canvas::Solid);
            canvas.setForeColor(15);
            canvas.box(left, top, left + w.innerSize(), top + w.innerSize(), true);
        },
        true);
}

void Booth::land(int cell, int mover)
{
    // The splot enters the evaluation and is counted. A retry evaluates from
    // the board and the count as they were before the evaluation began.
    const Board before = board_;
    const i16 countBefore = state_.moveCount;
    guard_.call(
        "Zug_Auswertung", true, [&] { board_.play(cell, mover, state_.moveCount); },
        [&] { board_ = before, state_.moveCount = countBefore; });
}

void Booth::resetPuddles()
{
    // The puddles start as points at the bottom of the pump, Red's near its
    // left end, Blue's near its right end.
    const TwipRect pump = scene_.pumpRect(0);
    const int top = pump.top + pump.height - 10;
    scene_.setPuddle(0, TwipRect{pump.left + 120, top, 0, 0});
    scene_.setPuddle(1, TwipRect{pump.left + pump.width - 120, top, 0, 0});
}

} // namespace splot
