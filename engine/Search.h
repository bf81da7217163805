// The computer's one-move-ahead search, also used for hints, with its draw offer.
#pragma once

#include "engine/Board.h"
#include "engine/Master.h"

namespace splot {

class Random;
class Questions;

// What happens when the human accepts the draw the search offers: the draw
// sequence, the comment, the end of the game. The game flow implements it.
class DrawOfferSink {
  public:
    virtual ~DrawOfferSink() = default;
    virtual void drawAccepted() = 0;
};

class Search {
  public:
    Search(Random& random, Questions& questions, DrawOfferSink& sink)
        : random_(random), questions_(questions), sink_(sink)
    {
    }

    i16 gameLevel = 0;        // 0 very easy .. 3 expert, 4 master, taken at each new game
    bool hintMode = false;    // True only while a hint search runs
    i16 drawOfferCounter = 0; // 0 at each new game; 3 asks; -5 after a No

    // Chooses a cell for board.currentPlayer (0 Red, 1 Blue) into column/row.
    // Returns false when no cell is chosen: the human accepted the draw offered
    // (drawAccepted() has run), or the wall holds no empty cell at all.
    // column and row are left as they were then.
    // Overwrites board.currentCell with each cell it scans. At "master" the
    // cell comes from the master's search (the draw offer stays as it is).
    bool Feld_Suche(Board& board, i16 moveCount, i16& column, i16& row);

    // Red's value a and Blue's value b of the empty cell at index i, searched at
    // level (0..3): own potential, the opponent's weighed by the level, a chance
    // term and a bonus per line through the cell. Draws from the generator in the
    // game's order: Red's weight, Red's chance, Blue's weight, Blue's chance (none
    // on a side whose own potential reaches 64).
    void cellValues(const Board& board, int i, int level, i16 moveCount, double& a, double& b);

    // The master's search, its limits open to the caller.
    MasterSearch master;

  private:
    Random& random_;
    Questions& questions_;
    DrawOfferSink& sink_;
};

} // namespace splot
