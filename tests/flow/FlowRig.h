// A started game on platform doubles, without a window: the random numbers are
// the given draws, then a seeded sequence; cells are played as clicks would.
#pragma once

#include "flow/Game.h"
#include "tests/doubles/FakeClock.h"
#include "tests/doubles/FakeScene.h"
#include "tests/doubles/RecordingSound.h"
#include "tests/doubles/RecordingWall.h"
#include "tests/doubles/ScriptedQuestions.h"
#include "tests/doubles/ScriptedRandom.h"

#include <string_view>
#include <vector>

namespace splot::testing {

struct FlowRig {
    explicit FlowRig(const GameSettings& initial, std::initializer_list<float> draws = {},
                     std::uint32_t seed = 1)
        : settings(initial), random(draws, seed), game(settings, clock, random, sound, questions, scene)
    {
        game.attachWall(wall);
        game.Start_click();
    }
    int cell(int c, int r) const { return game.board().cells(game.board().index(c, r)); }
    std::vector<int> cells() const
    {
        std::vector<int> v;
        for (int i = 0; i <= game.board().lastCell; ++i)
            v.push_back(game.board().cells(i));
        return v;
    }
    // Clicks on cells given as column and row digits: "23 45".
    void play(std::string_view cells)
    {
        for (std::size_t i = 0; i + 1 < cells.size(); i += 3)
            game.Feld_Auswahl(cells[i] - '0', cells[i + 1] - '0');
    }

    GameSettings settings;
    doubles::ScriptedRandom random;
    doubles::FakeClock clock;
    doubles::RecordingSound sound;
    doubles::ScriptedQuestions questions;
    doubles::FakeScene scene;
    Game game;
    doubles::RecordingWall wall;
};

} // namespace splot::testing
