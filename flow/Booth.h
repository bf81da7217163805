// The booth as the game's procedures use it: the waits and events that end
// when the window closes, the sounds, the painters' frames and picture
// sequences with their chatter, the pump's puddles, and the wall's cursor and
// drawings. Each use of the platform is a step of the running procedure, so a
// failure in it is reported and can be retried.
#pragma once

#include "flow/FailureGuard.h"

#include <functional>
#include <string>

namespace splot {

class Board;
class Clock;
class GameLog;
class Narrator;
class Random;
class Scene;
class Sound;
class WallDrawing;
struct GameSettings;
struct GameState;

class Booth {
  public:
    Booth(Clock& clock, Sound& sound, Scene& scene, Random& random, FailureGuard& guard,
          const GameSettings& settings, Board& board, GameState& state, GameLog& log, Narrator& narrator);

    void attachWall(WallDrawing& wall) { wall_ = &wall; }
    bool hasWall() const { return wall_ != nullptr; }
    WallDrawing& wall();

    // Waits: the narrator speaks first, and the window's closing ends them.
    double mark();
    void waitUntil(double deadline);
    void pause(double seconds);
    void events();

    void playSound(const std::string& fileName);
    void showFrame(int who, int frame);
    // The painters' picture sequences (1 introduction, 2 and 3 a win, 4 a
    // draw, 5 and 6 a squirt, 7 a new game) and their chatter.
    void runSequenz(int n);
    void runGeschwaetz();

    // The puddles under the pump: back to points for a new game; the mover's
    // grows at a blocked squirt.
    void resetPuddles();
    void growPuddle(int mover);
    // White over the cell's inner square takes a failed squirt's splatter away.
    void whiteOutCell(int x, int y);

    bool onWall(int x, int y) const;
    // Erases the cursor, moves it to (column, row) and draws it again.
    void moveCursor(int column, int row);
    // Taken off a grease spot, the cursor leaves white dots on its drops.
    void drawCursor(int colour);
    // A wall drawing procedure, guarded under its own name; a needed drawing
    // spoils the move when lost.
    void draw(const char* name, bool needed, const std::function<void(WallDrawing&)>& drawing);

    // The splot enters the evaluation and is counted. A retry evaluates from
    // the board and the count as they were before.
    void land(int cell, int mover);

  private:
    void sequenzSteps(int n);
    void chatter();
    bool soundOn() const;

    Clock& clock_;
    Sound& sound_;
    Scene& scene_;
    Random& random_;
    FailureGuard& guard_;
    const GameSettings& settings_;
    Board& board_;
    GameState& state_;
    GameLog& log_;
    Narrator& narrator_;
    WallDrawing* wall_ = nullptr;
};

} // namespace splot
