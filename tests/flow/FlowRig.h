// The one game rig: a game on platform doubles, without a window. The random numbers are
// the given draws, then a seeded sequence; cells are played as clicks would. Every double
// writes to one journal, in order; view() is everything the game keeps and shows, to compare whole.
#pragma once

#include "flow/Game.h"
#include "tests/doubles/FakeClock.h"
#include "tests/doubles/FakeScene.h"
#include "tests/doubles/RecordingSound.h"
#include "tests/doubles/RecordingWall.h"
#include "tests/doubles/ScriptedQuestions.h"
#include "tests/doubles/ScriptedRandom.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace splot::testing {

// Two humans, or the computer as Red at `level`; sound off unless given; no optional rules.
inline GameSettings setup(int wallSize = 8, int level = -1, int sound = 0)
{
    GameSettings s;
    s.wallSize = static_cast<i16>(wallSize);
    s.computerPlaysRed = level < 0 ? kFalse : kTrue;
    s.level = static_cast<i16>(std::max(level, 0));
    s.soundOn = static_cast<i16>(sound);
    return s;
}

struct FlowRig {
    // Started with Start_click unless `start` is false.
    explicit FlowRig(const GameSettings& initial, std::initializer_list<float> draws = {},
                     std::uint32_t seed = 1, bool start = true)
        : settings(initial), random(draws, seed), game(settings, clock, random, sound, questions, scene)
    {
        clock.journal = &journal, scene.journal = &journal, sound.journal = &journal, wall.journal = &journal;
        game.attachWall(wall);
        game.search().master.limits = MasterLimits{}; // by nodes: the same moves on any machine
        if (start)
            game.Start_click();
    }
    int cell(int c, int r) const { return game.board().cells(game.board().index(c, r)); }
    int side() const { return game.board().currentPlayer; }
    // Clicks on cells given as column and row digits: "23 45".
    void play(std::string_view cells)
    {
        for (std::size_t i = 0; i + 1 < cells.size(); i += 3)
            game.Feld_Auswahl(cells[i] - '0', cells[i + 1] - '0');
    }
    bool offered(Scene::MenuItem item) const { return scene.menuEnabled[int(item)]; }
    int count(const std::string& entry) const { return int(std::ranges::count(journal, entry)); }

    // Everything the game keeps and shows, as one comparable value.
    struct View {
        std::vector<int> board, state, scene;
        std::string comment;
        std::vector<std::pair<int, int>> splots, splatters;
        std::vector<int> lines;
        std::vector<doubles::RecordingCanvas::Op> paper;
        bool operator==(const View&) const = default;
    };
    View view() const
    {
        const Board& b = game.board();
        const GameState& s = game.state();
        View v;
        for (int i = 0; i <= b.lastCell; ++i)
            v.board.insert(v.board.end(), {b.cells(i), b.cellScore(0, i), b.cellScore(1, i)});
        for (int l = 0; l <= b.lineCount; ++l)
            v.board.push_back(b.lineValue(l));
        const auto& search = const_cast<Game&>(game).search();
        v.state.insert(v.state.end(), {b.currentPlayer, s.moveCount, s.gameOver, s.gameRunning, s.cursorX,
                                       s.cursorY, b.playableCells, int(game.takeBackDepth()),
                                       search.drawOfferCounter, search.gameLevel});
        for (int who = 0; who < 2; ++who)
            v.scene.insert(v.scene.end(),
                           {scene.frames[who], scene.pumpsShown[who], scene.puddles[who].left,
                            scene.puddles[who].top, scene.puddles[who].width, scene.puddles[who].height});
        v.scene.insert(v.scene.end(),
                       {scene.wallInput, scene.menuEnabled[0], scene.menuEnabled[1], scene.menuEnabled[2]});
        v.comment = scene.commentText;
        v.splots = wall.splots, v.splatters = wall.splatters, v.lines = wall.lines, v.paper = wall.paper.ops;
        return v;
    }
    // The journal since the last call, without the cursor and the wall's input (drawn and switched
    // around every move) and the events every command ends with, as "entry, entry, ...".
    std::string seen()
    {
        std::string out;
        for (const std::string& e : journal)
            if (!e.starts_with("cursor") && !e.starts_with("input"))
                out += (out.empty() ? "" : ", ") + e;
        if (out == "events" || out.ends_with(", events"))
            out.resize(out.size() < 8 ? 0 : out.size() - 8);
        journal.clear();
        return out;
    }

    GameSettings settings;
    doubles::ScriptedRandom random;
    doubles::FakeClock clock;
    doubles::RecordingSound sound;
    doubles::ScriptedQuestions questions;
    doubles::FakeScene scene;
    Game game;
    doubles::RecordingWall wall;
    std::vector<std::string> journal;
};

} // namespace splot::testing
