// What a screen reader hears of the wall: cell names ("C3"), a cell with its
// contents ("C3, red"), a row, a column, the diagonals, the last moves and
// the turn, in the phrases of the program's language.
#pragma once

#include <string>

namespace splot {

class Announcer;
class Board;
struct GameSettings;
struct GameState;

class Spoken {
  public:
    Spoken(const Board& board, const GameState& state, const GameSettings& settings,
           const Announcer& phrases);

    // Columns A, B, C ... from the left (then AA, AB ...), rows 1, 2, 3 ... from the top.
    static std::string columnName(int column);
    static std::string cellName(int column, int row);

    // The cells on the wall for a screen reader: 0 before the first game.
    int wallSize() const;
    // The cursor's cell.
    int cursorColumn() const;
    int cursorRow() const;
    // "Wall, 8 by 8".
    std::string wallName() const;
    // "C3, empty", "C3, red, winning line".
    std::string cell(int column, int row) const;
    // "Row 5: D red, E red; the rest empty" through the cursor; "Column D: ...".
    std::string row(int row) const;
    std::string column(int column) const;
    // The two diagonals through the cell.
    std::string diagonals(int column, int row) const;
    // Whose turn it is and the move number, or that no game runs.
    std::string turn() const;
    // The last move of each side, the earlier first.
    std::string lastMoves() const;
    // The name of the side: the computer or a player.
    std::string sideName(int side) const;
    // A phrase with %1 (and %2, %3) filled in.
    std::string say(const char* english, const std::string& a = {}, const std::string& b = {},
                    const std::string& c = {}) const;
    // Whether the cell lies on the line that won the game.
    bool onWinningLine(int column, int row) const;

  private:
    // What the cell holds: "red", "blue", "grease spot", "" when empty.
    std::string contents(int column, int row) const;
    // Painted cells along a line of cells, named by `name`, then whether some are empty.
    template <typename Step, typename Name> std::string painted(int count, Step at, Name name) const;

    const Board& board_;
    const GameState& state_;
    const GameSettings& settings_;
    const Announcer& phrases_;
};

} // namespace splot
