// The master level: playing and taking back splots keeps the evaluation exact,
// and a table of positions with the cells the master must choose.
#include "engine/Master.h"
#include "engine/Search.h"
#include "platform/StdRandom.h"
#include "tests/doubles/ScriptedQuestions.h"

#include <QtTest>

#include <random>
#include <set>

using namespace splot;

// Every table the evaluation keeps, for comparing two boards.
static std::vector<int> tables(const Board& b)
{
    std::vector<int> t;
    for (int i = 0; i <= b.lastCell; ++i)
        t.insert(t.end(), {b.cells(i), b.cellScore(0, i), b.cellScore(1, i)});
    for (int l = 1; l <= b.lineCount; ++l)
        t.push_back(b.lineValue(l));
    return t;
}

// A wall set up from rows of X (Red), O (Blue), # (grease), . (empty) and
// * (an empty cell accepted as the master's choice); the splots painted.
struct Wall {
    Board b;
    std::set<int> accepted;
    i16 moves = 0;
};

static Wall setUp(const std::vector<const char*>& rows, bool swap)
{
    Wall w;
    Board& b = w.b;
    b.newGame(static_cast<int>(rows.size()));
    for (int r = 1; r <= b.wallSize; ++r)
        for (int c = 1; c <= b.wallSize; ++c) {
            const char ch = rows[r - 1][c - 1];
            const int i = b.index(c, r);
            if (ch == '*')
                w.accepted.insert(i);
            else if (ch == '#')
                b.placeGreaseSpot(c, r); // as the game enters one
            else if (ch == 'X' || ch == 'O')
                b.play(i, (ch == 'X') != swap ? kRed : kBlue, w.moves);
        }
    return w;
}

class TestMaster : public QObject {
    Q_OBJECT
  private slots:
    void playAndTakeBackKeepTheEvaluation()
    {
        std::mt19937 gen(7);
        Board played, landed;
        played.newGame(15);
        landed.newGame(15);
        for (const auto& [c, r] : {std::pair{8, 8}, {3, 12}, {12, 4}})
            played.placeGreaseSpot(c, r), landed.placeGreaseSpot(c, r);
        const auto fresh = tables(played);
        std::vector<int> history;
        i16 moves = 0;
        // 40 splots played and entered the way a grease spot or the first version enters
        // them, 20 more played; then all taken back.
        for (int k = 0; k < 60; ++k) {
            int i = 0;
            while (played.cells(i) != kEmpty || played.cellLineCount(i) == 0)
                i = played.index(1 + int(gen() % 15), 1 + int(gen() % 15));
            played.play(i, k % 2, moves);
            history.push_back(i);
            if (k >= 40)
                continue;
            landed.land(i, k % 2);
            QCOMPARE(tables(played), tables(landed));
        }
        for (int k = 59; k >= 0; --k) {
            played.takeBack(history[k], moves);
            if (k == 40)
                QCOMPARE(tables(played), tables(landed));
        }
        QCOMPARE(tables(played), fresh);
    }

    void tactics()
    {
        // Positions with Red to move (Blue when the colours are swapped), and their names.
        const std::vector<std::pair<std::vector<const char*>, const char*>> table = {
            {{"...........", "...........", "...........", ".*XXXX*....", "...........", "...........",
              "...........", "..OOOO.....", "...........", "...........", "..........."},
             "win at once, not block"},
            {{"...........", "...........", "...........", "...........", "...........", "OXXXX*X....",
              "...........", "..O.O......", "...........", "...O.......", "..........."},
             "six in a row wins too"},
            {{"...........", ".O.........", "...........", "...........", "...XOOOO*..", "...........",
              "...........", "...........", "...........", "....XXX....", "..........."},
             "block a four before own open three"},
            {{"...........", "...........", "..X.....X..", "...........", "...........", "...........",
              "....*OOO*..", "...........", "..X........", "...........", "..........."},
             "stop an open three"},
            {{"...........", ".O.......O.", "...........", ".......O...", ".......X...", ".......X...",
              ".......X...", ".....XX*...", "...........", ".O.........", "..........."},
             "four and open three"},
            {{"O.........O", "...........", "...........", ".......O...", ".......X.O.", ".......XX..",
              ".......X...", "...OXX**...", ".....X.....", "...........", "O.........O"},
             "victory by continuous fours"},
            {{"XXOOXX", "OOXXOO", "XXOOXX", "OOXXOO", "XXOOXX", "OOXXO*"},
             "the last free cell, not the border"},
            {{"...........", "...........", "...........", "...........", "...........", "*XXXX#.....",
              "...........", "...O.O.O...", "...........", "...O.......", "..........."},
             "a grease spot leaves one end"},
            {{"...........", "...........", "....O.O....", "...OXX.....", "..XOX......", "...XX......",
              "..*.O......", ".......O...", "...........", "...........", "..........."},
             "victory by threes and fours"},
            {{"......O...", ".....X....", "....X.....", "...X..O...", ".OXOOOXO..", ".O..O.X*..",
              "...XOX....", "....X.....", "...X......", "..O......."},
             "the one cell that spoils a victory by threes"},
            {{"........", "..XOX...", "...X*X*.", "..O.O...", "...O....", "..O.....", ".O......", "X......."},
             "the defence against a victory by threes on a small wall"},
            {{"...............", ".X...........X.", "...............", "......*........", "......O........",
              "......*........", "......O........", "...*OO**.......", "......*........", "...............",
              "...............", "...............", ".............X.", ".X.............", "..............."},
             "a three-three prevented one move ahead"},
            {{"...............", ".X...........X.", "......X........", "......O........", "......O........",
              "......O........", "......*........", "...*OO**.......", "...............", "...............",
              "...............", "...............", ".............X.", ".X.............", "..............."},
             "a four-three prevented one move ahead"},
            {{"...............", ".X...........X.", "...............", "......*........", "......O........",
              "......*........", "......O........", "......O........", "......*........", "...............",
              "...............", "..O............", "...............", ".X.............", "..............."},
             "stop a split three"},
            {{"...............", "...............", "...............", "...............", "...*XX.........",
              ".....O..X......", ".....X.O.O.....", "........X......", ".....X.........", "...............",
              "...............", ".....O.....O...", "...............", "...............", "..............."},
             "a victory by threes of four threats"},
            {{"...............", "...............", "...............", "...O...........", ".........X.....",
              "...O.......O...", "....X....X.O...", "...............", ".........*.....", ".......X.X.....",
              "......O........", "...............", "...............", "...............", "..............."},
             "a victory by threes of five threats"},
            {{"..........", "..........", "......O...", "....OXO...", "....XOO...", "....XOX...",
              "....X.....", "....*.....", "..........", ".........."},
             "a victory by threes that a short search does not reach"},
        };
        for (const auto& [rows, name] : table) {
            for (const int side : {kRed, kBlue}) {
                Wall w = setUp(rows, side == kBlue);
                // The master as the window plays it, its clock replaced by a node budget.
                MasterSearch master(11);
                master.limits = MasterLimits::forTime(1);
                master.limits.seconds = 0, master.limits.nodes = 3000;
                const int got = master.choose(w.b, side, w.moves);
                QVERIFY2(w.accepted.count(got),
                         qPrintable(QString("%1, side %2: chose cell %3").arg(name).arg(side).arg(got)));
                QCOMPARE(tables(w.b), tables(setUp(rows, side == kBlue).b)); // left as it was
                // Nor does the move lose at once to fours.
                const bool five = w.b.fiveLine(got, side);
                w.b.play(got, side, w.moves);
                QVERIFY2(five || !master.victoryByFours(w.b, 1 - side, w.moves), name);
            }
        }
    }

    void blocksOfFoursThatLeaveNoThrees()
    {
        // From games lost to the expert: Blue wins by fours unless Red blocks, and some blocks leave
        // Blue a victory by threes. The master by node budget, and by a clock that runs out while
        // the blocks are checked.
        const std::vector<const char*> byNodes = {
            "...............", "...............", "........X......", ".......O.......", "....X.O........",
            "..X.*O.........", "..XOOOOXX......", "...XOXXO.......", "...XOOOXO......", "....*.O..X.....",
            ".......X.......", "...............", "...............", "...............", "..............."};
        const std::vector<const char*> byClock = {
            "...............", "...............", "...............", ".....X.........", ".....O.........",
            "....*O.........", ".....O.X.......", "....OOOXO......", ".....X.OX......", "......XOXX.....",
            ".......X..O....", "........*......", ".........*.....", "...............", "..............."};
        for (const auto& [rows, step] : {std::pair{byNodes, 0.0}, {byClock, 0.001}, {byClock, 0.002}}) {
            Wall w = setUp(rows, false);
            MasterSearch master(7);
            master.limits = {.seconds = 0, .nodes = 6000};
            double t = 0;
            if (step > 0) {
                master.limits = MasterLimits::forTime(0.9);
                master.setTimeSource([&t, step = step] { return t += step; });
            }
            QVERIFY2(w.accepted.count(master.choose(w.b, kRed, w.moves)), qPrintable(QString::number(step)));
        }
    }

    void threats()
    {
        // Red's splot at (5,2), (6,2) and (4,5): an open four, a four, an open three. On the small
        // wall both sides' shapes count alike: Red's two beats Blue's one.
        Wall w = setUp({"......", ".XXX..", "......", "......", ".XX...", "......"}, false);
        Wall e = setUp({"XX...", ".....", ".....", ".....", "....O"}, false);
        MasterSearch m;
        m.victoryByFours(w.b, kRed, w.moves);
        auto at = [&](int c, int r) { return m.threatOf(w.b.index(c, r), kRed); };
        auto ev = [&](int side) { return m.evaluation(e.b, side, 3); };
        // One splot deep and with no victory search, a three-three is seen won: every answer
        // beyond the horizon leaves the other three.
        Wall d = setUp({"O........", ".........", ".....X...", ".....X...", "...XX*...", ".........",
                        ".........", ".O.....O.", "........O"},
                       false);
        MasterSearch h;
        h.limits = {.seconds = 0, .nodes = 100'000, .maxDepth = 1, .vcfDepth = 0, .vctDepth = 0};
        const auto threeThree = static_cast<int>(d.accepted.count(h.choose(d.b, kRed, d.moves)));
        // Red's four at (6,7), blocked at (6,9), lets Blue answer Red's next three with a four of
        // its own: no victory by threes.
        Wall f = setUp({"..........", "..........", "..........", ".....O....", ".....X.OOX", ".....XOXO.",
                        "......XO..", ".....X....", "..........", ".........."},
                       false);
        const int noVictory = MasterSearch().victoryByThrees(f.b, kRed, f.moves);
        QCOMPARE((std::vector{at(5, 2).openFours, at(6, 2).fours, at(6, 2).openFours, at(4, 5).openThrees,
                              at(4, 5).fours, ev(kRed), ev(kBlue), threeThree, h.valueFound, noVictory}),
                 (std::vector{1, 1, 0, 1, 0, 75, -75, 1, 500'000, 0}));
    }

    void computerMoveAtMaster()
    {
        // The master opens in the very middle of an odd wall; the expert's chance
        // term spreads its first splot over the cells around it. A hint stays expert.
        struct : DrawOfferSink {
            void drawAccepted() override {}
        } sink;
        doubles::ScriptedQuestions questions;
        int middle = 0, hintsInMiddle = 0;
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            StdRandom random(seed);
            Search search(random, questions, sink);
            search.gameLevel = kMasterLevel;
            Board b = setUp(std::vector<const char*>(15, "..............."), false).b;
            b.currentPlayer = kRed;
            for (int* count : {&middle, &hintsInMiddle}) {
                i16 column = 0, row = 0;
                QVERIFY(search.Feld_Suche(b, 0, column, row));
                *count += column == 8 && row == 8;
                search.hintMode = true;
            }
        }
        QCOMPARE(middle, 6);
        QVERIFY(hintsInMiddle < 6);
    }
};

QTEST_APPLESS_MAIN(TestMaster)
#include "test_master.moc"
