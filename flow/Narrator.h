// What a screen reader hears during a game: the texts of the label, the
// computer's move, a refused cell, the result, a take back, the hint, and the
// wall read out by the reading keys. Sentences gather while the game works and
// are said together at the next wait, or when the work is over.
#pragma once

#include "platform/Phrase.h"

#include <string>
#include <vector>

namespace splot {

class Announcer;
class Board;
class Scene;
struct GameSettings;
struct GameState;

class Narrator {
  public:
    Narrator(const Board& board, const GameState& state, const GameSettings& settings, const Scene& scene);

    // None by default: then nothing is gathered or said.
    void attach(Announcer* announcer) { announcer_ = announcer; }

    // Says what gathered, the label's newest text first; drops it when the window closes.
    void speak(bool abandoned);
    void sayMove(int side, int column, int row);
    void sayWin(int winner, int line);
    // The splots that the board `before` held and the board no longer does.
    void sayTakeBack(const Board& before);
    void sayTaken(int column, int row);
    void sayHint(int column, int row);
    void sayNothingThatWay();
    // The reading keys: L the last moves, T the turn, R and C the cursor's
    // row and column, D its diagonals; said at once.
    void readOut(int keyCode);

  private:
    void say(const std::string& sentence);
    void noteComment();

    const Board& board_;
    const GameState& state_;
    const GameSettings& settings_;
    const Scene& scene_;
    Announcer* announcer_ = nullptr;
    std::vector<std::string> spoken_; // said at the next wait
    Phrase spokenComment_;            // the label's text last said
};

} // namespace splot
