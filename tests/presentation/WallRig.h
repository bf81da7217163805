// A wall of the presentation tests: an 8 x 8 board, the grid drawn on any
// surface (a recording canvas or the wall widget), seeded drops.
#pragma once

#include "tests/doubles/FakeClock.h"
#include "tests/doubles/RecordingSound.h"
#include "tests/doubles/ScriptedRandom.h"
#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/Game.h"
#include "presentation/WallPainter.h"

#include <functional>

namespace splot {

// An 8 x 8 wall with a new board and the grid drawn, the cursor on column 3, row 1.
// `prepare` runs on the surface before anything is drawn.
template <class Surface>
struct Rig {
    explicit Rig(std::uint32_t seed = 1, const std::function<void(Surface&)>& prepare = {})
        : random({}, seed), painter(wall, board, state, settings, random, sound, clock)
    {
        if (prepare)
            prepare(wall);
        board.newGame(8);
        state.cursorX = 3;
        painter.Zeichne_Raster();
    }
    void paint(int column, int row, i16 code, bool splatter = false)
    {
        board.cells(board.index(column, row)) = code;
        splatter ? painter.Zeichne_Spritzer(column, row) : painter.Zeichne_Klecks(column, row);
    }
    Surface wall;
    Board board;
    GameState state;
    GameSettings settings;
    doubles::ScriptedRandom random;
    doubles::RecordingSound sound;
    doubles::FakeClock clock;
    WallPainter painter;
};

} // namespace splot
