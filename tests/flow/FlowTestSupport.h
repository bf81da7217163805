// Shared pieces of the game-flow tests: players that choose cells, and small
// helpers to set up and play games through the real flow.
#pragma once

#include "doubles/Doubles.h"
#include "engine/Search.h"

#include <QtTest>

#include <string>
#include <utility>
#include <vector>

namespace splot::flowtest {

using namespace splot::doubles;

// Settings for scripted games: two humans, no sound, no optional rules.
inline GameSettings quietHumans(int wallSize = 8)
{
    GameSettings s;
    s.wallSize = static_cast<i16>(wallSize);
    s.computerPlaysRed = kFalse;
    s.soundOn = 0;
    s.greaseSpots = kFalse;
    s.blockedNozzle = kFalse;
    return s;
}

inline int sideToMove(Game& game) { return game.board().currentPlayer; }

inline bool cellEmpty(const Game& game, int c, int r)
{
    return game.board().cells(game.board().index(c, r)) == kEmpty;
}

// A player who squirts at a random empty cell.
class RandomPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed) : random_(seed) {}
    std::pair<int, int> choose(const Game& game)
    {
        std::vector<std::pair<int, int>> free;
        const int N = game.board().wallSize;
        for (int c = 1; c <= N; ++c)
            for (int r = 1; r <= N; ++r)
                if (cellEmpty(game, c, r))
                    free.emplace_back(c, r);
        const auto i = static_cast<std::size_t>(random_.Rnd() * static_cast<float>(free.size()));
        return free[std::min(i, free.size() - 1)];
    }

private:
    StdRandom random_;
};

// A player who takes the computer's best cell at the strongest level (the hint).
class StrongPlayer : private DrawOfferSink, private Questions {
public:
    explicit StrongPlayer(std::uint32_t seed) : random_(seed), search_(random_, *this, *this)
    {
        search_.hintMode = true;
    }
    std::pair<int, int> choose(Game& game)
    {
        i16 c = 0, r = 0;
        search_.Feld_Suche(game.board(), game.state().moveCount, c, r);
        return {c, r};
    }

private:
    void drawAccepted() override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    ErrorChoice reportError(const std::string&, const std::string&) override { return ErrorChoice::Abort; }
    StdRandom random_;
    Search search_;
};

// Plays the human's moves with `choose` until the game is decided; returns the number of human moves.
template <class Player>
int playToTheEnd(GameRig& rig, Player& player, int limit = 1000)
{
    int moves = 0;
    while (rig.game.state().gameRunning && rig.game.state().gameOver == kFalse && moves < limit) {
        const auto [c, r] = player.choose(rig.game);
        rig.game.Feld_Auswahl(c, r);
        ++moves;
    }
    return moves;
}

inline bool startsWith(const std::string& s, const std::string& prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}

inline const std::vector<std::string>& praise()
{
    static const std::vector<std::string> words{"Well done!", "Very clever!", "Fantastic!", "Cool!", "Wow!",
                                                "Hurrah!", "You're top!", "Yippieh!", "Nice!", "Super!"};
    return words;
}
inline const std::vector<std::string>& consolation()
{
    static const std::vector<std::string> words{"Sorry!", "Try again!", "Don't give up!", "Oooh!",
                                                "Aaaaargh!", "Forget it!", "No luck today!", "Never mind!",
                                                "Don't worry!", "Once more!"};
    return words;
}
inline bool endsWithOneOf(const std::string& s, const std::string& prefix, const std::vector<std::string>& words)
{
    for (const auto& w : words)
        if (s == prefix + w)
            return true;
    return false;
}

// The five cells of a line all hold `code`.
inline bool lineHolds(const Board& b, int line, int code)
{
    for (int k = 1; k <= 5; ++k)
        if (b.cells(b.lineCells(k, line)) != code)
            return false;
    return true;
}

} // namespace splot::flowtest
