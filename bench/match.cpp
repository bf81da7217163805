// The match tool: two levels play each other on the engine alone, the first
// player alternating, a few random opening splots per game; prints wins,
// losses and draws of the first level, in all and by who begins, and the times of the master's moves.
//   splot_match [--a 4] [--b 3] [--games 200] [--size 15] [--openings 2] [--seed 1] [--ms 120]
//               [--nodes N] [--show 1]
#include "bench/Silent.h"
#include "engine/Master.h"
#include "engine/Search.h"
#include "platform/StdRandom.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

using namespace splot;

namespace {

double seconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

struct Options {
    int a = kMasterLevel, b = 3, show = 0, nodes = 0, games = 200, size = 15, openings = 2, seed = 1,
        ms = 120;
};

} // namespace

int main(int argc, char** argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::pair<const char*, int*> names[] = {{"--a", &o.a},
                                                      {"--b", &o.b},
                                                      {"--games", &o.games},
                                                      {"--size", &o.size},
                                                      {"--openings", &o.openings},
                                                      {"--seed", &o.seed},
                                                      {"--nodes", &o.nodes},
                                                      {"--show", &o.show},
                                                      {"--ms", &o.ms}};
        for (const auto& [name, field] : names)
            if (!std::strcmp(argv[i], name))
                *field = std::atoi(argv[i + 1]);
    }

    StdRandom random(static_cast<std::uint32_t>(o.seed));
    NoQuestions questions;
    NoSink sink;
    Search players[2] = {Search(random, questions, sink), Search(random, questions, sink)};
    players[0].gameLevel = static_cast<i16>(o.a);
    players[1].gameLevel = static_cast<i16>(o.b);
    // A node budget (--nodes) makes the master's play independent of the machine's load.
    // Without it the master thinks by the clock, --ms a move, as in the window.
    for (Search& s : players) {
        s.master.limits = MasterLimits::forTime(o.ms / 1000.0);
        if (o.nodes > 0)
            s.master.limits = {.seconds = 0, .nodes = o.nodes};
    }

    int byBeginner[2][3] = {}; // level a begins, level b begins: won, lost, drawn
    long totalMoves = 0;
    std::vector<double> masterTimes;
    for (int game = 0; game < o.games; ++game) {
        Board board;
        board.newGame(o.size);
        i16 moves = 0;
        // Level a plays Red; it begins the even games, level b the odd ones.
        const int aSide = kRed;
        int toMove = game % 2 == 0 ? kRed : kBlue;
        for (Search& s : players)
            s.drawOfferCounter = 0;

        // The opening splots, at random near the middle.
        const int mid = (o.size + 1) / 2;
        for (int k = 0; k < o.openings; ++k) {
            int cell;
            do {
                const int c = mid - 2 + static_cast<int>(random.Rnd() * 5);
                const int r = mid - 2 + static_cast<int>(random.Rnd() * 5);
                cell = board.index(c, r);
            } while (board.cells(cell) != kEmpty);
            if (o.show) {
                int c = 0, r = 0;
                board.columnRow(cell, c, r);
                std::printf("%c%d,%d ", toMove == kRed ? 'X' : 'O', c, r);
            }
            board.play(cell, toMove, moves);
            toMove = 1 - toMove;
        }

        int winner = kEmpty;
        while (moves < board.playableCells) {
            Search& s = players[toMove == aSide ? 0 : 1];
            board.currentPlayer = static_cast<i16>(toMove);
            i16 column = 0, row = 0;
            const double t0 = seconds();
            if (!s.Feld_Suche(board, moves, column, row))
                break;
            if (s.gameLevel == kMasterLevel)
                masterTimes.push_back(seconds() - t0);
            const int cell = board.index(column, row);
            if (column < 1 || row < 1 || column > o.size || row > o.size || board.cells(cell) != kEmpty) {
                std::fprintf(stderr, "level %d chose a painted cell\n", s.gameLevel);
                return 2;
            }
            if (o.show)
                std::printf("%c%d,%d ", toMove == kRed ? 'X' : 'O', column, row);
            if (board.fiveLine(cell, toMove)) {
                board.reserve(cell, toMove);
                winner = toMove;
                break;
            }
            board.play(cell, toMove, moves);
            toMove = 1 - toMove;
        }
        totalMoves += moves;
        if (o.show) {
            // The final wall: X Red, O Blue, # grease.
            std::printf("\ngame %d, winner %d\n", game, winner);
            for (int r = 1; r <= o.size; ++r, std::putchar('\n'))
                for (int c = 1; c <= o.size; ++c)
                    std::putchar(".XO.#"[board.cells(board.index(c, r)) == kGrease
                                             ? 4
                                             : board.cells(board.index(c, r)) + 1]);
        }
        ++byBeginner[game % 2][winner == kEmpty ? 2 : winner == aSide ? 0 : 1];
    }
    const int won = byBeginner[0][0] + byBeginner[1][0], lost = byBeginner[0][1] + byBeginner[1][1],
              drawn = byBeginner[0][2] + byBeginner[1][2];

    std::printf("level %d against level %d, %d games on %dx%d, %d opening splots:\n", o.a, o.b, o.games,
                o.size, o.size, o.openings);
    std::printf("  won %d (%.1f %%), lost %d (%.1f %%), drawn %d; %.1f splots a game\n", won,
                100.0 * won / o.games, lost, 100.0 * lost / o.games, drawn,
                static_cast<double>(totalMoves) / o.games);
    // A hundred games tell a share only to some ten points either way: Wilson's 95 % interval.
    auto interval = [&](int k, const char* what) {
        const double n = o.games, p = k / n, z2 = 1.96 * 1.96;
        const double mid = (p + z2 / (2 * n)) / (1 + z2 / n);
        const double half = 1.96 * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / (1 + z2 / n);
        std::printf("%s %.1f to %.1f %%", what, 100 * (mid - half), 100 * (mid + half));
    };
    interval(won, "  95 % interval: won");
    interval(lost, ", lost");
    std::printf("\n");
    for (int b = 0; b < 2; ++b)
        std::printf("  level %d begins: won %d, lost %d, drawn %d\n", b ? o.b : o.a, byBeginner[b][0],
                    byBeginner[b][1], byBeginner[b][2]);
    if (!masterTimes.empty()) {
        std::sort(masterTimes.begin(), masterTimes.end());
        auto at = [&](double q) {
            return 1000 * masterTimes[static_cast<std::size_t>(q * (masterTimes.size() - 1))];
        };
        std::printf("  master moves: %zu, median %.1f ms, 90th %.1f ms, 99th %.1f ms, longest %.1f ms\n",
                    masterTimes.size(), at(0.5), at(0.9), at(0.99), at(1.0));
    }
    return 0;
}
