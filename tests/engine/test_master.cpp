// The master level: playing and taking back splots keeps the evaluation exact,
// and a table of positions with the cells the master must choose.
#include "engine/Board.h"
#include "engine/Master.h"
#include "engine/Search.h"
#include "platform/StdRandom.h"
#include "tests/doubles/ScriptedQuestions.h"

#include <QtTest>

#include <random>
#include <set>
#include <vector>

using namespace splot;

namespace {

// Every table the evaluation keeps, for comparing two boards.
std::vector<int> tables(const Board& b)
{
    std::vector<int> t;
    for (int i = 0; i <= b.lastCell; ++i)
        t.insert(t.end(), {b.cells(i), b.cellScore(0, i), b.cellScore(1, i)});
    for (int l = 1; l <= b.lineCount; ++l)
        t.push_back(b.lineValue(l));
    return t;
}

// A position: the wall as rows of X (Red), O (Blue), # (grease), . (empty)
// and * (an empty cell the master may choose); Red to move (Blue when swapped).
struct Position {
    std::vector<const char*> rows;
    const char* name;
};

// Stones of the wall, and the accepted cells.
Board setUp(const Position& p, bool swap, std::set<int>& accepted, i16& moves)
{
    Board b;
    b.newGame(static_cast<int>(p.rows.size()));
    for (int r = 1; r <= b.wallSize; ++r)
        for (int c = 1; c <= b.wallSize; ++c) {
            const char ch = p.rows[r - 1][c - 1];
            const int i = b.index(c, r);
            if (ch == '*')
                accepted.insert(i);
            else if (ch == '#')
                b.currentCell = i16(i), b.currentPlayer = kGrease, b.cells(i) = kGrease,
                b.cellScore(0, i) = b.cellScore(1, i) = kOccupied, b.Zug_Auswertung(), --b.playableCells;
            else if (ch == 'X' || ch == 'O')
                b.play(i, (ch == 'X') != swap ? kRed : kBlue, moves);
        }
    return b;
}

} // namespace

class TestMaster : public QObject {
    Q_OBJECT
  private slots:
    void playAndTakeBackKeepTheEvaluation()
    {
        std::mt19937 gen(7);
        Board played, landed;
        played.newGame(15);
        landed.newGame(15);
        const auto fresh = tables(played);
        std::vector<int> history;
        i16 moves = 0;
        // 60 splots kept, 20 more played and taken back by a search without the potentials.
        for (int k = 0; k < 80; ++k) {
            int i;
            do
                i = played.index(1 + int(gen() % 15), 1 + int(gen() % 15));
            while (played.cells(i) != kEmpty);
            played.play(i, k % 2, moves, k < 60);
            history.push_back(i);
            if (k >= 60)
                continue;
            // The same splot the way a grease spot or the first version enters it.
            landed.currentCell = i16(i);
            landed.cells(i) = landed.currentPlayer = i16(k % 2);
            landed.cellScore(0, i) = landed.cellScore(1, i) = kOccupied;
            landed.Zug_Auswertung();
            QCOMPARE(tables(played), tables(landed));
        }
        for (int k = 79; k >= 0; --k) {
            played.takeBack(history[k], moves, k < 60);
            if (k == 60)
                QCOMPARE(tables(played), tables(landed));
        }
        QCOMPARE(tables(played), fresh);
        QCOMPARE(moves, i16(0));
    }

    void tactics()
    {
        const std::vector<Position> table = {
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
        };
        for (const Position& p : table) {
            for (const int side : {kRed, kBlue}) {
                std::set<int> accepted;
                i16 moves = 0;
                Board b = setUp(p, side == kBlue, accepted, moves);
                const auto before = tables(b);
                MasterSearch master(11);
                master.limits = {.seconds = 0, .nodes = 3000};
                const int cell = master.choose(b, side, moves);
                QVERIFY2(accepted.count(cell), p.name);
                QCOMPARE(tables(b), before);
            }
        }
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
            Board b;
            b.newGame(15);
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
