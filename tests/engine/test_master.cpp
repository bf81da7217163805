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
// and * (an empty cell the master may choose); the side to move.
struct Position {
    const char* name;
    int side;
    std::vector<const char*> rows;
};

// Stones of the wall, and the accepted cells.
Board setUp(const Position& p, bool swap, std::set<int>& accepted, i16& moves)
{
    Board b;
    b.newGame(static_cast<int>(p.rows.size()));
    moves = 0;
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
    void playAndTakeBackKeepTheEvaluation();
    void tactics();
    void computerMoveAtMaster();
};

void TestMaster::playAndTakeBackKeepTheEvaluation()
{
    std::mt19937 gen(7);
    Board played, landed;
    played.newGame(15);
    landed.newGame(15);
    const auto fresh = tables(played);
    std::vector<int> history;
    i16 moves = 0;
    for (int k = 0; k < 60; ++k) {
        int i;
        do
            i = played.index(1 + int(gen() % 15), 1 + int(gen() % 15));
        while (played.cells(i) != kEmpty);
        played.play(i, k % 2, moves);
        // The same splot the way a grease spot or the first version enters it.
        landed.currentCell = i16(i);
        landed.cells(i) = landed.currentPlayer = i16(k % 2);
        landed.cellScore(0, i) = landed.cellScore(1, i) = kOccupied;
        landed.Zug_Auswertung();
        QCOMPARE(tables(played), tables(landed));
        history.push_back(i);
    }
    QCOMPARE(moves, i16(60));
    // A search plays and takes back without the potentials: all as it was.
    const auto middle = tables(played);
    for (int k = 0; k < 20; ++k) {
        int i;
        do
            i = played.index(1 + int(gen() % 15), 1 + int(gen() % 15));
        while (played.cells(i) != kEmpty);
        played.play(i, k % 2, moves, false);
        history.push_back(i);
    }
    for (int k = 0; k < 20; ++k) {
        played.takeBack(history.back(), moves, false);
        history.pop_back();
    }
    QCOMPARE(tables(played), middle);
    while (!history.empty()) {
        played.takeBack(history.back(), moves);
        history.pop_back();
    }
    QCOMPARE(tables(played), fresh);
    QCOMPARE(moves, i16(0));
}

void TestMaster::tactics()
{
    const std::vector<Position> table = {
        {"win at once, not block",
         kRed,
         {"...........", "...........", "...........", ".*XXXX*....", "...........", "...........",
          "...........", "..OOOO.....", "...........", "...........", "..........."}},
        {"six in a row wins too",
         kRed,
         {"...........", "...........", "...........", "...........", "...........", "OXXXX*X....",
          "...........", "..O.O......", "...........", "...O.......", "..........."}},
        {"block a four before own open three",
         kRed,
         {"...........", ".O.........", "...........", "...........", "...XOOOO*..", "...........",
          "...........", "...........", "...........", "....XXX....", "..........."}},
        {"stop an open three",
         kRed,
         {"...........", "...........", "..X.....X..", "...........", "...........", "...........",
          "....*OOO*..", "...........", "..X........", "...........", "..........."}},
        {"four and open three",
         kRed,
         {"...........", ".O.......O.", "...........", ".......O...", ".......X...", ".......X...",
          ".......X...", ".....XX*...", "...........", ".O.........", "..........."}},
        {"victory by continuous fours",
         kRed,
         {"O.........O", "...........", "...........", ".......O...", ".......X.O.", ".......XX..",
          ".......X...", "...OXX**...", ".....X.....", "...........", "O.........O"}},
        {"the last free cell, not the border",
         kRed,
         {"XXOOXX", "OOXXOO", "XXOOXX", "OOXXOO", "XXOOXX", "OOXXO*"}},
        {"a grease spot leaves one end",
         kRed,
         {"...........", "...........", "...........", "...........", "...........", "*XXXX#.....",
          "...........", "...O.O.O...", "...........", "...O.......", "..........."}},
    };
    for (const Position& p : table) {
        for (const bool swap : {false, true}) {
            std::set<int> accepted;
            i16 moves = 0;
            Board b = setUp(p, swap, accepted, moves);
            const auto before = tables(b);
            const int side = swap ? 1 - p.side : p.side;
            MasterSearch master(11);
            master.limits.seconds = 0;
            master.limits.nodes = 3000;
            const int cell = master.choose(b, side, moves);
            QVERIFY2(accepted.count(cell),
                     qPrintable(QString("%1 (%2): %3").arg(p.name).arg(side).arg(cell)));
            QCOMPARE(tables(b), before);
            // Nor does the move let the opponent make five next.
            if (!b.fiveLine(cell, side)) {
                b.play(cell, side, moves);
                for (int i = 0; i <= b.lastCell; ++i)
                    QVERIFY2(b.cells(i) != kEmpty || !b.fiveLine(i, 1 - side), p.name);
            }
        }
    }
}

void TestMaster::computerMoveAtMaster()
{
    // The master opens in the very middle of an odd wall; the expert's chance
    // term spreads its first splot over the cells around it. A hint stays expert.
    struct NoDraw final : DrawOfferSink {
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
        i16 column = 0, row = 0;
        QVERIFY(search.Feld_Suche(b, 0, column, row));
        middle += column == 8 && row == 8;
        search.hintMode = true;
        QVERIFY(search.Feld_Suche(b, 0, column, row));
        hintsInMiddle += column == 8 && row == 8;
    }
    QCOMPARE(middle, 6);
    QVERIFY(hintsInMiddle < 6);
}

QTEST_APPLESS_MAIN(TestMaster)
#include "test_master.moc"
