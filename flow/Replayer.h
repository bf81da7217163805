// The replayer: paints a kept game's grease spots and moves again with the
// seeds they were first drawn with, fast when a kept game is continued, at a
// brisk pace with each move named on the label when a game is replayed.
#pragma once

#include "flow/KeptGame.h"

#include <cstddef>

namespace splot {

class Board;
class Booth;
class FailureGuard;
class GameLog;
class Random;
class Scene;
struct GameState;

class Replayer {
  public:
    Replayer(Board& board, GameState& state, Booth& booth, GameLog& log, Random& random, Scene& scene,
             FailureGuard& guard);

    // The grease spots of the game on the board and the wall, and in the log.
    void paintGrease(const KeptGame& game);
    // The cursor's white dots on the grease spots it left after `moves` moves.
    void drawTraces(const KeptGame& game, std::size_t moves);
    // The kept move for `mover` on the board, the wall and in the log, without
    // the painters' sequences; pace > 0 shows the squirt for that long.
    void paintMove(const KeptMove& move, int mover, double pace);
    // The painters, the pump and the label at rest, with `moves` moves made.
    void restPose(const KeptGame& game, std::size_t moves);

    // Plays the game's moves back from an empty wall, each named on the label,
    // until the last or until stop().
    void replay(const KeptGame& game);
    bool replaying() const { return replaying_; }
    void stop() { stopped_ = replaying_; }

  private:
    Board& board_;
    GameState& state_;
    Booth& booth_;
    GameLog& log_;
    Random& random_;
    Scene& scene_;
    FailureGuard& guard_;
    bool replaying_ = false;
    bool stopped_ = false;
};

} // namespace splot
