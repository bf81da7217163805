// The engine: board tables, line evaluation, the computer's search, grease
// spots and victory texts.
#include "engine/Board.h"
#include "engine/Search.h"
#include "engine/VictoryText.h"
#include "tests/doubles/BoardProbe.h"
#include "tests/doubles/RecordingCanvas.h"
#include "tests/doubles/ScriptedQuestions.h"
#include "tests/doubles/ScriptedRandom.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace splot;
using namespace splot::doubles;

namespace {

using Cell = std::pair<int, int>; // column, row; or Red's and Blue's potential
const Cell kNone{-1, -1};

// Where the live evaluation differs from one computed afresh from the cells; empty if nowhere.
QString evaluationMismatch(const Board& b)
{
    std::vector<int> value(std::size_t(b.lineCount) + 1);
    for (int l = 1; l <= b.lineCount; ++l) {
        int count[4] = {};
        for (int k = 1; k <= 5; ++k)
            ++count[b.cells(b.lineCells(k, l))];
        const int splots = count[kRed] + count[kBlue], sign = count[kRed] ? 1 : -1;
        const bool dead = count[kGrease] || (count[kRed] && count[kBlue]);
        value[l] = dead ? kDeadLine : splots ? sign * (1 << (2 * splots - 2)) : 0; // 1, 4, 16, 64, 256
        if (b.lineValue(l) != value[l])
            return QString("line %1").arg(l);
    }
    for (int i = 0; i <= b.lastCell; ++i) { // border cells too: they lie on no line
        int pos = 0, neg = 0;
        for (int j = 0; j < b.cellLineCount(i); ++j)
            if (const int v = value[b.cellLines(j, i)]; v != kDeadLine)
                (v > 0 ? pos : neg) += v;
        const Cell expected =
            b.cells(i) == kEmpty ? Cell(std::min(pos, 65), std::max(neg, -65)) : Cell(kOccupied, kOccupied);
        if (Cell(b.cellScore(0, i), b.cellScore(1, i)) != expected)
            return QString("cell %1").arg(i);
    }
    return {};
}

// A search whose questions are answered No unless answers are queued; it counts accepted draws.
struct Rig final : DrawOfferSink {
    Rig(Random& random, int level) : search(random, questions, *this) { search.gameLevel = i16(level); }
    void drawAccepted() override { ++accepted; }
    // The cell the search picks for player, or kNone.
    Cell pick(Board& b, int player, int moveCount)
    {
        b.currentPlayer = i16(player);
        i16 column = 0, row = 0;
        return search.Feld_Suche(b, i16(moveCount), column, row) ? Cell(column, row) : kNone;
    }
    ScriptedQuestions questions;
    Search search;
    int accepted = 0;
};

} // namespace

class TestEngine : public QObject {
    Q_OBJECT

  private slots:
    // The tables for every size a game offers.
    void lineTablesHoldForEverySize()
    {
        Board b; // one board for all sizes: nothing of the tables before may survive a new game
        for (int n = 6; n <= 15; ++n) {
            b.newGame(n);
            // Every run of five wall cells down, right or down a diagonal is one line, listed from
            // its top (top-left, top-right) or left end; numbered down, across, down-right,
            // down-left, each family by column, then row.
            QCOMPARE(int(b.lineCount), 2 * n * (n - 4) + 2 * (n - 4) * (n - 4));
            std::vector<std::vector<int>> linesOf(std::size_t(b.lastCell) + 1);
            int l = 0;
            for (auto [dc, dr] : {Cell(0, 1), Cell(1, 0), Cell(1, 1), Cell(-1, 1)})
                for (int c = 1; c <= n; ++c)
                    for (int r = 1; r <= n; ++r) {
                        if (c + 4 * dc < 1 || c + 4 * dc > n || r + 4 * dr > n)
                            continue;
                        ++l;
                        for (int k = 0; k < 5; ++k) {
                            QCOMPARE(int(b.lineCells(k + 1, l)), b.index(c + k * dc, r + k * dr));
                            linesOf[std::size_t(b.index(c + k * dc, r + k * dr))].push_back(l);
                        }
                    }
            // The 32 cells around one: distance 1 to 4 on the rays down-right, up-left, up-right,
            // down-left, right, left, down, up (rows lie n + 8 cells apart).
            const int d = n + 8, ray[8] = {d + 1, -d - 1, 1 - d, d - 1, 1, -1, d, -d};
            for (int k = 1; k <= 32; ++k)
                QCOMPARE(int(b.neighbourOffset(k)), ray[(k - 1) % 8] * ((k + 7) / 8));
            // Every cell lists its lines in increasing order, then 0s.
            for (int i = 0; i <= b.lastCell; ++i) {
                const std::vector<int>& lines = linesOf[std::size_t(i)];
                QCOMPARE(int(b.cellLineCount(i)), int(lines.size()));
                for (int j = 0; j < 20; ++j)
                    QCOMPARE(int(b.cellLines(j, i)), j < int(lines.size()) ? lines[std::size_t(j)] : 0);
            }
        }
    }

    // Random games on one board, played on past five in a row until the wall is full.
    // Grease spots: count = Rnd * N²/30 + N/3 rounded, count + 1 attempts of two
    // draws each; an attempt on a greased cell places nothing, a placed spot is five
    // drops of five draws each. After every landing the live evaluation (dead lines,
    // potentials capped at 65 and -65 included) equals one computed afresh. Where the
    // search plays, it takes an empty cell and never misses a must-play cell of its own.
    void randomGamesStaySound()
    {
        Board b;
        for (int n = 6; n <= 15; ++n)
            for (std::uint32_t seed = 0; seed < 16; ++seed) {
                ScriptedRandom random({float(seed) / 16.0f}, seed * 7919u + std::uint32_t(n));
                Rig rig(random, int(seed / 4));
                RecordingCanvas canvas;
                b.newGame(n);
                if (seed % 2) {
                    b.Fettflecken(random, canvas, 300, 240);
                    // Count + 1 attempts, the count rounded halves to even.
                    const long attempts = std::lrint(seed / 16.0 * (n * n / 30.0) + n / 3.0) + 1;
                    QCOMPARE(random.draws, 1 + 2 * attempts + 25L * (n * n - b.playableCells));
                }
                QCOMPARE(evaluationMismatch(b), QString());
                for (int moveCount = 0, player = int(seed % 3 == 0); moveCount < b.playableCells;
                     ++moveCount, player = 1 - player) {
                    std::vector<Cell> empty;
                    bool canWin = false;
                    for (int c = 1; c <= n; ++c)
                        for (int r = 1; r <= n; ++r)
                            if (b.cells(b.index(c, r)) == kEmpty) {
                                empty.emplace_back(c, r);
                                canWin |= std::abs(b.cellScore(player, b.index(c, r))) >= 64;
                            }
                    QCOMPARE(int(empty.size()), b.playableCells - moveCount);
                    Cell move = empty[std::size_t(random.Rnd() * float(empty.size())) % empty.size()];
                    if (seed % 4 >= 2) { // the search plays
                        move = rig.pick(b, player, moveCount);
                        QVERIFY(std::ranges::find(empty, move) != empty.end());
                        QVERIFY(!canWin ||
                                std::abs(b.cellScore(player, b.index(move.first, move.second))) >= 64);
                    }
                    b.land(b.index(move.first, move.second), player); // as the move execution does
                    QCOMPARE(evaluationMismatch(b), QString());
                }
            }
    }

    // Red's value a and Blue's value b of a cell on 12 lines of an 8 x 8 wall,
    // from the random numbers given (how many are drawn in the column before a).
    void cellValues()
    {
        struct Case {
            const char* what;
            int level, moves;
            Cell score;
            float rnd[4];
            int draws;
            double a, b;
        };
        const Case cases[] = {
            {"expert, lowest draws", 3, 30, {16, -4}, {0, 0}, 2, 19.87, -18.09},
            {"very easy, draws in order", 0, 0, {16, -4}, {0.5f, 0.25f, 0, 0.75f}, 4, 16.96548, -5.38548},
            {"beginner, 7 splots", 1, 7, {16, -4}, {0, 0}, 2, 19.3948, -17.6148},
            {"beginner, 8 splots", 1, 8, {16, -4}, {0.5f, 0, 0.5f, 0}, 4, 17.2948, -9.2148},
            {"advanced, 11 splots", 2, 11, {16, -4}, {0, 0}, 2, 19.438, -17.658},
            {"advanced, 12 splots", 2, 12, {16, -4}, {0.5f, 0, 0.5f, 0}, 4, 17.738, -10.858},
            {"Red's own 64: no draws for Red", 0, 0, {64, -4}, {0.5f, 0.5f}, 2, 10000, -18.26048},
            {"Blue's own -65: no draws for Blue", 0, 0, {16, -65}, {0.5f, 0.5f}, 2, 30.76548, -10000}};
        Board b;
        b.newGame(8);
        const int i = b.index(3, 4);
        for (const Case& k : cases) {
            BoardProbe::cellScore(b, 0, i) = i16(k.score.first);
            BoardProbe::cellScore(b, 1, i) = i16(k.score.second);
            ScriptedRandom random({k.rnd[0], k.rnd[1], k.rnd[2], k.rnd[3]});
            Rig rig(random, 0);
            double a = 0, bv = 0;
            rig.search.cellValues(b, i, k.level, i16(k.moves), a, bv);
            QVERIFY2(std::abs(a - k.a) + std::abs(bv - k.b) < 1e-6 && random.draws == k.draws, k.what);
        }
    }

    // The cell the search picks. The first move on an empty 8 x 8 wall: the draws per
    // cell show the level searched (4 at very easy, 2 at expert); at expert the line
    // bonus keeps cells on fewer than 8 lines out. A hint searches at expert; a level a
    // settings file made up plays at the nearest known one. A draw is offered at the third
    // search without potential past half the wall. Must-play cells: columns left to right,
    // each from the top; the own four before blocking the other's. A full wall has no cell.
    void searchPicksAndOffersDraws()
    {
        Board b;
        b.newGame(8);
        for (auto [level, hint, drawsPerCell] : {std::array{0, 0, 4}, {0, 1, 2}, {7, 0, 2}, {-1, 0, 4}}) {
            ScriptedRandom random({}, 11);
            Rig rig(random, level);
            rig.search.hintMode = hint;
            const Cell cell = rig.pick(b, kBlue, 0);
            QCOMPARE(random.draws, 64L * drawsPerCell);
            QVERIFY(drawsPerCell == 4 || b.cellLineCount(b.index(cell.first, cell.second)) >= 8);
        }
        StdRandom random(2); // the empty wall at very easy holds no potential anywhere
        Rig easy(random, 0);
        easy.questions.answers = {false, true};
        auto searches = [&](int times, int moveCount) {
            for (int n = 0; n < times; ++n)
                QVERIFY(easy.pick(b, kRed, moveCount) != kNone);
        };
        searches(3, 32);       // half the wall is not past it
        for (int p : {0, 1}) { // a side still has a line to build on
            BoardProbe::cellScore(b, p, b.index(4, 4)) = i16(4 * b.playerSign(p));
            searches(3, 40);
            BoardProbe::cellScore(b, p, b.index(4, 4)) = 0;
        }
        b.playableCells = 63; // one grease spot: 32 splots are past half of it
        searches(3, 32);      // the third asks; a No still gives a cell
        searches(7, 40);
        QCOMPARE(easy.questions.count("What do you think about a draw?"), 1);
        QCOMPARE(easy.questions.asked.at(0).title, std::string()); // the question has no title
        QCOMPARE(easy.pick(b, kRed, 40), kNone); // the eighth after the No asks again: Yes gives no cell
        QCOMPARE(easy.accepted, 1);
        Rig expert(random, 3);
        const int fours[][4] = {{3, 5, 0, 64},  {3, 2, 0, 65},  {4, 1, 0, 64},
                                {6, 6, 1, -64}, {6, 3, 1, -65}, {7, 1, 1, -64}};
        for (const auto& [c, r, p, v] : fours) // column, row, side, potential
            BoardProbe::cellScore(b, p, b.index(c, r)) = i16(v);
        QCOMPARE(expert.pick(b, kRed, 20), Cell(3, 2));
        QCOMPARE(expert.pick(b, kBlue, 20), Cell(6, 3));
        for (int i = 0; i <= b.lastCell; ++i)
            BoardProbe::cells(b, i) = i16(i % 2);
        QCOMPARE(expert.pick(b, kRed, 64), kNone);
    }

    // Grease spots on a 6 x 6 wall: Rnd * 36/30 + 2 rounded is 2, so three
    // attempts; column and row Rnd * 6 + 1 rounded halves to even; the third attempt
    // hits the first spot again. Each spot is five yellow drops around the cell's
    // centre, offset by a signed Rnd * cellSize / 3.5 rounded, column first.
    void greaseSpotsAreFiveDropsAroundTheCellCentre()
    {
        ScriptedRandom random({0.0f, 0.45f, 0.3f}); // the count, the first spot's column and row
        for (int d = 0; d < 10; ++d) { // per drop: sign, size, sign, size of the offsets; the radius
            const int k = d % 5;       // both spots' drops alike
            random.push({k % 2 ? 0.7f : 0.2f, 0.1033f + 0.17f * float(k), k % 3 ? 0.8f : 0.3f,
                         0.9027f - 0.15f * float(k), 0.2f * float(k)});
            if (d == 4)
                random.push({0.25f, 0.75f}); // the second spot's column and row
        }
        random.push({0.45f, 0.3f}); // the first spot's cell again
        RecordingCanvas canvas;
        Board b;
        b.newGame(6);
        b.Fettflecken(random, canvas, 700, 600);
        QVERIFY(random.draws == 57 && random.randomizes == 1);
        QCOMPARE(int(b.playableCells), 34);
        QVERIFY(b.cells(b.index(4, 3)) == kGrease && b.cells(b.index(2, 6)) == kGrease);
        QStringList drawn; // solid yellow circles: x, y, radius
        for (const RecordingCanvas::Op& op : canvas.ops) {
            QVERIFY(op.kind == op.Circle && op.foreColor == 14 && op.fillColor == 14 &&
                    op.fillStyle == Canvas::Solid);
            drawn.append(QString::asprintf("%g,%g,%g", op.x1, op.y1, std::round(op.radius * 1000) / 1000));
        }
        QCOMPARE(drawn.join(' '), "2429,1569,60 2505,1901,78 2361,1871,96 2573,1659,114 2293,1811,132 "
                                  "1029,3669,60 1105,4001,78 961,3971,96 1173,3759,114 893,3911,132");
    }

    // Rnd * 9 rounded halves to even picks one of a side's ten texts; any outcome but 0 consoles.
    void victoryTexts()
    {
        ScriptedRandom random({0.0f, 0.3f, 0.5f, 0.99f, 0.0f, 0.3f, 0.5f, 0.99f, 0.0f, 0.3f, 0.5f, 0.99f});
        const int entries[] = {0, 3, 4, 9}; // 0, 2.7, 4.5 and 8.91 rounded
        for (int n = 0; n < 12; ++n)        // outcomes 0, 1 and 2, four numbers each
            QCOMPARE(SiegText(n / 4, random), std::string(kVictoryTexts[n >= 4][entries[n % 4]]));
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "test_engine.moc"
