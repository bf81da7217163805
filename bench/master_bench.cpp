// Speed and memory of the master: one move on a 15x15 wall in the middle game,
// over many positions reached by seeded expert games; prints the percentiles of
// the processor time (one core) and of the wall-clock time, and the peak memory.
//   splot_master_bench [positions 200] [seed 1] [time budget in ms, 0 for the node budget alone]
//                      [ms a move by the clock alone, as the window plays]
#include "engine/Master.h"
#include "engine/Search.h"
#include "platform/Questions.h"
#include "platform/StdRandom.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

using namespace splot;

namespace {

class NoQuestions final : public Questions, public DrawOfferSink {
  public:
    bool askYesNo(const Phrase&, const Phrase&) override { return false; }
    ErrorChoice reportError(const Phrase&, const Phrase&) override { return ErrorChoice::Abort; }
    void drawAccepted() override {}
};

long peakKilobytes()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    auto at = [&](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1))]; };
    std::printf("%-22s median %6.1f ms, 90th %6.1f ms, 99th %6.1f ms, longest %6.1f ms\n", what, at(0.5),
                at(0.9), at(0.99), at(1.0));
}

} // namespace

int main(int argc, char** argv)
{
    const int positions = argc > 1 ? std::atoi(argv[1]) : 200;
    StdRandom random(static_cast<std::uint32_t>(argc > 2 ? std::atoi(argv[2]) : 1));
    NoQuestions silent;
    Search expert(random, silent, silent);
    expert.gameLevel = 3;
    MasterSearch master(7);
    if (argc > 3) // a loaded machine hits the time budget first: the node budget alone compares
        master.limits.seconds = std::atoi(argv[3]) / 1000.0;
    if (argc > 4) // the master as the window plays it, by the clock alone
        master.limits = MasterLimits::forTime(std::atoi(argv[4]) / 1000.0);
    const long before = peakKilobytes();

    std::vector<double> cpu, wall;
    long nodes = 0;
    int depths = 0;
    for (int p = 0; p < positions; ++p) {
        // A middle game: a few random splots near the middle, then 10 to 30 expert moves.
        Board board;
        board.newGame(15);
        i16 moves = 0;
        int side = kRed;
        for (int k = 0; k < 3; ++k) {
            int cell;
            do
                cell = board.index(6 + static_cast<int>(random.Rnd() * 5),
                                   6 + static_cast<int>(random.Rnd() * 5));
            while (board.cells(cell) != kEmpty);
            board.play(cell, side, moves);
            side = 1 - side;
        }
        const int length = 10 + static_cast<int>(random.Rnd() * 21);
        bool over = false;
        for (int k = 0; k < length && !over; ++k) {
            board.currentPlayer = static_cast<i16>(side);
            i16 c = 0, r = 0;
            expert.Feld_Suche(board, moves, c, r);
            const int cell = board.index(c, r);
            over = board.fiveLine(cell, side) != 0;
            if (!over) {
                board.play(cell, side, moves);
                side = 1 - side;
            }
        }
        if (over)
            continue;
        const std::clock_t c0 = std::clock();
        const auto t0 = std::chrono::steady_clock::now();
        master.choose(board, side, moves);
        wall.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        cpu.push_back(1000.0 * static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC);
        nodes += master.nodesSearched;
        depths += master.depthReached;
    }
    std::printf("master, one move on 15x15 in the middle game, %zu positions (budget %.0f ms, %ld nodes):\n",
                cpu.size(), 1000 * master.limits.seconds, master.limits.nodes);
    report("processor time", cpu);
    report("wall-clock time", wall);
    std::printf(
        "%.0f nodes and depth %.1f a move on average; peak memory %ld kB (before the master: %ld kB)\n",
        static_cast<double>(nodes) / cpu.size(), static_cast<double>(depths) / cpu.size(), peakKilobytes(),
        before);
    return 0;
}
