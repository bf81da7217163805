// The wall as the engine sees it: a flat array of 16-bit cell codes with a
// border four cells wide, the tables of every five-cell line, and the live
// evaluation (a value per line, two potentials per cell).
#pragma once

#include "platform/Types.h"

#include <array>
#include <vector>

namespace splot {

class Canvas;
class Random;

// Cell codes; the player codes are the same numbers (Red 0, Blue 1).
enum CellCode : i16 { kRed = 0, kBlue = 1, kEmpty = 2, kGrease = 3 };

// A potential of 100 in cellScore(0, c) marks an occupied cell; 100 is also a dead line.
inline constexpr i16 kOccupied = 100;
inline constexpr i16 kDeadLine = 100;

// The levels of the computer: 0 very easy, 1 beginner, 2 advanced, 3 expert, 4 master.
inline constexpr int kMasterLevel = 4;

// The wall sizes the board tables can be built for: at least five cells per
// side for a line to fit, and small enough for every table entry to fit 16 bits.
// newGame throws std::invalid_argument outside this range.
inline constexpr int kMinWallSize = 5;
inline constexpr int kMaxWallSize = 90;

class Board {
  public:
    // Derived sizes (N = wallSize).
    i16 wallSize = 0;
    i16 rowStride = 0;     // N + 8
    i16 cellOrigin = 0;    // 3 * rowStride + 3
    i16 lastCell = 0;      // (N + 8)^2 - 1
    i16 lineCount = 0;     // 4(N - 2)(N - 4)
    i16 playableCells = 0; // N^2 less the grease spots

    // Implicit parameters of the engine procedures: the cell acted on and the
    // code of what lands there (0 Red, 1 Blue, 3 grease spot).
    i16 currentCell = 0;
    i16 currentPlayer = 0;

    // The tables, read-only: the board changes only through its own functions
    // below. Index order as written, all 0-based.
    i16 cells(int c) const { return cells_[c]; }
    i16 lineCells(int k, int l) const { return lineCells_[l * 6 + k]; }  // k 0..5, l 0..lineCount
    i16 cellLines(int j, int c) const { return cellLines_[c * 20 + j]; } // j 0..19, c 0..lastCell
    i16 cellLineCount(int c) const { return cellLineCount_[c]; }
    i16 lineValue(int l) const { return lineValue_[l]; }
    i16 cellScore(int p, int c) const { return cellScore_[c * 2 + p]; } // p 0 Red, 1 Blue
    i16 neighbourOffset(int k) const { return neighbourOffset_[k]; }    // k 1..32
    i16 playerSign(int p) const { return playerSign_[p]; }              // p 0..3

    // Coordinates: column and row 1..N, column first.
    int index(int column, int row) const { return cellOrigin + column + row * rowStride; }
    void columnRow(int index, int& column, int& row) const;

    // The board steps of the new-game setup for a wall of N cells (5 <= N):
    // sizes, player signs, fresh zero-filled tables, the line and neighbour
    // tables, and every cell (border included) empty.
    void newGame(int N);

    void Init_Feldzeiger();
    void Init_Feldoffset();

    // Enters what landed on currentCell (already written to cells, its two
    // potentials already 100) into the line values and the potentials around it.
    void Zug_Auswertung();
    // A splot (or a grease spot, code kGrease) lands on the cell: it becomes
    // currentCell and currentPlayer, is written and marked occupied, and
    // Zug_Auswertung enters it. The one way a game's splot lands.
    void land(int cell, int code);

    // A splot on its way to the cell, or one that is never evaluated (the
    // splot that makes five in a row ends the game first): the cell holds the
    // side's code and the evaluation is left as it is. release empties such a
    // cell again (a blocked nozzle, a splot taken back after the end).
    void reserve(int cell, int side) { cells_[cell] = static_cast<i16>(side); }
    void release(int cell) { cells_[cell] = kEmpty; }

    // Driving the board from outside (the flow, the computer's searches, the
    // brain, the match tool) without touching currentCell or currentPlayer:
    // the first line through the empty cell that holds four of side's splots
    // and nothing else, so that a splot there makes five (or more); 0 if none.
    int fiveLine(int cell, int side) const;
    // Plays side's splot on the empty cell: writes it, marks it occupied,
    // enters it into the evaluation and counts the move.
    void play(int cell, int side, i16& moveCount);
    // Takes back the splot on cell: the cell is empty again, the lines through
    // it and the potentials around it as they were, one move fewer.
    void takeBack(int cell, i16& moveCount);

    // Scatters the grease spots of a new game and paints each as five yellow
    // drops on the wall's canvas (cellSize and innerSize in the canvas's units).
    // Leaves currentPlayer at 3.
    void Fettflecken(Random& random, Canvas& wall, int cellSize, int innerSize);
    // Its two halves: one spot entered on the board (through the evaluation),
    // and one spot painted with five draws of the generator per drop.
    void placeGreaseSpot(int column, int row);
    static void drawGreaseSpot(Random& random, Canvas& wall, int column, int row, int cellSize,
                               int innerSize);

  private:
    // Tests and benchmarks set up a position's tables directly (tests/doubles/BoardProbe.h).
    friend struct BoardProbe;

    i16& cellAt(int c) { return cells_[c]; }
    i16& lineCellAt(int k, int l) { return lineCells_[l * 6 + k]; }
    i16& cellLineAt(int j, int c) { return cellLines_[c * 20 + j]; }
    i16& cellLineCountAt(int c) { return cellLineCount_[c]; }
    i16& cellScoreAt(int p, int c) { return cellScore_[c * 2 + p]; }

    void enter(int filled, int code);
    void recomputeAround(int cell);
    i16 valueFromCells(int line) const;
    void potentialsOf(int c);

    std::vector<i16> cells_, lineCells_, cellLines_, cellLineCount_, lineValue_, cellScore_;
    std::array<i16, 33> neighbourOffset_{};
    std::array<i16, 4> playerSign_{};
};

inline void inc(i16& v)
{
    v = static_cast<i16>(v + 1);
}

// Rounds to the nearest integer, halves to the even neighbour, as the game
// does wherever it rounds a real number.
int roundHalfEven(double v);

} // namespace splot
