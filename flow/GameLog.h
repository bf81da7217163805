// The game's log: its moves as they were played, its grease spots with the
// seed they were drawn with, and where the cursor left its dots on them; what
// the settings file keeps of an unfinished game and what a replay plays back.
#pragma once

#include "flow/KeptGame.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace splot {

class Board;
struct GameSettings;
struct GameState;

class GameLog {
  public:
    // A new game on an empty wall.
    void clear();
    void addMove(const KeptMove& move) { moves_.push_back(move); }
    const std::vector<KeptMove>& moves() const { return moves_; }
    void setGrease(std::vector<KeptCell> grease, std::uint32_t seed);
    // The cursor taken off a grease spot leaves its dots there from now on.
    bool hasTrace(int column, int row) const;
    void addTrace(int column, int row);
    std::size_t traceCount() const { return traces_.size(); }
    // Back to an earlier length: a spoiled move, a take back.
    void cutTo(std::size_t moves, std::size_t traces);

    // The game as it is kept, with the rules it runs by.
    KeptGame kept(const Board& board, const GameState& state, const GameSettings& settings, int level,
                  int drawOfferCounter) const;

  private:
    std::vector<KeptMove> moves_;
    std::vector<KeptCell> grease_;
    std::uint32_t greaseSeed_ = 0;
    std::vector<KeptTrace> traces_;
};

} // namespace splot
