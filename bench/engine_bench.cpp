// Engine benchmark. The incremental evaluation is measured against a naive
// reference that recomputes every line value and every potential from the
// cells after each move; the run ends with the ratio of the two.
#include "bench/Silent.h"
#include "engine/Board.h"
#include "engine/Search.h"
#include "platform/StdRandom.h"
#include "tests/doubles/BoardProbe.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using namespace splot;

namespace {

constexpr int kWall = 15;

// The reference: every line's value from its five cells, then every empty
// cell's potentials from its lines.
void recomputeEverything(Board& b)
{
    for (int l = 1; l <= b.lineCount; ++l) {
        int red = 0, blue = 0, grease = 0;
        for (int k = 1; k <= 5; ++k) {
            const int code = b.cells(b.lineCells(k, l));
            red += code == kRed;
            blue += code == kBlue;
            grease += code == kGrease;
        }
        int v = 0;
        if (grease || (red && blue)) {
            v = kDeadLine;
        } else if (red || blue) {
            v = red ? 1 : -1;
            for (int n = 1; n < red + blue; ++n)
                v *= 4;
        }
        BoardProbe::lineValue(b, l) = static_cast<i16>(v);
    }
    for (int c = 1; c <= b.wallSize; ++c)
        for (int r = 1; r <= b.wallSize; ++r) {
            const int i = b.index(c, r);
            if (b.cells(i) != kEmpty) {
                BoardProbe::cellScore(b, 0, i) = kOccupied;
                BoardProbe::cellScore(b, 1, i) = kOccupied;
                continue;
            }
            int pos = 0, neg = 0;
            for (int j = 0; j < b.cellLineCount(i); ++j) {
                const int v = b.lineValue(b.cellLines(j, i));
                if (v != kDeadLine)
                    (v > 0 ? pos : neg) += v;
            }
            BoardProbe::cellScore(b, 0, i) = static_cast<i16>(pos > 64 ? 65 : pos);
            BoardProbe::cellScore(b, 1, i) = static_cast<i16>(neg < -64 ? -65 : neg);
        }
}

// Would the mover's splot on cell i complete five?
bool completesFive(const Board& b, int i, int mover)
{
    for (int j = 0; j < b.cellLineCount(i); ++j)
        if (b.lineValue(b.cellLines(j, i)) == 64 * b.playerSign(mover))
            return true;
    return false;
}

template <bool Naive> void land(Board& b, int i, int mover)
{
    BoardProbe::cells(b, i) = static_cast<i16>(mover);
    BoardProbe::cellScore(b, 0, i) = kOccupied;
    BoardProbe::cellScore(b, 1, i) = kOccupied;
    if constexpr (Naive) {
        recomputeEverything(b);
    } else {
        b.currentCell = static_cast<i16>(i);
        b.currentPlayer = static_cast<i16>(mover);
        b.Zug_Auswertung();
    }
}

// Back to an empty wall without building the tables again.
void clearLive(Board& b)
{
    for (int i = 0; i <= b.lastCell; ++i) {
        BoardProbe::cells(b, i) = kEmpty;
        BoardProbe::cellScore(b, 0, i) = 0;
        BoardProbe::cellScore(b, 1, i) = 0;
    }
    for (int l = 0; l <= b.lineCount; ++l)
        BoardProbe::lineValue(b, l) = 0;
    b.playableCells = static_cast<i16>(b.wallSize * b.wallSize);
}

// Everything one splot on cell i can change, to take the splot back.
struct Undo {
    int cell = 0;
    i16 code = 0, red = 0, blue = 0;
    int lines[20] = {};
    i16 values[20] = {};
    int lineCount = 0;
    int neighbours[32] = {};
    i16 scores[32][2] = {};

    void save(const Board& b, int i)
    {
        cell = i;
        code = b.cells(i);
        red = b.cellScore(0, i);
        blue = b.cellScore(1, i);
        lineCount = b.cellLineCount(i);
        for (int j = 0; j < lineCount; ++j) {
            lines[j] = b.cellLines(j, i);
            values[j] = b.lineValue(lines[j]);
        }
        for (int k = 0; k < 32; ++k) {
            neighbours[k] = i + b.neighbourOffset(k + 1);
            scores[k][0] = b.cellScore(0, neighbours[k]);
            scores[k][1] = b.cellScore(1, neighbours[k]);
        }
    }
    void restore(Board& b) const
    {
        BoardProbe::cells(b, cell) = code;
        BoardProbe::cellScore(b, 0, cell) = red;
        BoardProbe::cellScore(b, 1, cell) = blue;
        for (int j = 0; j < lineCount; ++j)
            BoardProbe::lineValue(b, lines[j]) = values[j];
        for (int k = 0; k < 32; ++k) {
            BoardProbe::cellScore(b, 0, neighbours[k]) = scores[k][0];
            BoardProbe::cellScore(b, 1, neighbours[k]) = scores[k][1];
        }
    }
};

// Plays one game to its end, both sides by the search; returns the number of splots.
template <bool Naive> int playGame(Board& b, Search& search, int firstMover)
{
    search.drawOfferCounter = 0;
    int mover = firstMover;
    i16 moveCount = 0;
    while (moveCount < b.playableCells) {
        b.currentPlayer = static_cast<i16>(mover);
        i16 column = 0, row = 0;
        if (!search.Feld_Suche(b, moveCount, column, row))
            break;
        const int i = b.index(column, row);
        if (completesFive(b, i, mover))
            return moveCount + 1;
        land<Naive>(b, i, mover);
        ++moveCount;
        mover = 1 - mover;
    }
    return moveCount;
}

// A 15 x 15 wall in the middle of a game at "expert": about a hundred splots
// and no five yet, Red to move.
void midGame(Board& b, StdRandom& random)
{
    NoQuestions questions;
    NoSink sink;
    Search search(random, questions, sink);
    search.gameLevel = 3;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        b.newGame(kWall);
        int mover = kRed;
        bool won = false;
        for (i16 moveCount = 0; moveCount < 100 && !won; ++moveCount) {
            b.currentPlayer = static_cast<i16>(mover);
            i16 column = 0, row = 0;
            search.Feld_Suche(b, moveCount, column, row);
            const int i = b.index(column, row);
            won = completesFive(b, i, mover);
            if (!won)
                land<false>(b, i, mover);
            mover = 1 - mover;
        }
        if (!won)
            return;
    }
    throw std::runtime_error("no mid-game position found");
}

template <bool Naive> void computerMove(benchmark::State& state)
{
    StdRandom random(2024);
    Board b;
    midGame(b, random);
    NoQuestions questions;
    NoSink sink;
    Search search(random, questions, sink);
    search.gameLevel = 3;
    Undo undo;
    for (auto _ : state) {
        b.currentPlayer = kRed;
        i16 column = 0, row = 0;
        search.Feld_Suche(b, 100, column, row);
        const int i = b.index(column, row);
        undo.save(b, i);
        land<Naive>(b, i, kRed);
        benchmark::DoNotOptimize(b.cellScore(0, i + 1));
        undo.restore(b);
    }
}

template <bool Naive> void wholeGame(benchmark::State& state)
{
    StdRandom random(7);
    NoQuestions questions;
    NoSink sink;
    Search search(random, questions, sink);
    search.gameLevel = static_cast<i16>(state.range(0));
    Board b;
    b.newGame(kWall);
    long splots = 0;
    int games = 0;
    for (auto _ : state) {
        clearLive(b);
        splots += playGame<Naive>(b, search, games % 2);
        ++games;
    }
    state.counters["splots/game"] = double(splots) / games;
}

void BM_ComputerMove15(benchmark::State& s)
{
    computerMove<false>(s);
}
void BM_ComputerMove15_Naive(benchmark::State& s)
{
    computerMove<true>(s);
}
void BM_WholeGame15(benchmark::State& s)
{
    wholeGame<false>(s);
}
void BM_WholeGame15_Naive(benchmark::State& s)
{
    wholeGame<true>(s);
}

BENCHMARK(BM_ComputerMove15);
BENCHMARK(BM_ComputerMove15_Naive);
BENCHMARK(BM_WholeGame15)->Arg(3)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeGame15_Naive)->Arg(3)->Arg(0)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's real time per iteration (ns) for the summary.
// Plain console output (it goes to CI logs), and each benchmark's CPU time per
// iteration kept for the ratios printed at the end.
class RecordingReporter final : public benchmark::ConsoleReporter {
  public:
    RecordingReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                nanos[run.benchmark_name()] = run.cpu_accumulated_time * 1e9 / double(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanos;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    auto ratio = [&](const char* what, const std::string& incremental, const std::string& naive) {
        const auto a = reporter.nanos.find(incremental);
        const auto b = reporter.nanos.find(naive);
        if (a == reporter.nanos.end() || b == reporter.nanos.end() || b->second <= 0)
            return;
        std::printf("incremental/naive, %s: %.3f (%.2f us against %.2f us)\n", what, a->second / b->second,
                    a->second / 1000, b->second / 1000);
    };
    ratio("one computer move on 15x15", "BM_ComputerMove15", "BM_ComputerMove15_Naive");
    ratio("whole 15x15 game at expert", "BM_WholeGame15/3", "BM_WholeGame15_Naive/3");
    ratio("whole 15x15 game at very easy", "BM_WholeGame15/0", "BM_WholeGame15_Naive/0");
    return 0;
}
