// An unfinished game as it is kept between runs of the program: its rules,
// its grease spots and every move in order, the keys it is written with, and
// the check that plays its moves through the engine before it is trusted.
#pragma once

#include "platform/Phrase.h"
#include "platform/Types.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace splot {

struct KeptMove {
    int column = 0, row = 0;
    bool blocked = false;   // the nozzle was blocked: nothing landed
    std::uint32_t seed = 0; // the seed the splot was drawn with
    // Where the cursor stood when the cell was chosen (the keys move it).
    int fromColumn = 1, fromRow = 1;
    bool operator==(const KeptMove&) const = default;
};

struct KeptCell {
    int column = 0, row = 0;
    bool operator==(const KeptCell&) const = default;
};

// A grease spot the cursor was taken off (its white dots show on the drops
// from then on), with the number of moves made by then.
struct KeptTrace {
    int column = 0, row = 0;
    int afterMoves = 0;
    bool operator==(const KeptTrace&) const = default;
};

struct KeptGame {
    int wallSize = 8;
    bool computerPlaysRed = true;
    int level = 1;
    std::string redName, blueName;
    bool blockedNozzle = false;
    bool greaseSpots = false;
    std::vector<KeptCell> grease; // in the order they were placed
    std::uint32_t greaseSeed = 0; // the seed they were drawn with
    // Grease spots the cursor has been taken off: its white dots show on them.
    std::vector<KeptTrace> cursorTraces;
    int firstMover = 1; // 0 Red, 1 Blue
    std::vector<KeptMove> moves;
    KeptCell cursor{1, 1};
    int drawOfferCounter = 0;
    bool operator==(const KeptGame&) const = default;

    // Who moves after the moves so far: the turn passes at every move.
    int toMove() const { return (firstMover + static_cast<int>(moves.size())) % 2; }
};

// A cell as the player reads it: column letter, row number ("D5").
std::string cellName(int column, int row);

// The keys and values of the section, in the order they are written.
using KeptKeys = std::vector<std::pair<std::string, std::string>>;
KeptKeys keysOf(const KeptGame& game);
// The keys written when nothing is kept: every key of the section emptied.
KeptKeys emptyKeys();
// What the section holds: nothing (no size), a game, or keys that do not make
// one (damaged by hand, or cut off).
struct KeptSection {
    std::optional<KeptGame> game;
    bool damaged = false;
};
// The section read back through `value` (a key's text, or nothing when it is
// missing). Damaged when the keys do not make a game that plays through the
// engine: a key missing or out of range, a cell off the wall or painted twice,
// a game already decided, anything unreadable. Keys this program does not know
// (a later version's) are not asked for.
KeptSection keptGameFrom(const std::function<std::optional<std::string>(const std::string&)>& value);
// What the label says at start-up while no game runs: that a kept game is
// waiting, or that the one kept could not be read; nothing when none was kept.
Phrase keptGameNote(const KeptSection& section);
// Whether the game's moves play through the engine without a fault and leave
// the game undecided.
bool playsThrough(const KeptGame& game);

} // namespace splot
