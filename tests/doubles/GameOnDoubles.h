// A game on the platform doubles, its wall attached: the random numbers are the
// given draws, then a seeded sequence.
#pragma once

#include "flow/Game.h"
#include "tests/doubles/FakeClock.h"
#include "tests/doubles/FakeScene.h"
#include "tests/doubles/RecordingSound.h"
#include "tests/doubles/RecordingWall.h"
#include "tests/doubles/ScriptedQuestions.h"
#include "tests/doubles/ScriptedRandom.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace splot::doubles {

struct GameOnDoubles {
    explicit GameOnDoubles(const GameSettings& initial, std::initializer_list<float> draws = {},
                           std::uint32_t seed = 1)
        : settings(initial), random(draws, seed), game(settings, clock, random, sound, questions, scene)
    {
        game.attachWall(wall);
    }
    // Clicks on cells given as column and row digits: "23 45".
    void play(std::string_view cells)
    {
        for (std::size_t i = 0; i + 1 < cells.size(); i += 3)
            game.Feld_Auswahl(cells[i] - '0', cells[i + 1] - '0');
    }

    GameSettings settings;
    ScriptedRandom random;
    FakeClock clock;
    RecordingSound sound;
    ScriptedQuestions questions;
    FakeScene scene;
    Game game;
    RecordingWall wall;
};

} // namespace splot::doubles
