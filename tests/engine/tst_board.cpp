// The board's sizes, coordinates and tables of five-cell lines.
#include "EngineDoubles.h"

#include <QtTest>

#include <algorithm>
#include <set>
#include <stdexcept>

using namespace splot;
using namespace splot::test;

class BoardTablesTest : public QObject {
    Q_OBJECT

private slots:
    void derivedSizes_data();
    void derivedSizes();
    void eightByEightLandmarks();
    void sixBySixLines();
    void fifteenByFifteenCentre();
    void lineTablesHoldForEverySize_data();
    void lineTablesHoldForEverySize();
    void neighbourOffsets();
    void indexRoundTrip();
    void newGameStartsEmpty();
    void newGameRebuildsForAnotherSize();
    void refusesWallsTheTablesCannotHold();
    void roundingGoesHalfToEven();
};

void BoardTablesTest::derivedSizes_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("rowStride");
    QTest::addColumn<int>("cellOrigin");
    QTest::addColumn<int>("lastCell");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("playable");
    QTest::newRow("6x6") << 6 << 14 << 45 << 195 << 32 << 36;
    QTest::newRow("8x8") << 8 << 16 << 51 << 255 << 96 << 64;
    QTest::newRow("15x15") << 15 << 23 << 72 << 528 << 572 << 225;
}

void BoardTablesTest::derivedSizes()
{
    QFETCH(int, n);
    Board b;
    b.newGame(n);
    QCOMPARE(int(b.wallSize), n);
    QTEST(int(b.rowStride), "rowStride");
    QTEST(int(b.cellOrigin), "cellOrigin");
    QTEST(int(b.lastCell), "lastCell");
    QTEST(int(b.lineCount), "lineCount");
    QTEST(int(b.playableCells), "playable");
    QCOMPARE(int(b.playerSign(0)), 1);
    QCOMPARE(int(b.playerSign(1)), -1);
    QCOMPARE(int(b.playerSign(2)), 0);
    QCOMPARE(int(b.playerSign(3)), 0);
}

void BoardTablesTest::eightByEightLandmarks()
{
    Board b;
    b.newGame(8);
    const int corner = b.index(1, 1);
    QCOMPARE(corner, 68);
    QCOMPARE(int(b.cellLineCount(corner)), 3);
    // One vertical (line 1), one horizontal (33), one down-right diagonal (65).
    QCOMPARE(int(b.cellLines(0, corner)), 1);
    QCOMPARE(int(b.cellLines(1, corner)), 33);
    QCOMPARE(int(b.cellLines(2, corner)), 65);
    QCOMPARE(int(b.cellLines(3, corner)), 0);
    QCOMPARE(int(b.cellLineCount(b.index(4, 4))), 15);
    QCOMPARE(int(b.cellLineCount(b.index(8, 8))), 3);

    // Line 1 is column 1, rows 1..5; line 33 is row 1, columns 1..5.
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(int(b.lineCells(k, 1)), b.index(1, k));
        QCOMPARE(int(b.lineCells(k, 33)), b.index(k, 1));
    }
    // The families: 1..32 vertical, 33..64 horizontal, 65..80 down-right, 81..96 down-left.
    auto step = [&](int l) { return b.lineCells(2, l) - b.lineCells(1, l); };
    for (int l = 1; l <= 96; ++l) {
        const int expected = l <= 32 ? b.rowStride : l <= 64 ? 1 : l <= 80 ? b.rowStride + 1 : b.rowStride - 1;
        QCOMPARE(step(l), expected);
    }
    // The first down-left line starts at its top-right end, (5, 1).
    QCOMPARE(int(b.lineCells(1, 81)), b.index(5, 1));
    QCOMPARE(int(b.lineCells(5, 81)), b.index(1, 5));

    int lo = 99, hi = 0;
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 8; ++r) {
            lo = std::min(lo, int(b.cellLineCount(b.index(c, r))));
            hi = std::max(hi, int(b.cellLineCount(b.index(c, r))));
        }
    QCOMPARE(lo, 3);
    QCOMPARE(hi, 15);
}

void BoardTablesTest::sixBySixLines()
{
    Board b;
    b.newGame(6);
    QCOMPARE(int(b.lineCount), 32);
    int vertical = 0, horizontal = 0, downRight = 0, downLeft = 0;
    std::vector<int> perColumn(7, 0), perRow(7, 0);
    for (int l = 1; l <= b.lineCount; ++l) {
        const int s = b.lineCells(2, l) - b.lineCells(1, l);
        int c, r;
        b.columnRow(b.lineCells(1, l), c, r);
        if (s == b.rowStride) { ++vertical; ++perColumn[c]; }
        else if (s == 1) { ++horizontal; ++perRow[r]; }
        else if (s == b.rowStride + 1) ++downRight;
        else if (s == b.rowStride - 1) ++downLeft;
    }
    QCOMPARE(vertical, 12);
    QCOMPARE(horizontal, 12);
    QCOMPARE(downRight, 4);
    QCOMPARE(downLeft, 4);
    for (int k = 1; k <= 6; ++k) {
        QCOMPARE(perColumn[k], 2);
        QCOMPARE(perRow[k], 2);
    }
    for (int c = 1; c <= 6; ++c)
        for (int r = 1; r <= 6; ++r)
            QVERIFY(b.cellLineCount(b.index(c, r)) <= 7);
}

void BoardTablesTest::fifteenByFifteenCentre()
{
    Board b;
    b.newGame(15);
    QCOMPARE(int(b.lineCount), 572);
    for (int c = 1; c <= 15; ++c)
        for (int r = 1; r <= 15; ++r) {
            const bool centre = c >= 5 && c <= 11 && r >= 5 && r <= 11;
            const int count = b.cellLineCount(b.index(c, r));
            if (centre)
                QCOMPARE(count, 20);
            else
                QVERIFY2(count < 20, qPrintable(QString("(%1,%2)").arg(c).arg(r)));
        }
}

void BoardTablesTest::lineTablesHoldForEverySize_data()
{
    QTest::addColumn<int>("n");
    for (int n = 5; n <= 15; ++n)
        QTest::newRow(qPrintable(QString("%1x%1").arg(n))) << n;
}

void BoardTablesTest::lineTablesHoldForEverySize()
{
    QFETCH(int, n);
    Board b;
    b.newGame(n);
    QCOMPARE(int(b.lineCount), 4 * (n - 2) * (n - 4));

    auto onWall = [&](int i) {
        int c, r;
        b.columnRow(i, c, r);
        return c >= 1 && c <= n && r >= 1 && r <= n;
    };

    // Each line: five wall cells, consecutive in one of the four directions,
    // and listed exactly once in each of its cells' lists.
    const std::set<int> steps = {b.rowStride, 1, b.rowStride + 1, b.rowStride - 1};
    for (int l = 1; l <= b.lineCount; ++l) {
        QCOMPARE(int(b.lineCells(0, l)), 0);
        const int s = b.lineCells(2, l) - b.lineCells(1, l);
        QVERIFY(steps.count(s));
        for (int k = 1; k <= 5; ++k) {
            const int x = b.lineCells(k, l);
            QVERIFY(onWall(x));
            if (k > 1)
                QCOMPARE(x - b.lineCells(k - 1, l), s);
            int c1, r1, c0, r0;
            b.columnRow(x, c1, r1);
            b.columnRow(b.lineCells(1, l), c0, r0);
            QVERIFY(std::abs(c1 - c0) <= 4 && std::abs(r1 - r0) <= 4); // no wrap over an edge
            int seen = 0;
            for (int j = 0; j < b.cellLineCount(x); ++j)
                seen += b.cellLines(j, x) == l;
            QCOMPARE(seen, 1);
        }
    }

    // Each cell's list: increasing line numbers, exactly its count of them, a 0
    // after them; border cells have none.
    long total = 0;
    for (int i = 0; i <= b.lastCell; ++i) {
        const int count = b.cellLineCount(i);
        QVERIFY(count >= 0 && count <= 20);
        if (!onWall(i))
            QCOMPARE(count, 0);
        for (int j = 0; j < count; ++j) {
            const int l = b.cellLines(j, i);
            QVERIFY(l >= 1 && l <= b.lineCount);
            if (j > 0)
                QVERIFY(l > b.cellLines(j - 1, i));
            bool contains = false;
            for (int k = 1; k <= 5; ++k)
                contains |= b.lineCells(k, l) == i;
            QVERIFY(contains);
        }
        for (int j = count; j < 20; ++j)
            QCOMPARE(int(b.cellLines(j, i)), 0);
        total += count;
    }
    QCOMPARE(total, 5L * b.lineCount);
}

void BoardTablesTest::neighbourOffsets()
{
    for (int n = 6; n <= 15; ++n) {
        Board b;
        b.newGame(n);
        const int s = b.rowStride;
        QCOMPARE(int(b.neighbourOffset(1)), s + 1);
        QCOMPARE(int(b.neighbourOffset(8)), -s);
        QCOMPARE(int(b.neighbourOffset(29)), 4);
        QCOMPARE(int(b.neighbourOffset(32)), -4 * s);
        const int dir[8][2] = {{1, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        std::set<int> distinct;
        for (int d = 1; d <= 4; ++d)
            for (int m = 1; m <= 8; ++m) {
                const int k = 8 * (d - 1) + m;
                QCOMPARE(int(b.neighbourOffset(k)), dir[m - 1][0] * d + dir[m - 1][1] * d * s);
                distinct.insert(b.neighbourOffset(k));
            }
        QCOMPARE(int(distinct.size()), 32);
        // From every wall cell, all 32 neighbours stay inside the cell array.
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r)
                for (int k = 1; k <= 32; ++k) {
                    const int x = b.index(c, r) + b.neighbourOffset(k);
                    QVERIFY(x >= 0 && x <= b.lastCell);
                }
    }
}

void BoardTablesTest::indexRoundTrip()
{
    for (int n = 6; n <= 15; ++n) {
        Board b;
        b.newGame(n);
        std::set<int> seen;
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r) {
                const int i = b.index(c, r);
                QCOMPARE(i, (r + 3) * b.rowStride + (c + 3));
                int c2 = 0, r2 = 0;
                b.columnRow(i, c2, r2);
                QCOMPARE(c2, c);
                QCOMPARE(r2, r);
                QCOMPARE(b.index(c2, r2), i);
                seen.insert(i);
            }
        QCOMPARE(int(seen.size()), n * n);
    }
}

void BoardTablesTest::newGameStartsEmpty()
{
    Board b;
    b.newGame(9);
    for (int i = 0; i <= b.lastCell; ++i) {
        QCOMPARE(int(b.cells(i)), int(kEmpty));
        QCOMPARE(int(b.cellScore(0, i)), 0);
        QCOMPARE(int(b.cellScore(1, i)), 0);
    }
    for (int l = 0; l <= b.lineCount; ++l)
        QCOMPARE(int(b.lineValue(l)), 0);
}

void BoardTablesTest::newGameRebuildsForAnotherSize()
{
    Board b;
    b.newGame(15);
    land(b, 8, 8, kRed);
    land(b, 9, 8, kBlue);
    land(b, 3, 3, kGrease);
    b.playableCells = 200;

    b.newGame(6);
    QCOMPARE(int(b.lineCount), 32);
    QCOMPARE(int(b.lastCell), 195);
    QCOMPARE(int(b.playableCells), 36);
    for (int i = 0; i <= b.lastCell; ++i) {
        QCOMPARE(int(b.cells(i)), int(kEmpty));
        QCOMPARE(int(b.cellScore(0, i)), 0);
        QCOMPARE(int(b.cellScore(1, i)), 0);
    }
    for (int l = 0; l <= b.lineCount; ++l)
        QCOMPARE(int(b.lineValue(l)), 0);
    QCOMPARE(int(b.cellLineCount(b.index(1, 1))), 3);
    QCOMPARE(int(b.neighbourOffset(1)), 15);

    // And back to the same size: no count is carried over.
    b.newGame(6);
    QCOMPARE(int(b.cellLineCount(b.index(1, 1))), 3);
}

void BoardTablesTest::refusesWallsTheTablesCannotHold()
{
    Board b;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, b.newGame(4));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, b.newGame(0));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, b.newGame(-8));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, b.newGame(kMaxWallSize + 1));
    b.newGame(5);
    QCOMPARE(int(b.lineCount), 12);
    b.newGame(kMaxWallSize);
    QVERIFY(b.lineCount > 0);
    QVERIFY(b.lastCell > 0);
}

void BoardTablesTest::roundingGoesHalfToEven()
{
    QCOMPARE(roundHalfEven(0.5), 0);
    QCOMPARE(roundHalfEven(1.5), 2);
    QCOMPARE(roundHalfEven(2.5), 2);
    QCOMPARE(roundHalfEven(-2.5), -2);
    QCOMPARE(roundHalfEven(2.4999), 2);
    QCOMPARE(roundHalfEven(2.5001), 3);
}

QTEST_APPLESS_MAIN(BoardTablesTest)
#include "tst_board.moc"
