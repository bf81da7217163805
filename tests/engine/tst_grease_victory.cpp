// Grease spots at the start of a game, and the exclamation after a win.
#include "EngineDoubles.h"
#include "engine/VictoryText.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace splot;
using namespace splot::test;

class GreaseAndVictoryTest : public QObject {
    Q_OBJECT

private slots:
    void spotsOverManySeedsAndSizes();
    void scriptedSpotsAndDrops();
    void spotColumnsFavourTheFarEdge();
    void victoryTextStaysWithItsOutcome();
    void victoryTextRoundsHalvesToEven();
    void victoryTextFrequencies();
};

void GreaseAndVictoryTest::spotsOverManySeedsAndSizes()
{
    for (int n = 6; n <= 15; ++n) {
        const int fewestAttempts = roundHalfEven(n / 3.0) + 1;
        const int mostAttempts = roundHalfEven(n * n / 30.0 + n / 3.0) + 1;
        int lowestSeen = 999, highestSeen = 0;
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            CountingRandom random(seed + 1000u * std::uint32_t(n));
            RecordingCanvas canvas;
            Board b;
            b.newGame(n);
            b.currentPlayer = kRed;
            const int cellSize = 4300 / n;
            const int innerSize = cellSize - 20;
            b.Fettflecken(random, canvas, cellSize, innerSize);

            QCOMPARE(random.randomizes, 1);
            QCOMPARE(int(b.currentPlayer), int(kGrease));
            int spots = 0;
            for (int c = 1; c <= n; ++c)
                for (int r = 1; r <= n; ++r) {
                    const int i = b.index(c, r);
                    if (b.cells(i) != kGrease) {
                        QCOMPARE(int(b.cells(i)), int(kEmpty));
                        continue;
                    }
                    ++spots;
                    QCOMPARE(int(b.cellScore(0, i)), 100);
                    QCOMPARE(int(b.cellScore(1, i)), 100);
                    for (int j = 0; j < b.cellLineCount(i); ++j)
                        QCOMPARE(int(b.lineValue(b.cellLines(j, i))), 100);
                }
            QVERIFY(spots >= 1 && spots <= mostAttempts);
            QCOMPARE(int(b.playableCells), n * n - spots);
            lowestSeen = std::min(lowestSeen, spots);
            highestSeen = std::max(highestSeen, spots);
            // Only live lines (value 0) elsewhere: spots are the only thing on the wall.
            for (int l = 1; l <= b.lineCount; ++l)
                QVERIFY(b.lineValue(l) == 0 || b.lineValue(l) == 100);

            // Five yellow drops per spot, each near the middle of its cell.
            QCOMPARE(int(canvas.circles.size()), 5 * spots);
            for (const auto& drop : canvas.circles) {
                QCOMPARE(drop.fillStyle, 0);
                QCOMPARE(drop.foreColor, 14);
                QCOMPARE(drop.fillColor, 14);
                QVERIFY(drop.radius >= 0.1 * innerSize - 1e-9 && drop.radius <= 0.25 * innerSize);
                const int c = int(std::floor(drop.cx / cellSize)) + 1;
                const int r = int(std::floor(drop.cy / cellSize)) + 1;
                QCOMPARE(int(b.cells(b.index(c, r))), int(kGrease));
                QVERIFY(std::abs(drop.cx - (c - 0.5) * cellSize) <= cellSize / 3.5 + 0.5);
                QVERIFY(std::abs(drop.cy - (r - 0.5) * cellSize) <= cellSize / 3.5 + 0.5);
            }
            // Draws: the count, two per attempt, five per drop for each spot placed.
            QVERIFY(random.draws >= 1 + 2 * fewestAttempts + 25 * spots);
            QVERIFY(random.draws <= 1 + 2 * mostAttempts + 25 * spots);
        }
        QVERIFY(highestSeen >= mostAttempts - 1);
        QVERIFY(lowestSeen <= fewestAttempts);
    }
}

void GreaseAndVictoryTest::scriptedSpotsAndDrops()
{
    // 8 x 8: count = Rnd * 64/30 + 8/3 rounded; a draw of 0 gives 3, so four attempts.
    const std::vector<float> drops = {0.2f, 0.5f, 0.7f, 0.25f, 0.5f,  // drop 1
                                      0.9f, 0.0f, 0.1f, 0.0f, 0.0f,   // drop 2
                                      0.5f, 0.5f, 0.5f, 0.5f, 0.5f,
                                      0.5f, 0.5f, 0.5f, 0.5f, 0.5f,
                                      0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
    std::vector<float> script = {0.0f};
    script.insert(script.end(), {0.99f, 0.99f}); // 8.92 rounds to 9: capped at (8, 8)
    script.insert(script.end(), drops.begin(), drops.end());
    script.insert(script.end(), {0.95f, 0.9f});   // 8.6 -> 9 -> 8, 8.2 -> 8: (8, 8) again, nothing placed
    script.insert(script.end(), {0.0625f, 0.3125f}); // 1.5 -> 2, 3.5 -> 4: (2, 4)
    script.insert(script.end(), drops.begin(), drops.end());
    script.insert(script.end(), {0.0f, 0.0f});   // (1, 1)
    script.insert(script.end(), drops.begin(), drops.end());
    ScriptedRandom random(script, 0.5f);
    RecordingCanvas canvas;
    Board b;
    b.newGame(8);
    b.Fettflecken(random, canvas, 70, 56);

    QCOMPARE(random.left(), std::size_t(0));
    QCOMPARE(random.draws, int(script.size()));
    QCOMPARE(random.randomizes, 1);
    QCOMPARE(int(b.playableCells), 61);
    QCOMPARE(int(b.cells(b.index(8, 8))), int(kGrease));
    QCOMPARE(int(b.cells(b.index(2, 4))), int(kGrease));
    QCOMPARE(int(b.cells(b.index(1, 1))), int(kGrease));
    QCOMPARE(int(b.lineValue(1)), 100);
    QCOMPARE(int(b.cellScore(0, b.index(1, 2))), 0);

    QCOMPARE(int(canvas.circles.size()), 15);
    // First drop of (8, 8): dx = -(0.5 * 70 / 3.5) = -10; dy = +(0.25 * 70 / 3.5) = 5.
    QCOMPARE(canvas.circles[0].cx, 7.5 * 70 - 10);
    QCOMPARE(canvas.circles[0].cy, 7.5 * 70 + 5);
    QVERIFY(std::abs(canvas.circles[0].radius - (0.1 + 0.15 * double(0.5f)) * 56) < 1e-9);
    // Second: sign 0.9 is +, size 0 -> dx 0; sign 0.1 is -, size 0 -> dy 0; radius 0.1 * 56.
    QCOMPARE(canvas.circles[1].cx, 7.5 * 70);
    QCOMPARE(canvas.circles[1].cy, 7.5 * 70);
    QVERIFY(std::abs(canvas.circles[1].radius - 5.6) < 1e-9);
    // 0.5 * 70 / 3.5 = 10 exactly: (2, 4) drawn about (105, 245).
    QCOMPARE(canvas.circles[7].cx, 1.5 * 70 + 10);
    QCOMPARE(canvas.circles[7].cy, 3.5 * 70 + 10);
}

void GreaseAndVictoryTest::spotColumnsFavourTheFarEdge()
{
    // The first spot is always placed; its column comes up 1 half as often as a
    // middle column and N one and a half times as often.
    std::map<int, int> columns;
    const int games = 16000;
    for (int seed = 1; seed <= games; ++seed) {
        StdRandom random{std::uint32_t(seed)};
        RecordingCanvas canvas;
        Board b;
        b.newGame(8);
        b.Fettflecken(random, canvas, 100, 80);
        ++columns[int(canvas.circles.front().cx / 100) + 1];
    }
    const double middle = games / 8.0;
    QVERIFY(std::abs(columns[1] - middle / 2) < middle * 0.1);
    QVERIFY(std::abs(columns[4] - middle) < middle * 0.1);
    QVERIFY(std::abs(columns[8] - middle * 1.5) < middle * 0.1);
}

void GreaseAndVictoryTest::victoryTextStaysWithItsOutcome()
{
    const std::set<std::string> cheers = {"Well done!", "Very clever!", "Fantastic!", "Cool!", "Wow!",
                                          "Hurrah!", "You're top!", "Yippieh!", "Nice!", "Super!"};
    const std::set<std::string> consolations = {"Sorry!", "Try again!", "Don't give up!", "Oooh!",
                                                "Aaaaargh!", "Forget it!", "No luck today!", "Never mind!",
                                                "Don't worry!", "Once more!"};
    StdRandom random(21);
    std::set<std::string> seen0, seen1;
    for (int n = 0; n < 2000; ++n) {
        const std::string a = SiegText(0, random);
        const std::string b = SiegText(1, random);
        QVERIFY(cheers.count(a));
        QVERIFY(consolations.count(b));
        seen0.insert(a);
        seen1.insert(b);
    }
    QCOMPARE(seen0, cheers);
    QCOMPARE(seen1, consolations);
}

void GreaseAndVictoryTest::victoryTextRoundsHalvesToEven()
{
    ScriptedRandom random({0.0f, 0.5f, 0.99999994f, 0.5f / 9.0f, 0.3f, 0.99999994f});
    QCOMPARE(SiegText(0, random), std::string("Well done!"));
    QCOMPARE(SiegText(0, random), std::string("Wow!"));      // 4.5 goes to 4
    QCOMPARE(SiegText(0, random), std::string("Super!"));
    QCOMPARE(SiegText(1, random), std::string("Sorry!"));    // 0.5 goes to 0
    QCOMPARE(SiegText(1, random), std::string("Oooh!"));     // 2.7 goes to 3
    QCOMPARE(SiegText(1, random), std::string("Once more!"));
}

void GreaseAndVictoryTest::victoryTextFrequencies()
{
    const char* const cheers[10] = {"Well done!", "Very clever!", "Fantastic!", "Cool!", "Wow!",
                                    "Hurrah!", "You're top!", "Yippieh!", "Nice!", "Super!"};
    StdRandom random(1234);
    std::map<std::string, int> counts;
    const int calls = 180000;
    for (int n = 0; n < calls; ++n)
        ++counts[SiegText(0, random)];
    const double ninth = calls / 9.0;
    for (int e = 0; e < 10; ++e) {
        const double expected = (e == 0 || e == 9) ? ninth / 2 : ninth;
        QVERIFY2(std::abs(counts[cheers[e]] - expected) < expected * 0.05,
                 qPrintable(QString("%1: %2").arg(cheers[e]).arg(counts[cheers[e]])));
    }
}

QTEST_APPLESS_MAIN(GreaseAndVictoryTest)
#include "tst_grease_victory.moc"
