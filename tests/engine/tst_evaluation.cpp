// The live evaluation after each splot or grease spot: line values and the
// two potentials of every empty cell.
#include "EngineDoubles.h"

#include <QtTest>

#include <vector>

using namespace splot;
using namespace splot::test;

namespace {

// The value a line should have from what its cells hold.
int lineValueFromCells(const Board& b, int l)
{
    int red = 0, blue = 0, grease = 0;
    for (int k = 1; k <= 5; ++k) {
        const int code = b.cells(b.lineCells(k, l));
        red += code == kRed;
        blue += code == kBlue;
        grease += code == kGrease;
    }
    if (grease || (red && blue))
        return kDeadLine;
    int v = red ? 1 : blue ? -1 : 0;
    for (int n = 1; n < red + blue; ++n)
        v *= 4;
    return v;
}

// Compares every line value and every wall cell's potentials with values
// computed afresh from the cells.
bool matchesRecomputation(const Board& b, QString& why)
{
    for (int l = 1; l <= b.lineCount; ++l)
        if (b.lineValue(l) != lineValueFromCells(b, l)) {
            why = QString("line %1: %2, expected %3").arg(l).arg(b.lineValue(l)).arg(lineValueFromCells(b, l));
            return false;
        }
    for (int c = 1; c <= b.wallSize; ++c)
        for (int r = 1; r <= b.wallSize; ++r) {
            const int i = b.index(c, r);
            int pos = 0, neg = 0;
            if (b.cells(i) != kEmpty) {
                pos = neg = kOccupied;
            } else {
                for (int j = 0; j < b.cellLineCount(i); ++j) {
                    const int v = lineValueFromCells(b, b.cellLines(j, i));
                    if (v != kDeadLine)
                        (v > 0 ? pos : neg) += v;
                }
                pos = pos > 64 ? 65 : pos;
                neg = neg < -64 ? -65 : neg;
            }
            if (b.cellScore(0, i) != pos || b.cellScore(1, i) != neg) {
                why = QString("cell (%1,%2): %3/%4, expected %5/%6")
                          .arg(c).arg(r).arg(b.cellScore(0, i)).arg(b.cellScore(1, i)).arg(pos).arg(neg);
                return false;
            }
        }
    return true;
}

// Would a splot of player on cell i complete five (a live line of 4 of its own)?
bool wins(const Board& b, int i, int player)
{
    for (int j = 0; j < b.cellLineCount(i); ++j)
        if (b.lineValue(b.cellLines(j, i)) == 64 * b.playerSign(player))
            return true;
    return false;
}

} // namespace

class EvaluationTest : public QObject {
    Q_OBJECT

private slots:
    void redCornerThenBlueBeside();
    void potentialsAreCapped_data();
    void potentialsAreCapped();
    void greaseSpotKillsEveryLineThroughIt();
    void occupiedNeighboursKeepTheirMark();
    void eachLandingCountsOnce();
    void incrementalMatchesRecomputationOverManyGames_data();
    void incrementalMatchesRecomputationOverManyGames();
};

void EvaluationTest::redCornerThenBlueBeside()
{
    Board b;
    b.newGame(8);
    land(b, 1, 1, kRed);
    QCOMPARE(int(b.lineValue(1)), 1);
    QCOMPARE(int(b.lineValue(33)), 1);
    QCOMPARE(int(b.lineValue(65)), 1);
    int live = 0;
    for (int l = 1; l <= b.lineCount; ++l)
        live += b.lineValue(l) != 0;
    QCOMPARE(live, 3);
    QCOMPARE(int(b.cellScore(0, b.index(2, 1))), 1);
    QCOMPARE(int(b.cellScore(0, b.index(1, 2))), 1);
    QCOMPARE(int(b.cellScore(0, b.index(2, 2))), 1);
    QCOMPARE(int(b.cellScore(0, b.index(5, 5))), 1);
    QCOMPARE(int(b.cellScore(0, b.index(6, 1))), 0);
    QCOMPARE(int(b.cellScore(0, b.index(6, 6))), 0);
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 8; ++r)
            if (c != 1 || r != 1)
                QCOMPARE(int(b.cellScore(1, b.index(c, r))), 0);
    QCOMPARE(int(b.cellScore(0, b.index(1, 1))), 100);
    QCOMPARE(int(b.cellScore(1, b.index(1, 1))), 100);

    land(b, 2, 1, kBlue);
    QCOMPARE(int(b.lineValue(33)), 100);
    QCOMPARE(int(b.lineValue(41)), -1);
    QCOMPARE(lineStartingAt(b, 2, 1, 1, 0), 41);
    QCOMPARE(int(b.cellScore(0, b.index(3, 1))), 0);
    QCOMPARE(int(b.cellScore(1, b.index(3, 1))), -1);
    QCOMPARE(int(b.cellScore(0, b.index(1, 2))), 1);
    QCOMPARE(int(b.cellScore(0, b.index(2, 2))), 1); // the diagonal from (1, 1)
    QCOMPARE(int(b.cellScore(1, b.index(2, 2))), -1); // the column under (2, 1)
}

void EvaluationTest::potentialsAreCapped_data()
{
    QTest::addColumn<std::vector<int>>("values"); // the lines through the cell, in order
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("blue");
    QTest::newRow("64 and 16") << std::vector<int>{64, 16} << 65 << 0;
    QTest::newRow("64 alone") << std::vector<int>{64} << 64 << 0;
    QTest::newRow("four of 16") << std::vector<int>{16, 16, 16, 16} << 64 << 0;
    QTest::newRow("four of 16 and 1") << std::vector<int>{16, 16, 16, 16, 1} << 65 << 0;
    QTest::newRow("-64 and -16") << std::vector<int>{-64, -16} << 0 << -65;
    QTest::newRow("-64 alone") << std::vector<int>{-64} << 0 << -64;
    QTest::newRow("both sides") << std::vector<int>{64, -16, 4, -1} << 65 << -17;
    QTest::newRow("dead lines count nothing") << std::vector<int>{100, 16, 100, -4} << 16 << -4;
}

void EvaluationTest::potentialsAreCapped()
{
    QFETCH(std::vector<int>, values);
    Board b;
    b.newGame(15);
    const int target = b.index(8, 8);
    QCOMPARE(int(b.cellLineCount(target)), 20);
    // Lines through the target that do not pass through (9, 9) keep the values
    // given; a grease spot on (9, 9) then makes the target recompute.
    const int spot = b.index(9, 9);
    std::vector<int> free;
    for (int j = 0; j < 20; ++j) {
        const int l = b.cellLines(j, target);
        bool throughSpot = false;
        for (int k = 1; k <= 5; ++k)
            throughSpot |= b.lineCells(k, l) == spot;
        if (!throughSpot)
            free.push_back(l);
    }
    QVERIFY(free.size() >= values.size());
    for (std::size_t n = 0; n < values.size(); ++n)
        b.lineValue(free[n]) = static_cast<i16>(values[n]);

    land(b, 9, 9, kGrease);
    QFETCH(int, red);
    QFETCH(int, blue);
    QCOMPARE(int(b.cellScore(0, target)), red);
    QCOMPARE(int(b.cellScore(1, target)), blue);
}

void EvaluationTest::greaseSpotKillsEveryLineThroughIt()
{
    Board b;
    b.newGame(8);
    land(b, 1, 1, kRed);
    land(b, 2, 2, kRed);
    land(b, 4, 1, kBlue);
    QCOMPARE(int(b.lineValue(65)), 4);                     // (1,1)..(5,5)
    QCOMPARE(int(b.cellScore(0, b.index(3, 3))), 4 + 1);   // diagonal 4, and (2,2)..(6,6) with one
    QCOMPARE(int(b.cellScore(0, b.index(5, 5))), 4 + 1);
    const int row1 = lineStartingAt(b, 1, 1, 1, 0);
    QCOMPARE(int(b.lineValue(row1)), 100);                 // Red and Blue in row 1

    land(b, 3, 3, kGrease);
    for (int j = 0; j < b.cellLineCount(b.index(3, 3)); ++j)
        QCOMPARE(int(b.lineValue(b.cellLines(j, b.index(3, 3)))), 100);
    QCOMPARE(int(b.cellScore(0, b.index(5, 5))), 0);
    QCOMPARE(int(b.cellScore(0, b.index(3, 2))), 2);       // (2,2) still counts on two lines of row 2
    QCOMPARE(int(b.cellScore(1, b.index(4, 3))), -1);      // column 4 under Blue's splot
    QCOMPARE(int(b.cells(b.index(3, 3))), int(kGrease));
    QString why;
    QVERIFY2(matchesRecomputation(b, why), qPrintable(why));
}

void EvaluationTest::occupiedNeighboursKeepTheirMark()
{
    Board b;
    b.newGame(8);
    land(b, 4, 4, kRed);
    land(b, 5, 4, kBlue);
    land(b, 4, 6, kGrease);
    // Every move right next to them: the occupied cells stay 100/100.
    land(b, 5, 5, kRed);
    land(b, 3, 4, kBlue);
    for (auto [c, r] : {std::pair{4, 4}, {5, 4}, {4, 6}, {5, 5}, {3, 4}}) {
        QCOMPARE(int(b.cellScore(0, b.index(c, r))), 100);
        QCOMPARE(int(b.cellScore(1, b.index(c, r))), 100);
    }
}

void EvaluationTest::eachLandingCountsOnce()
{
    Board b;
    b.newGame(8);
    land(b, 1, 1, kRed);
    b.Zug_Auswertung(); // the same landing again
    QCOMPARE(int(b.lineValue(1)), 4);
    QCOMPARE(int(b.cellScore(0, b.index(1, 2))), 4);
}

void EvaluationTest::incrementalMatchesRecomputationOverManyGames_data()
{
    QTest::addColumn<int>("n");
    for (int n = 6; n <= 15; ++n)
        QTest::newRow(qPrintable(QString("%1x%1").arg(n))) << n;
}

void EvaluationTest::incrementalMatchesRecomputationOverManyGames()
{
    QFETCH(int, n);
    RecordingCanvas canvas;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        StdRandom random(seed * 7919u + static_cast<std::uint32_t>(n));
        Board b;
        b.newGame(n);
        if (seed % 2)
            b.Fettflecken(random, canvas, 300, 240);
        QString why;
        QVERIFY2(matchesRecomputation(b, why), qPrintable(QString("seed %1 after grease: %2").arg(seed).arg(why)));

        // Random splots, alternating sides, until one would complete five or the wall is full.
        std::vector<int> empty;
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r)
                if (b.cells(b.index(c, r)) == kEmpty)
                    empty.push_back(b.index(c, r));
        int player = int(seed % 2);
        while (!empty.empty()) {
            const std::size_t pick = std::size_t(random.Rnd() * float(empty.size())) % empty.size();
            const int i = empty[pick];
            empty.erase(empty.begin() + std::ptrdiff_t(pick));
            if (wins(b, i, player))
                break;
            int c, r;
            b.columnRow(i, c, r);
            land(b, c, r, player);
            QVERIFY2(matchesRecomputation(b, why),
                     qPrintable(QString("seed %1 after (%2,%3): %4").arg(seed).arg(c).arg(r).arg(why)));
            player = 1 - player;
        }
    }
}

QTEST_APPLESS_MAIN(EvaluationTest)
#include "tst_evaluation.moc"
