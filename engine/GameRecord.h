// The record of decided games: against the computer by level, the human's
// wins, losses and draws; between two humans, Red's wins, Blue's wins and draws.
#pragma once

#include "engine/Board.h"

#include <algorithm>
#include <array>

namespace splot {

// How one game was decided.
struct GameResult {
    bool againstComputer = true; // the computer played Red
    int level = 1;               // the computer's level, 0 very easy .. 3 expert, 4 master
    int winner = kEmpty;         // kRed, kBlue, or kEmpty for a draw

    bool operator==(const GameResult&) const = default;
};

struct GameRecord {
    static constexpr int kLevels = 5; // very easy .. expert, master

    std::array<int, kLevels> won{};  // the human beat the computer
    std::array<int, kLevels> lost{}; // the computer won
    std::array<int, kLevels> drawn{};
    int redWon = 0; // two humans
    int blueWon = 0;
    int humanDraws = 0;

    // The count a result goes to (a level outside 0..4 counts as the nearest level).
    int& countOf(const GameResult& r)
    {
        if (!r.againstComputer)
            return r.winner == kRed ? redWon : r.winner == kBlue ? blueWon : humanDraws;
        const int level = std::clamp(r.level, 0, kLevels - 1);
        return r.winner == kBlue ? won[level] : r.winner == kRed ? lost[level] : drawn[level];
    }
    int countOf(const GameResult& r) const { return const_cast<GameRecord&>(*this).countOf(r); }
    // Counts a result once more (change 1) or once less (change -1); never below 0.
    void count(const GameResult& r, int change)
    {
        int& c = countOf(r);
        c = std::max(0, c + change);
    }

    bool operator==(const GameRecord&) const = default;
};

} // namespace splot
