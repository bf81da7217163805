// The computer's choice of cell, the hint, and the draw offer.
#include "EngineDoubles.h"

#include <QtTest>

#include <map>
#include <set>

using namespace splot;
using namespace splot::test;

namespace {

int cellWithLines(const Board& b, int lines)
{
    for (int c = 1; c <= b.wallSize; ++c)
        for (int r = 1; r <= b.wallSize; ++r)
            if (b.cellLineCount(b.index(c, r)) == lines)
                return b.index(c, r);
    return -1;
}

struct Rig {
    explicit Rig(Random& random) : search(random, questions, sink) {}
    ScriptedQuestions questions;
    CountingSink sink;
    Search search;
};

} // namespace

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void workedValueAtExpert();
    void randomDrawsComeInTheGameOrder();
    void weightRangesOfTheLevels();
    void ownFourBeatsBlockingTheOpponentsFour();
    void firstMustPlayCellInScanOrderWins();
    void openingMoveAtExpertTakesACellOnManyLines();
    void openingMoveAtVeryEasyLandsAnywhere();
    void levelsSwitchToRandomWeightsAfterTheOpening_data();
    void levelsSwitchToRandomWeightsAfterTheOpening();
    void hintSearchesAtExpertForTheSideToMove();
    void drawIsOfferedAtTheThirdEmptySearchPastHalfTheWall();
    void drawCountsOnlyWithoutPotentialAndPastHalfTheWall();
    void acceptedDrawGivesNoCell();
    void fullWallGivesNoCell();
    void wholeGamesNeverPickAnOccupiedCellNorMissAWin();
};

void SearchTest::workedValueAtExpert()
{
    Board b;
    b.newGame(8);
    const int i = cellWithLines(b, 12);
    QVERIFY(i > 0);
    b.cellScore(0, i) = 16;
    b.cellScore(1, i) = -4;

    ScriptedRandom low({0.0f, 0.0f});
    Rig rigLow(low);
    double a = 0, bb = 0;
    rigLow.search.cellValues(b, i, 3, 30, a, bb);
    QVERIFY(qFuzzyCompare(a, 19.87));
    QVERIFY(qFuzzyCompare(bb, -18.09));
    QCOMPARE(low.draws, 2);

    ScriptedRandom high({0.99999994f, 0.99999994f});
    Rig rigHigh(high);
    rigHigh.search.cellValues(b, i, 3, 30, a, bb);
    QVERIFY(std::abs(a - 20.17) < 1e-6);
    QVERIFY(std::abs(bb - -17.79) < 1e-6);

    StdRandom seeded(17);
    Rig rig(seeded);
    for (int n = 0; n < 2000; ++n) {
        rig.search.cellValues(b, i, 3, 30, a, bb);
        QVERIFY(a >= 19.87 - 1e-9 && a < 20.17);
        QVERIFY(bb >= -18.09 - 1e-9 && bb < -17.79);
    }
}

void SearchTest::randomDrawsComeInTheGameOrder()
{
    Board b;
    b.newGame(8);
    const int i = cellWithLines(b, 12);
    b.cellScore(0, i) = 16;
    b.cellScore(1, i) = -4;
    const double bonus0 = 12 * 0.04 / 1000;
    double a = 0, bb = 0;

    // Very easy: Red's weight, Red's chance, Blue's weight, Blue's chance.
    ScriptedRandom r0({0.4f, 0.2f, 0.8f, 0.6f});
    Rig rig0(r0);
    rig0.search.cellValues(b, i, 0, 0, a, bb);
    QCOMPARE(r0.draws, 4);
    QVERIFY(std::abs(a - (16 + (0.1 + 0.25 * double(0.4f)) * 4 + 0.3 * double(0.2f) + bonus0 - 0.01)) < 1e-9);
    QVERIFY(std::abs(bb - (-4 - (0.1 + 0.25 * double(0.8f)) * 16 + 0.3 * double(0.6f) - bonus0 - 0.01)) < 1e-9);

    // A side whose own potential reaches 64 draws nothing.
    b.cellScore(0, i) = 64;
    ScriptedRandom r1({0.8f, 0.6f});
    Rig rig1(r1);
    rig1.search.cellValues(b, i, 0, 0, a, bb);
    QCOMPARE(a, 10000.0);
    QCOMPARE(r1.draws, 2);
    QVERIFY(std::abs(bb - (-4 - (0.1 + 0.25 * double(0.8f)) * 64 + 0.3 * double(0.6f) - bonus0 - 0.01)) < 1e-9);

    b.cellScore(1, i) = -65;
    ScriptedRandom r2;
    Rig rig2(r2);
    rig2.search.cellValues(b, i, 0, 0, a, bb);
    QCOMPARE(a, 10000.0);
    QCOMPARE(bb, -10000.0);
    QCOMPARE(r2.draws, 0);
}

void SearchTest::weightRangesOfTheLevels()
{
    // Red's value of a cell with R = 0 and B = -10 is 10 w plus the chance
    // term and bonus; drawing 0 then 0 gives the lowest weight, ~1 the highest.
    Board b;
    b.newGame(8);
    const int i = cellWithLines(b, 3);
    b.cellScore(1, i) = -10;
    struct Case { int level; int moveCount; double lowW; double highW; };
    const Case cases[] = {{0, 0, 0.1, 0.35},  {0, 40, 0.1, 0.35}, {1, 7, 0.85, 0.85}, {1, 8, 0.1, 0.55},
                          {2, 11, 0.85, 0.85}, {2, 12, 0.25, 0.6}, {3, 0, 0.85, 0.85}, {3, 40, 0.85, 0.85}};
    for (const Case& k : cases) {
        const double bonus = std::pow(10.0, k.level) * 3 * 0.04 / 1000;
        double a = 0, bb = 0;
        ScriptedRandom lowR({}, 0.0f);
        Rig lowRig(lowR);
        lowRig.search.cellValues(b, i, k.level, i16(k.moveCount), a, bb);
        QVERIFY2(std::abs(a - (10 * k.lowW + bonus - 0.01)) < 1e-6, qPrintable(QString::number(k.level)));
        ScriptedRandom highR({}, 0.99999994f);
        Rig highRig(highR);
        highRig.search.cellValues(b, i, k.level, i16(k.moveCount), a, bb);
        QVERIFY2(std::abs(a - (10 * k.highW + 0.3 + bonus - 0.01)) < 1e-5, qPrintable(QString::number(k.level)));
    }
}

void SearchTest::ownFourBeatsBlockingTheOpponentsFour()
{
    Board b;
    b.newGame(8);
    for (int c = 1; c <= 4; ++c) {
        land(b, c, 8, kBlue); // Blue threatens (5, 8)
        land(b, c, 2, kRed);  // Red completes at (5, 2)
    }
    QVERIFY(b.cellScore(1, b.index(5, 8)) <= -64);
    QVERIFY(b.cellScore(0, b.index(5, 2)) >= 64);
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        StdRandom random(seed);
        Rig rig(random);
        for (int level = 0; level <= 3; ++level) {
            rig.search.gameLevel = i16(level);
            i16 column = 0, row = 0;
            b.currentPlayer = kRed;
            QVERIFY(rig.search.Feld_Suche(b, 8, column, row));
            QCOMPARE(column, i16(5));
            QCOMPARE(row, i16(2));
            b.currentPlayer = kBlue;
            QVERIFY(rig.search.Feld_Suche(b, 8, column, row));
            QCOMPARE(column, i16(5));
            QCOMPARE(row, i16(8));
        }
    }
}

void SearchTest::firstMustPlayCellInScanOrderWins()
{
    StdRandom random(5);
    Rig rig(random);
    rig.search.gameLevel = 3;
    i16 column = 0, row = 0;

    Board b;
    b.newGame(8);
    b.cellScore(0, b.index(3, 5)) = 64;
    b.cellScore(0, b.index(3, 2)) = 65;
    b.currentPlayer = kRed;
    QVERIFY(rig.search.Feld_Suche(b, 20, column, row));
    QCOMPARE(column, i16(3)); // same column: the one nearer the top
    QCOMPARE(row, i16(2));

    b.cellScore(0, b.index(2, 7)) = 64;
    QVERIFY(rig.search.Feld_Suche(b, 20, column, row));
    QCOMPARE(column, i16(2)); // the lower column first
    QCOMPARE(row, i16(7));

    // The same for Blue.
    b.newGame(8);
    b.cellScore(1, b.index(6, 6)) = -64;
    b.cellScore(1, b.index(6, 3)) = -65;
    b.cellScore(1, b.index(7, 1)) = -64;
    b.currentPlayer = kBlue;
    QVERIFY(rig.search.Feld_Suche(b, 20, column, row));
    QCOMPARE(column, i16(6));
    QCOMPARE(row, i16(3));
}

void SearchTest::openingMoveAtExpertTakesACellOnManyLines()
{
    Board b;
    b.newGame(8);
    std::map<int, int> byLines;
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        StdRandom random(seed);
        Rig rig(random);
        rig.search.gameLevel = 3;
        b.currentPlayer = i16(seed % 2);
        i16 column = 0, row = 0;
        QVERIFY(rig.search.Feld_Suche(b, 0, column, row));
        QVERIFY(column >= 1 && column <= 8 && row >= 1 && row <= 8);
        const int lines = b.cellLineCount(b.index(column, row));
        QVERIFY2(lines >= 8, qPrintable(QString("(%1,%2) on %3 lines").arg(column).arg(row).arg(lines)));
        ++byLines[lines];
    }
    QVERIFY(byLines[15] > 2400); // nearly always a centre cell
}

void SearchTest::openingMoveAtVeryEasyLandsAnywhere()
{
    Board b;
    b.newGame(8);
    std::set<int> chosen;
    int fewLines = 0;
    for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
        StdRandom random(seed);
        Rig rig(random);
        rig.search.gameLevel = 0;
        b.currentPlayer = kRed;
        i16 column = 0, row = 0;
        QVERIFY(rig.search.Feld_Suche(b, 0, column, row));
        chosen.insert(b.index(column, row));
        fewLines += b.cellLineCount(b.index(column, row)) < 8;
    }
    QVERIFY(chosen.size() >= 60);
    QVERIFY(fewLines > 200);
}

void SearchTest::levelsSwitchToRandomWeightsAfterTheOpening_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("moveCount");
    QTest::addColumn<int>("drawsPerCell");
    QTest::newRow("very easy, first move") << 0 << 0 << 4;
    QTest::newRow("beginner, 7 splots") << 1 << 7 << 2;
    QTest::newRow("beginner, 8 splots") << 1 << 8 << 4;
    QTest::newRow("advanced, 11 splots") << 2 << 11 << 2;
    QTest::newRow("advanced, 12 splots") << 2 << 12 << 4;
    QTest::newRow("expert, 12 splots") << 3 << 12 << 2;
    QTest::newRow("very easy, 12 splots") << 0 << 12 << 4;
    // A level the settings file made up plays at the nearest known one.
    QTest::newRow("level 7 as expert") << 7 << 12 << 2;
    QTest::newRow("level -1 as very easy") << -1 << 0 << 4;
}

void SearchTest::levelsSwitchToRandomWeightsAfterTheOpening()
{
    QFETCH(int, level);
    QFETCH(int, moveCount);
    QFETCH(int, drawsPerCell);
    Board b;
    b.newGame(8);
    for (int k = 0; k < moveCount; ++k) // scattered splots, potentials far below 64
        land(b, 1 + (k % 4) * 2 + (k / 12), 1 + ((k / 4) % 3) * 3, k % 2);
    int empty = 0;
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 8; ++r)
            empty += b.cells(b.index(c, r)) == kEmpty;
    QCOMPARE(empty, 64 - moveCount);

    CountingRandom random(3);
    Rig rig(random);
    rig.search.gameLevel = i16(level);
    b.currentPlayer = kRed;
    i16 column = 0, row = 0;
    QVERIFY(rig.search.Feld_Suche(b, i16(moveCount), column, row));
    QCOMPARE(random.draws, long(empty * drawsPerCell));
}

void SearchTest::hintSearchesAtExpertForTheSideToMove()
{
    Board b;
    b.newGame(8);
    CountingRandom random(11);
    Rig rig(random);
    rig.search.gameLevel = 0;
    rig.search.hintMode = true;
    i16 column = 0, row = 0;

    // No random weights: two draws per empty cell, whatever the game's level.
    b.currentPlayer = kBlue;
    QVERIFY(rig.search.Feld_Suche(b, 20, column, row));
    QCOMPARE(random.draws, 128L);

    // The strong bonus of the expert level on an empty wall.
    for (int n = 0; n < 300; ++n) {
        b.currentPlayer = i16(n % 2);
        QVERIFY(rig.search.Feld_Suche(b, 0, column, row));
        QVERIFY(b.cellLineCount(b.index(column, row)) >= 8);
    }

    // Red's best and Blue's best differ; the hint names the mover's.
    b.cellScore(0, b.index(2, 7)) = 16;
    b.cellScore(1, b.index(6, 2)) = -16;
    b.currentPlayer = kBlue;
    QVERIFY(rig.search.Feld_Suche(b, 20, column, row));
    QCOMPARE(column, i16(6));
    QCOMPARE(row, i16(2));
    b.currentPlayer = kRed;
    QVERIFY(rig.search.Feld_Suche(b, 20, column, row));
    QCOMPARE(column, i16(2));
    QCOMPARE(row, i16(7));
}

void SearchTest::drawIsOfferedAtTheThirdEmptySearchPastHalfTheWall()
{
    // An empty 8 x 8 wall at "very easy" has no potential anywhere; only moveCount matters.
    Board b;
    b.newGame(8);
    b.currentPlayer = kRed;
    StdRandom random(2);
    Rig rig(random);
    rig.search.gameLevel = 0;
    i16 column = 0, row = 0;

    QVERIFY(rig.search.Feld_Suche(b, 33, column, row));
    QVERIFY(rig.search.Feld_Suche(b, 33, column, row));
    QCOMPARE(int(rig.questions.asked.size()), 0);
    QCOMPARE(int(rig.search.drawOfferCounter), 2);
    QVERIFY(rig.search.Feld_Suche(b, 34, column, row)); // third: asked, answered No
    QCOMPARE(int(rig.questions.asked.size()), 1);
    QCOMPARE(rig.questions.asked[0].first, std::string("What do you think about a draw?"));
    QCOMPARE(rig.questions.asked[0].second, std::string());
    QCOMPARE(int(rig.search.drawOfferCounter), -5);
    QVERIFY(column >= 1 && row >= 1); // a No still gives a cell
    QCOMPARE(rig.sink.accepted, 0);

    for (int n = 1; n <= 7; ++n)
        QVERIFY(rig.search.Feld_Suche(b, 35, column, row));
    QCOMPARE(int(rig.questions.asked.size()), 1);
    QVERIFY(rig.search.Feld_Suche(b, 35, column, row)); // the eighth after the No
    QCOMPARE(int(rig.questions.asked.size()), 2);
    QCOMPARE(int(rig.search.drawOfferCounter), -5);
}

void SearchTest::drawCountsOnlyWithoutPotentialAndPastHalfTheWall()
{
    StdRandom random(9);
    Rig rig(random);
    rig.search.gameLevel = 0;
    i16 column = 0, row = 0;
    Board b;
    b.newGame(8);
    b.currentPlayer = kRed;

    for (int n = 0; n < 5; ++n)
        QVERIFY(rig.search.Feld_Suche(b, 32, column, row)); // exactly half: not past it
    QCOMPARE(int(rig.search.drawOfferCounter), 0);

    b.cellScore(1, b.index(4, 4)) = -4; // Blue still has a line to build on
    for (int n = 0; n < 5; ++n)
        QVERIFY(rig.search.Feld_Suche(b, 50, column, row));
    QCOMPARE(int(rig.search.drawOfferCounter), 0);
    QCOMPARE(int(rig.questions.asked.size()), 0);

    // With a grease spot the half is taken of the cells that can be painted.
    b.newGame(8);
    land(b, 1, 1, kGrease);
    b.playableCells = 63;
    b.currentPlayer = kRed;
    QVERIFY(rig.search.Feld_Suche(b, 32, column, row));
    QCOMPARE(int(rig.search.drawOfferCounter), 1);
}

void SearchTest::acceptedDrawGivesNoCell()
{
    Board b;
    b.newGame(8);
    b.currentPlayer = kRed;
    StdRandom random(4);
    Rig rig(random);
    rig.search.gameLevel = 0;
    rig.search.drawOfferCounter = 2;
    rig.questions.answers = {true};
    i16 column = 4, row = 5;
    QVERIFY(!rig.search.Feld_Suche(b, 40, column, row));
    QCOMPARE(rig.sink.accepted, 1);
    QCOMPARE(int(rig.questions.asked.size()), 1);
    QCOMPARE(column, i16(4));
    QCOMPARE(row, i16(5));
}

void SearchTest::fullWallGivesNoCell()
{
    Board b;
    b.newGame(6);
    for (int c = 1; c <= 6; ++c)
        for (int r = 1; r <= 6; ++r)
            b.cells(b.index(c, r)) = i16((c + r) % 2);
    StdRandom random(4);
    Rig rig(random);
    rig.search.drawOfferCounter = 5;
    i16 column = 0, row = 0;
    b.currentPlayer = kRed;
    QVERIFY(!rig.search.Feld_Suche(b, 36, column, row));
    QCOMPARE(column, i16(0));
    QCOMPARE(int(rig.questions.asked.size()), 0);
    QCOMPARE(rig.sink.accepted, 0);
}

void SearchTest::wholeGamesNeverPickAnOccupiedCellNorMissAWin()
{
    RecordingCanvas canvas;
    int wins = 0, games = 0;
    for (int n = 6; n <= 15; ++n)
        for (int level = 0; level <= 3; ++level)
            for (std::uint32_t seed = 1; seed <= 4; ++seed) {
                StdRandom random(seed * 1000u + std::uint32_t(n * 10 + level));
                Rig rig(random);
                rig.search.gameLevel = i16(level);
                Board b;
                b.newGame(n);
                if (seed % 2)
                    b.Fettflecken(random, canvas, 300, 240);
                b.currentPlayer = i16(seed % 2);
                i16 moveCount = 0;
                ++games;
                while (moveCount < b.playableCells) {
                    const int mover = b.currentPlayer;
                    bool canWin = false;
                    for (int c = 1; c <= n; ++c)
                        for (int r = 1; r <= n; ++r) {
                            const int i = b.index(c, r);
                            if (b.cells(i) == kEmpty)
                                canWin |= mover == kRed ? b.cellScore(0, i) >= 64 : b.cellScore(1, i) <= -64;
                        }
                    i16 column = 0, row = 0;
                    QVERIFY(rig.search.Feld_Suche(b, moveCount, column, row)); // every question answered No
                    QVERIFY(column >= 1 && column <= n && row >= 1 && row <= n);
                    const int i = b.index(column, row);
                    QCOMPARE(int(b.cells(i)), int(kEmpty));
                    if (canWin)
                        QVERIFY(mover == kRed ? b.cellScore(0, i) >= 64 : b.cellScore(1, i) <= -64);
                    bool five = false;
                    for (int j = 0; j < b.cellLineCount(i); ++j)
                        five |= b.lineValue(b.cellLines(j, i)) == 64 * b.playerSign(mover);
                    if (five) {
                        ++wins;
                        break;
                    }
                    land(b, column, row, mover);
                    b.currentPlayer = i16(1 - mover);
                    ++moveCount;
                }
            }
    QVERIFY(wins > 0);
    QVERIFY(games == 160);
}

QTEST_APPLESS_MAIN(SearchTest)
#include "tst_search.moc"
