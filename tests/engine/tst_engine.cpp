// The engine: board tables, line evaluation, the computer's search, grease
// spots and victory texts.
#include "doubles/RecordingCanvas.h"
#include "doubles/ScriptedQuestions.h"
#include "doubles/ScriptedRandom.h"
#include "engine/Board.h"
#include "engine/Search.h"
#include "engine/VictoryText.h"

#include <QtTest>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

using namespace splot;
using namespace splot::doubles;

namespace {

using Cell = std::pair<int, int>; // column, row; or Red's and Blue's potential
const Cell kNone{-1, -1};

// A board set up for a new game on a wall of n cells.
Board wall(int n)
{
    Board b;
    b.newGame(n);
    return b;
}

// Puts a splot (or a grease spot) on a cell the way the move execution does.
void land(Board& b, int column, int row, int code)
{
    const int i = b.index(column, row);
    b.currentCell = i16(i);
    b.currentPlayer = i16(code);
    b.cells(i) = i16(code);
    b.cellScore(0, i) = b.cellScore(1, i) = kOccupied;
    b.Zug_Auswertung();
}

// Where the live evaluation differs from one computed afresh from the cells; empty if nowhere.
QString evaluationMismatch(const Board& b)
{
    std::vector<int> value(std::size_t(b.lineCount) + 1);
    for (int l = 1; l <= b.lineCount; ++l) {
        int count[4] = {};
        for (int k = 1; k <= 5; ++k)
            ++count[b.cells(b.lineCells(k, l))];
        const int splots = count[kRed] + count[kBlue], sign = count[kRed] ? 1 : -1;
        if (count[kGrease] || (count[kRed] && count[kBlue]))
            value[l] = kDeadLine;
        else if (splots > 0)
            value[l] = sign * (1 << (2 * splots - 2)); // 1, 4, 16, 64
        if (b.lineValue(l) != value[l])
            return QString("line %1").arg(l);
    }
    for (int c = 1; c <= b.wallSize; ++c)
        for (int r = 1; r <= b.wallSize; ++r) {
            const int i = b.index(c, r);
            int pos = 0, neg = 0;
            for (int j = 0; j < b.cellLineCount(i); ++j)
                if (const int v = value[b.cellLines(j, i)]; v != kDeadLine)
                    (v > 0 ? pos : neg) += v;
            const Cell expected = b.cells(i) == kEmpty ? Cell(std::min(pos, 65), std::max(neg, -65))
                                                       : Cell(kOccupied, kOccupied);
            if (Cell(b.cellScore(0, i), b.cellScore(1, i)) != expected)
                return QString("cell (%1,%2)").arg(c).arg(r);
        }
    return {};
}

// A search whose questions are answered No unless answers are queued; it counts accepted draws.
struct Rig final : DrawOfferSink {
    Rig(Random& random, int level) : search(random, questions, *this) { search.gameLevel = i16(level); }
    void drawAccepted() override { ++accepted; }
    ScriptedQuestions questions;
    Search search;
    int accepted = 0;
};

// The cell the search picks for player, or kNone.
Cell pick(Rig& rig, Board& b, int player, int moveCount)
{
    b.currentPlayer = i16(player);
    i16 column = 0, row = 0;
    return rig.search.Feld_Suche(b, i16(moveCount), column, row) ? Cell(column, row) : kNone;
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT

private slots:
    void eightByEightFigures()
    {
        Board b = wall(8);
        QCOMPARE((std::vector<int>{b.rowStride, b.cellOrigin, b.lastCell, b.lineCount, b.playableCells}),
                 (std::vector<int>{16, 51, 255, 96, 64}));
        const int corner = b.index(1, 1), centre = b.index(4, 4); // corner: a line down, right, diagonal
        QCOMPARE((std::vector<int>{corner, b.cellLineCount(corner), b.cellLines(0, corner),
                                   b.cellLines(1, corner), b.cellLines(2, corner), b.cellLineCount(centre)}),
                 (std::vector<int>{68, 3, 1, 33, 65, 15}));
        // Lines 1..32 run down, 33..64 right, 65..80 down-right, 81..96 down-left.
        for (int l = 1; l <= 96; ++l)
            QCOMPARE(b.lineCells(2, l) - b.lineCells(1, l), l <= 32 ? 16 : l <= 64 ? 1 : l <= 80 ? 17 : 15);
    }

    void lineTablesHoldForEverySize()
    {
        Board b; // one board for all sizes: nothing of the tables before may survive a new game
        for (int n = 6; n <= 15; ++n) {
            b.newGame(n);
            auto onWall = [n](int c, int r) { return c >= 1 && c <= n && r >= 1 && r <= n; };
            // Every run of five wall cells down, right or down a diagonal is one line,
            // listed from its top (top-left, top-right) or left end: (first cell, step).
            std::set<Cell> expected, actual;
            for (int c = 1; c <= n; ++c)
                for (int r = 1; r <= n; ++r)
                    for (auto [dc, dr] : {Cell(0, 1), Cell(1, 0), Cell(1, 1), Cell(-1, 1)})
                        if (onWall(c + 4 * dc, r + 4 * dr))
                            expected.insert({b.index(c, r), dc + dr * b.rowStride});
            std::vector<std::vector<int>> linesOf(std::size_t(b.lastCell) + 1);
            for (int l = 1; l <= b.lineCount; ++l) {
                const int first = b.lineCells(1, l), step = b.lineCells(2, l) - first;
                actual.insert({first, step});
                for (int k = 1; k <= 5; ++k) {
                    QCOMPARE(int(b.lineCells(k, l)), first + (k - 1) * step);
                    linesOf[std::size_t(first + (k - 1) * step)].push_back(l);
                }
            }
            QVERIFY(actual == expected && int(expected.size()) == b.lineCount);
            // Every cell lists its lines in increasing order, then 0s; (column, row) maps back.
            for (int i = 0; i <= b.lastCell; ++i) {
                const std::vector<int>& lines = linesOf[std::size_t(i)];
                QCOMPARE(int(b.cellLineCount(i)), int(lines.size()));
                for (int j = 0; j < 20; ++j)
                    QCOMPARE(int(b.cellLines(j, i)), j < int(lines.size()) ? lines[std::size_t(j)] : 0);
                int c, r;
                b.columnRow(i, c, r);
                QVERIFY(onWall(c, r) == !lines.empty() && (lines.empty() || b.index(c, r) == i));
            }
        }
    }

    void refusesWallSizesTheTablesCannotHold()
    {
        Board b;
        for (int n : {4, 0, -8, kMaxWallSize + 1})
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, b.newGame(n));
        b.newGame(5);
        QCOMPARE(int(b.lineCount), 12);
        b.newGame(kMaxWallSize);
        QCOMPARE(int(b.lineCount), 4 * (kMaxWallSize - 2) * (kMaxWallSize - 4));
    }

    void redCornerThenBlueBeside()
    {
        Board b = wall(8);
        auto red = [&b](int c, int r) { return int(b.cellScore(0, b.index(c, r))); };
        land(b, 1, 1, kRed);
        for (int l = 1; l <= b.lineCount; ++l)
            QCOMPARE(int(b.lineValue(l)), l == 1 || l == 33 || l == 65 ? 1 : 0);
        QCOMPARE((std::vector<int>{red(2, 1), red(1, 2), red(2, 2), red(5, 5), red(6, 1)}),
                 (std::vector<int>{1, 1, 1, 1, 0}));
        land(b, 2, 1, kBlue);
        QCOMPARE((std::vector<int>{b.lineValue(33), b.lineValue(41), red(3, 1), b.cellScore(1, b.index(3, 1)),
                                   red(1, 2)}),
                 (std::vector<int>{kDeadLine, -1, 0, -1, 1}));
    }

    void potentialsAreCapped()
    {
        struct Case { std::vector<int> lineValues; Cell potentials; };
        const Case cases[] = {{{64, 16}, {65, 0}},         {{64}, {64, 0}},
                              {{16, 16, 16, 16}, {64, 0}}, {{-64, -16}, {0, -65}},
                              {{100, 16, 100, -4}, {16, -4}}}; // dead lines count nothing
        for (const Case& k : cases) {
            Board b = wall(15);
            // The first five lines through (8, 8) run down it, away from (9, 9): they
            // get the values, and a grease spot on (9, 9) makes (8, 8) add them up.
            const int target = b.index(8, 8);
            for (std::size_t j = 0; j < k.lineValues.size(); ++j)
                b.lineValue(b.cellLines(int(j), target)) = i16(k.lineValues[j]);
            land(b, 9, 9, kGrease);
            QCOMPARE(Cell(b.cellScore(0, target), b.cellScore(1, target)), k.potentials);
        }
    }

    // Random games on one board. Grease spots: count = Rnd * N²/30 + N/3 rounded,
    // count + 1 attempts of two draws each; an attempt on a greased cell places
    // nothing, a placed spot is five drops of five draws each. After every landing
    // the live evaluation equals one computed afresh. Where the search plays, it
    // takes an empty cell and never misses a must-play cell of its own.
    void randomGamesStaySound()
    {
        Board b;
        for (int n = 6; n <= 15; ++n)
            for (std::uint32_t seed = 0; seed < 16; ++seed) {
                const float first = float(seed) / 16.0f;
                ScriptedRandom random({first}, seed * 7919u + std::uint32_t(n));
                Rig rig(random, int(seed / 4));
                RecordingCanvas canvas;
                b.newGame(n);
                if (seed % 2) {
                    b.Fettflecken(random, canvas, 300, 240);
                    const int spots = n * n - b.playableCells;
                    const int attempts = roundHalfEven(double(first) * (n * n / 30.0) + n / 3.0) + 1;
                    QVERIFY(spots >= 1 && random.draws == 1 + 2L * attempts + 25L * spots);
                    QVERIFY(random.randomizes == 1 && int(canvas.ops.size()) == 5 * spots);
                }
                for (int moveCount = 0, player = int(seed % 3 == 0);; ++moveCount, player = 1 - player) {
                    QCOMPARE(evaluationMismatch(b), QString());
                    std::vector<Cell> empty;
                    bool canWin = false;
                    for (int c = 1; c <= n; ++c)
                        for (int r = 1; r <= n; ++r)
                            if (b.cells(b.index(c, r)) == kEmpty) {
                                empty.emplace_back(c, r);
                                canWin |= std::abs(b.cellScore(player, b.index(c, r))) >= 64;
                            }
                    QCOMPARE(int(empty.size()), b.playableCells - moveCount);
                    if (empty.empty())
                        break;
                    Cell move = empty[std::size_t(random.Rnd() * float(empty.size())) % empty.size()];
                    if (seed % 4 >= 2) {
                        move = pick(rig, b, player, moveCount);
                        QVERIFY(std::find(empty.begin(), empty.end(), move) != empty.end());
                    }
                    const int i = b.index(move.first, move.second);
                    QVERIFY(seed % 4 < 2 || !canWin || std::abs(b.cellScore(player, i)) >= 64);
                    bool five = false;
                    for (int j = 0; j < b.cellLineCount(i); ++j)
                        five |= b.lineValue(b.cellLines(j, i)) == 64 * b.playerSign(player);
                    if (five)
                        break;
                    land(b, move.first, move.second, player);
                }
            }
    }

    // Red's value a and Blue's value b of a cell on 12 lines of an 8 x 8 wall,
    // from the random numbers given (how many are drawn in the column before a).
    void cellValues()
    {
        struct Case { const char* what; int level, moves; Cell score; float rnd[4]; int draws; double a, b; };
        const Case cases[] = {
            {"expert, lowest draws", 3, 30, {16, -4}, {0, 0}, 2, 19.87, -18.09},
            {"very easy, draws in order", 0, 0, {16, -4}, {0.5f, 0.25f, 0, 0.75f}, 4, 16.96548, -5.38548},
            {"beginner, 7 splots", 1, 7, {16, -4}, {0, 0}, 2, 19.3948, -17.6148},
            {"beginner, 8 splots", 1, 8, {16, -4}, {0.5f, 0, 0.5f, 0}, 4, 17.2948, -9.2148},
            {"advanced, 11 splots", 2, 11, {16, -4}, {0, 0}, 2, 19.438, -17.658},
            {"advanced, 12 splots", 2, 12, {16, -4}, {0.5f, 0, 0.5f, 0}, 4, 17.738, -10.858},
            {"Red's own 64: no draws for Red", 0, 0, {64, -4}, {0.5f, 0.5f}, 2, 10000, -18.26048},
            {"Blue's own -65: no draws for Blue", 0, 0, {16, -65}, {0.5f, 0.5f}, 2, 30.76548, -10000}};
        Board b = wall(8);
        const int i = b.index(3, 4);
        for (const Case& k : cases) {
            b.cellScore(0, i) = i16(k.score.first);
            b.cellScore(1, i) = i16(k.score.second);
            ScriptedRandom random({k.rnd[0], k.rnd[1], k.rnd[2], k.rnd[3]});
            Rig rig(random, 0);
            double a = 0, bv = 0;
            rig.search.cellValues(b, i, k.level, i16(k.moves), a, bv);
            QVERIFY2(std::abs(a - k.a) < 1e-6 && std::abs(bv - k.b) < 1e-6 && random.draws == k.draws,
                     qPrintable(QString("%1: %2 %3").arg(k.what).arg(a, 0, 'f', 8).arg(bv, 0, 'f', 8)));
        }
    }

    // The first move on an empty 8 x 8 wall: the draws per cell show the level
    // searched; at expert the line bonus keeps cells on fewer than 8 lines out.
    void searchLevels()
    {
        struct Case { int level; bool hint; long drawsPerCell; };
        // A hint searches at expert; a level the settings file made up plays at the nearest known one.
        for (const Case k : {Case{0, false, 4}, Case{0, true, 2}, Case{7, false, 2}, Case{-1, false, 4}}) {
            Board b = wall(8);
            int fewLines = 0;
            for (std::uint32_t seed = 1; seed <= 200; ++seed) {
                ScriptedRandom random({}, seed);
                Rig rig(random, k.level);
                rig.search.hintMode = k.hint;
                const Cell cell = pick(rig, b, int(seed % 2), 0);
                QCOMPARE(random.draws, 64 * k.drawsPerCell);
                fewLines += b.cellLineCount(b.index(cell.first, cell.second)) < 8;
            }
            QCOMPARE(fewLines == 0, k.drawsPerCell == 2);
        }
    }

    void mustPlayCellsComeFirstInScanOrder()
    {
        StdRandom random(5);
        Rig rig(random, 3);
        Board b = wall(8);
        b.cellScore(0, b.index(3, 5)) = 64;
        b.cellScore(0, b.index(3, 2)) = 65;
        b.cellScore(0, b.index(4, 1)) = 64;
        b.cellScore(1, b.index(6, 6)) = -64;
        b.cellScore(1, b.index(6, 3)) = -65;
        b.cellScore(1, b.index(7, 1)) = -64;
        // Columns left to right, each from the top; the own four before blocking the other's.
        QCOMPARE(pick(rig, b, kRed, 20), Cell(3, 2));
        QCOMPARE(pick(rig, b, kBlue, 20), Cell(6, 3));
    }

    void drawIsOfferedAtTheThirdSearchWithoutPotentialPastHalfTheWall()
    {
        // An empty 8 x 8 wall at "very easy" holds no potential anywhere.
        StdRandom random(2);
        Rig rig(random, 0);
        rig.questions.answers = {false, true};
        Board b = wall(8);
        auto searches = [&](int times, int moveCount) {
            for (int n = 0; n < times; ++n)
                QVERIFY(pick(rig, b, kRed, moveCount) != kNone);
        };
        searches(3, 32); // half the wall is not past it
        b.cellScore(0, b.index(4, 4)) = 4; // Red still has a line to build on
        searches(3, 40);
        b.cellScore(0, b.index(4, 4)) = 0;
        b.cellScore(1, b.index(4, 4)) = -4; // Blue still has one
        searches(3, 40);
        b.cellScore(1, b.index(4, 4)) = 0;
        b.playableCells = 63; // one grease spot: 32 splots are past half of it
        searches(2, 32);
        QVERIFY(rig.questions.asked.empty());
        searches(1, 32); // the third asks; a No still gives a cell
        QCOMPARE(rig.questions.asked.size(), std::size_t(1));
        QCOMPARE(rig.questions.asked[0].text, std::string("What do you think about a draw?"));
        searches(7, 40);
        QCOMPARE(rig.questions.asked.size(), std::size_t(1));
        QCOMPARE(pick(rig, b, kRed, 40), kNone); // the eighth after the No asks again: Yes gives no cell
        QCOMPARE(rig.accepted, 1);
    }

    void fullWallGivesNoCell()
    {
        Board b = wall(6);
        for (int i = 0; i <= b.lastCell; ++i)
            b.cells(i) = i16(i % 2);
        StdRandom random(4);
        Rig rig(random, 0);
        QCOMPARE(pick(rig, b, kRed, 36), kNone);
    }

    void victoryTexts()
    {
        const std::vector<std::string> texts[2] = {
            {"Well done!", "Very clever!", "Fantastic!", "Cool!", "Wow!", "Hurrah!", "You're top!",
             "Yippieh!", "Nice!", "Super!"},
            {"Sorry!", "Try again!", "Don't give up!", "Oooh!", "Aaaaargh!", "Forget it!", "No luck today!",
             "Never mind!", "Don't worry!", "Once more!"}};
        StdRandom random(1234);
        const int calls = 90000;
        for (int outcome = 0; outcome <= 1; ++outcome) {
            std::map<std::string, int> counts;
            for (int n = 0; n < calls; ++n)
                ++counts[SiegText(outcome, random)];
            QCOMPARE(int(counts.size()), 10); // its own ten texts, nothing else
            for (int e = 0; e < 10; ++e) {
                // Rnd * 9 rounded: 0 and 9 come up half as often as the others.
                const double expected = calls / (e == 0 || e == 9 ? 18.0 : 9.0);
                const std::string& text = texts[outcome][std::size_t(e)];
                QVERIFY2(std::abs(counts[text] - expected) < expected * 0.05, text.c_str());
            }
        }
        ScriptedRandom halves({0.5f, 0.5f / 9.0f});
        QCOMPARE(SiegText(0, halves), std::string("Wow!"));   // 4.5 goes to 4
        QCOMPARE(SiegText(1, halves), std::string("Sorry!")); // 0.5 goes to 0
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"
