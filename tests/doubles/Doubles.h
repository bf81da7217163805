// Every platform double of the game, for tests that run the game flow without
// a window, and a rig that wires them to one Game.
#pragma once

#include "FakeClock.h"
#include "FakeScene.h"
#include "Journal.h"
#include "RecordingCanvas.h"
#include "RecordingSound.h"
#include "RecordingWall.h"
#include "ScriptedQuestions.h"
#include "ScriptedRandom.h"
#include "flow/Game.h"

#include <memory>

namespace splot::doubles {

// A game with every platform service replaced. The random generator is given
// by the test (a SeededRandom, a ScriptedRandom); all doubles write into one journal.
struct GameRig {
    explicit GameRig(Random& rng, GameSettings initial = {})
        : settings(std::move(initial)), random(rng),
          game(settings, clock, random, sound, questions, scene)
    {
        clock.journal = &journal;
        sound.journal = &journal;
        questions.journal = &journal;
        scene.journal = &journal;
        wall.journal = &journal;
        wall.recordingCanvas().journal = &journal;
        wall.watch(game);
        wall.sound = &sound;  // the splot sound, as the real wall plays it
        wall.clock = &clock;  // the events between splatter drops
        game.attachWall(wall);
    }

    GameSettings settings;
    Random& random;
    FakeClock clock;
    RecordingSound sound;
    ScriptedQuestions questions;
    FakeScene scene;
    RecordingWall wall;
    Journal journal;
    Game game;
};

} // namespace splot::doubles
