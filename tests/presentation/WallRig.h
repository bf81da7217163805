// A wall of the presentation tests: an n x n board (8 unless given), the grid
// drawn on any surface (a recording canvas or the wall widget), seeded drops,
// the waits' event processing in a journal.
#pragma once

#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/Game.h"
#include "presentation/WallPainter.h"
#include "tests/doubles/FakeClock.h"
#include "tests/doubles/RecordingSound.h"
#include "tests/doubles/ScriptedRandom.h"

#include <functional>
#include <string>
#include <vector>

namespace splot {

// A wall with a new board and the grid drawn, the cursor on column 3, row 1.
// `prepare` runs on the surface before anything is drawn.
template <class Surface> struct Rig {
    explicit Rig(std::uint32_t seed = 1, const std::function<void(Surface&)>& prepare = {}, int n = 8)
        : random({}, seed), painter(wall, board, state, settings, random, sound, clock)
    {
        if (prepare)
            prepare(wall);
        settings.wallSize = i16(n);
        clock.journal = &journal;
        board.newGame(n);
        state.cursorX = 3;
        painter.Zeichne_Raster();
    }
    void paint(int column, int row, i16 code, bool splatter = false)
    {
        board.reserve(board.index(column, row), code);
        splatter ? painter.Zeichne_Spritzer(column, row) : painter.Zeichne_Klecks(column, row);
    }
    Surface wall;
    Board board;
    GameState state;
    GameSettings settings;
    doubles::ScriptedRandom random;
    doubles::RecordingSound sound;
    doubles::FakeClock clock;
    std::vector<std::string> journal;
    WallPainter painter;
};

} // namespace splot
