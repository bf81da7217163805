// The state of a game in progress, and a snapshot of everything a move
// changes in the game, on the wall and in the booth.
#pragma once

#include "engine/Board.h"
#include "engine/GameRecord.h"
#include "platform/Canvas.h"
#include "platform/Phrase.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace splot {

struct GameState {
    i16 redBegins = 0; // drawn by Start_click, a Boolean after the new-game setup
    i16 gameOver = kFalse;
    i16 moveCount = 0; // splots placed that did not win
    i16 cursorX = 1, cursorY = 1;
    i16 moveColumn = 0, moveRow = 0;
    bool gameRunning = false;      // program-wide: a game is started and not decided
    bool firstGameStarted = false; // program-wide: never reset
    bool boardExists = false;      // a new game has built the board
    // For screen readers: the line that won, and each side's last splot.
    i16 winningLine = 0;
    i16 lastColumn[2] = {}, lastRow[2] = {};
    i16 lastMover = -1;
};

// Everything a move changes in the game, on the wall and in the booth: taken
// before a move and put back when the move cannot be completed, or when it is
// taken back.
struct GameSnapshot {
    Board board;
    GameState state;
    i16 drawOfferCounter = 0;
    std::shared_ptr<const Canvas::Saved> wall;
    Phrase comment;
    int frames[2] = {};
    bool pumps[2] = {};
    TwipRect puddles[2] = {};
    // The game's history: how many moves could be taken back, and the result
    // the game was counted with in the record.
    std::size_t takeBacks = 0;
    std::optional<GameResult> counted;
    // How many moves the game's list held, and grease spots the cursor had left.
    std::size_t moves = 0;
    std::size_t cursorTraces = 0;
};

} // namespace splot
