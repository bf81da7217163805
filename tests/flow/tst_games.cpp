// Whole games through the real flow: the computer against a human to a win,
// a loss and a draw; five in a row, rows of six, the blocked nozzle.
#include "FlowTestSupport.h"

using namespace splot;
using namespace splot::doubles;
using namespace splot::flowtest;

namespace {

enum class Outcome { ComputerWon, HumanWon, FullWall, DrawAccepted, Unfinished };

// Checks what every decided game shows, and tells how it ended.
Outcome checkDecidedGame(GameRig& rig)
{
    const Game& g = rig.game;
    const std::string& c = rig.scene.commentText;
    if (!g.state().gameOver || g.state().gameRunning)
        return Outcome::Unfinished;
    // A decided game takes no input and offers the story again.
    if (rig.scene.wallInput || !rig.scene.menuEnabled[Scene::MenuItem::Story])
        return Outcome::Unfinished;

    if (startsWith(c, "Computer won!  ")) {
        if (!endsWithOneOf(c, "Computer won!  ", consolation()))
            return Outcome::Unfinished;
        if (rig.wall.winningLines.size() != 1 || !lineHolds(g.board(), rig.wall.winningLines[0], kRed))
            return Outcome::Unfinished;
        // Red's winning splot is drawn twice; Red's painter ends in frame 5.
        const auto& last = rig.wall.splots.back();
        if (rig.wall.splotsAt(last.column, last.row) != 2 || rig.scene.frames[0] != 5)
            return Outcome::Unfinished;
        return Outcome::ComputerWon;
    }
    if (startsWith(c, "You won!  ")) {
        if (!endsWithOneOf(c, "You won!  ", praise()))
            return Outcome::Unfinished;
        if (rig.wall.winningLines.size() != 1 || !lineHolds(g.board(), rig.wall.winningLines[0], kBlue))
            return Outcome::Unfinished;
        const auto& last = rig.wall.splots.back();
        if (rig.wall.splotsAt(last.column, last.row) != 1 || rig.scene.frames[1] != 14)
            return Outcome::Unfinished;
        return Outcome::HumanWon;
    }
    if (c == "The game ends in a draw!") {
        if (!rig.wall.winningLines.empty() || rig.scene.frames[0] != 5 || rig.scene.frames[1] != 14)
            return Outcome::Unfinished;
        return g.state().moveCount == g.board().playableCells ? Outcome::FullWall : Outcome::DrawAccepted;
    }
    return Outcome::Unfinished;
}

GameSettings computerGame(int size, int level)
{
    GameSettings s = quietHumans(size);
    s.computerPlaysRed = kTrue;
    s.level = static_cast<i16>(level);
    return s;
}

} // namespace

class TestGames : public QObject {
    Q_OBJECT

private slots:
    void computerBeatsARandomPlayerOnEverySizeAndLevel()
    {
        int computerWins = 0, games = 0;
        for (int size : {6, 8, 11, 15}) {
            for (int level = 0; level <= 3; ++level) {
                SeededRandom rng(static_cast<std::uint32_t>(100 * size + level));
                GameRig rig(rng, computerGame(size, level));
                RandomPlayer human(static_cast<std::uint32_t>(size * 7 + level));
                rig.game.Start_click();
                playToTheEnd(rig, human);
                const Outcome o = checkDecidedGame(rig);
                QVERIFY2(o != Outcome::Unfinished, rig.scene.commentText.c_str());
                ++games;
                computerWins += o == Outcome::ComputerWon;
            }
        }
        QVERIFY2(computerWins >= games - 2, std::to_string(computerWins).c_str());
    }

    void aStrongPlayerBeatsTheVeryEasyComputer()
    {
        int humanWins = 0;
        for (int size : {8, 15}) {
            for (std::uint32_t seed = 1; seed <= 4; ++seed) {
                SeededRandom rng(seed * 31 + static_cast<std::uint32_t>(size));
                GameRig rig(rng, computerGame(size, 0));
                StrongPlayer human(seed);
                rig.game.Start_click();
                playToTheEnd(rig, human);
                const Outcome o = checkDecidedGame(rig);
                QVERIFY2(o != Outcome::Unfinished, rig.scene.commentText.c_str());
                humanWins += o == Outcome::HumanWon;
            }
        }
        QVERIFY2(humanWins >= 4, std::to_string(humanWins).c_str());
    }

    void strongPlayersFillTheWallToADraw()
    {
        // Two strong sides on a small wall block each other until the wall is
        // full; the draw offers are refused.
        bool fullWall = false;
        for (std::uint32_t seed = 1; seed <= 40 && !fullWall; ++seed) {
            SeededRandom rng(seed);
            GameSettings s = computerGame(6, 3);
            s.greaseSpots = seed % 2 ? kTrue : kFalse;
            GameRig rig(rng, s);
            StrongPlayer human(seed + 1000);
            rig.game.Start_click();
            playToTheEnd(rig, human);
            const Outcome o = checkDecidedGame(rig);
            QVERIFY2(o != Outcome::Unfinished && o != Outcome::DrawAccepted, rig.scene.commentText.c_str());
            if (o == Outcome::FullWall) {
                fullWall = true;
                // The last splot is drawn twice, no winning sound, no line.
                const auto& last = rig.wall.splots.back();
                QCOMPARE(rig.wall.splotsAt(last.column, last.row), 2);
                QCOMPARE(int(rig.wall.splots.size()), rig.game.board().playableCells + 1);
                QCOMPARE(rig.sound.count("splot3.wav"), 0);
            }
        }
        QVERIFY(fullWall);
    }

    void humansFillTheWallToADraw()
    {
        // On a 6 x 6 wall the pattern (column + 2 row) mod 4 < 2 for Red has no
        // five in a row in any direction; the sides alternate on it.
        ScriptedRandom rng({0.1f});  // Red begins
        GameRig rig(rng, quietHumans(6));
        rig.game.Start_click();
        std::vector<std::pair<int, int>> red, blue;
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 6; ++c)
                ((c + 2 * r) % 4 < 2 ? red : blue).emplace_back(c, r);
        QCOMPARE(red.size(), std::size_t(18));
        for (std::size_t i = 0; i < 18; ++i) {
            rig.game.Feld_Auswahl(red[i].first, red[i].second);
            rig.game.Feld_Auswahl(blue[i].first, blue[i].second);
        }
        QCOMPARE(checkDecidedGame(rig), Outcome::FullWall);
        QCOMPARE(rig.game.state().moveCount, i16(36));
        QCOMPARE(rig.wall.splotsAt(blue[17].first, blue[17].second), 2);

        // After the game the wall takes nothing.
        const auto calls = rig.wall.calls.size();
        rig.game.Bild_MouseDown(100, 100);
        rig.game.Bild_KeyDown(13);
        rig.game.Bild_KeyDown(37);
        rig.game.Feld_Auswahl(1, 1);
        QCOMPARE(rig.wall.calls.size(), calls);
    }

    void acceptedDrawOfferEndsTheGameWithoutASplot()
    {
        bool offered = false;
        for (std::uint32_t seed = 1; seed <= 40 && !offered; ++seed) {
            SeededRandom rng(seed);
            GameSettings s = computerGame(6, 3);
            s.soundOn = 1;
            s.greaseSpots = kTrue;
            GameRig rig(rng, s);
            StrongPlayer human(seed + 77);
            std::size_t splotsAtQuestion = 0;
            int journalAtQuestion = 0;
            rig.questions.answerer = [&](const std::string& text) {
                if (text != "What do you think about a draw?")
                    return false;
                offered = true;
                splotsAtQuestion = rig.wall.splots.size();
                journalAtQuestion = rig.journal.size();
                return true;
            };
            rig.game.Start_click();
            playToTheEnd(rig, human);
            if (!offered)
                continue;
            QCOMPARE(checkDecidedGame(rig), Outcome::DrawAccepted);
            QVERIFY(rig.game.state().moveCount < rig.game.board().playableCells);
            QCOMPARE(rig.wall.splots.size(), splotsAtQuestion);
            QCOMPARE(rig.journal.count("sound ", journalAtQuestion), 0);
            QCOMPARE(rig.journal.count("wall.Zeichne_Klecks", journalAtQuestion), 0);
            QCOMPARE(rig.questions.count("What do you think about a draw?"), 1);
        }
        QVERIFY(offered);
    }

    void fiveInARowWinsAndNamesTheHumanWinner()
    {
        ScriptedRandom rng({0.9f});  // Blue begins
        GameRig rig(rng, quietHumans());
        rig.game.Start_click();
        // Blue builds row 2 from column 2, Red answers far away.
        const int blue[][2] = {{2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}};
        const int red[][2] = {{1, 8}, {3, 8}, {5, 8}, {7, 8}};
        for (int i = 0; i < 4; ++i) {
            rig.game.Feld_Auswahl(blue[i][0], blue[i][1]);
            rig.game.Feld_Auswahl(red[i][0], red[i][1]);
        }
        rig.game.Feld_Auswahl(6, 2);
        QCOMPARE(rig.scene.commentText, std::string("Pelko won!"));
        QCOMPARE(rig.wall.winningLines.size(), std::size_t(1));
        const Board& b = rig.game.board();
        const int line = rig.wall.winningLines[0];
        QCOMPARE(int(b.lineCells(1, line)), b.index(2, 2));
        QCOMPARE(int(b.lineCells(5, line)), b.index(6, 2));
        QCOMPARE(rig.wall.splotsAt(6, 2), 1);
        QCOMPARE(rig.game.state().moveCount, i16(8));  // the winning splot is not counted
        QCOMPARE(rig.scene.frames[1], 14);
        QVERIFY(rig.game.state().gameOver);
        QVERIFY(!rig.scene.wallInput);
    }

    void aRowOfSixWinsThroughTheFirstLine()
    {
        ScriptedRandom rng({0.1f});  // Red begins
        GameRig rig(rng, quietHumans());
        rig.game.Start_click();
        // Red: columns 1, 2, 3, 5, 6 of row 1, then 4 joins them into six.
        const int red[][2] = {{1, 1}, {2, 1}, {3, 1}, {5, 1}, {6, 1}, {4, 1}};
        const int blue[][2] = {{1, 7}, {3, 7}, {5, 7}, {7, 7}, {2, 5}};
        for (int i = 0; i < 5; ++i) {
            rig.game.Feld_Auswahl(red[i][0], red[i][1]);
            rig.game.Feld_Auswahl(blue[i][0], blue[i][1]);
        }
        rig.game.Feld_Auswahl(4, 1);
        QCOMPARE(rig.scene.commentText, std::string("Tulla won!"));
        QCOMPARE(rig.wall.winningLines.size(), std::size_t(1));
        const Board& b = rig.game.board();
        const int line = rig.wall.winningLines[0];
        QCOMPARE(int(b.lineCells(1, line)), b.index(1, 1));
        QCOMPARE(int(b.lineCells(5, line)), b.index(5, 1));
        QCOMPARE(rig.wall.splotsAt(4, 1), 2);
        QCOMPARE(rig.scene.frames[0], 5);
    }

    void twoFivesAtOnceDrawOnlyTheFirstLine()
    {
        ScriptedRandom rng({0.1f});  // Red begins
        GameRig rig(rng, quietHumans());
        rig.game.Start_click();
        // Red gets column 4 rows 2..5 and row 1 columns 1, 2, 3, 5; (4, 1) completes both.
        const int red[][2] = {{4, 2}, {4, 3}, {4, 4}, {4, 5}, {1, 1}, {2, 1}, {3, 1}, {5, 1}};
        const int blue[][2] = {{1, 7}, {3, 7}, {5, 7}, {7, 7}, {1, 8}, {3, 8}, {5, 8}, {7, 8}};
        for (int i = 0; i < 8; ++i) {
            rig.game.Feld_Auswahl(red[i][0], red[i][1]);
            rig.game.Feld_Auswahl(blue[i][0], blue[i][1]);
        }
        rig.game.Feld_Auswahl(4, 1);
        QCOMPARE(rig.wall.winningLines.size(), std::size_t(1));
        const Board& b = rig.game.board();
        const int line = rig.wall.winningLines[0];
        // The vertical lines come first in the cell's list.
        QCOMPARE(int(b.lineCells(1, line)), b.index(4, 1));
        QCOMPARE(int(b.lineCells(5, line)), b.index(4, 5));
        QCOMPARE(rig.journal.count("wall.Zeichne_Siegeslinie"), 1);
    }

    void computerWinTextsWithTheComputerPlayingRed()
    {
        // Seeded games until one of each; the texts are checked in checkDecidedGame.
        bool lost = false;
        for (std::uint32_t seed = 1; seed <= 10 && !lost; ++seed) {
            SeededRandom rng(seed);
            GameRig rig(rng, computerGame(8, 3));
            RandomPlayer human(seed);
            rig.game.Start_click();
            playToTheEnd(rig, human);
            lost = checkDecidedGame(rig) == Outcome::ComputerWon;
        }
        QVERIFY(lost);
    }

    void blockedNozzleLosesTheTurn()
    {
        ScriptedRandom rng({0.9f});  // Blue begins
        GameSettings s = quietHumans();
        s.blockedNozzle = kTrue;
        GameRig rig(rng, s);
        rig.game.Start_click();
        rig.settings.soundOn = 1;
        rng.push(0.05f);
        const TwipRect puddle = rig.scene.puddles[1];
        const int randomizes = rng.randomizes;
        const double before = rig.clock.time;
        rig.sound.played.clear();

        rig.game.Feld_Auswahl(3, 4);

        QCOMPARE(rng.randomizes, randomizes + 1);  // re-seeded before the draw
        QVERIFY(std::find(rig.scene.comments.begin(), rig.scene.comments.end(), "Nozzle blocked!")
                != rig.scene.comments.end());
        QCOMPARE(rig.scene.commentText, std::string("Tulla's turn"));
        QCOMPARE(sideToMove(rig.game), 0);
        QCOMPARE(rig.game.state().moveCount, i16(0));
        QVERIFY(cellEmpty(rig.game, 3, 4));
        QVERIFY(rig.wall.splots.empty());
        QCOMPARE(rig.wall.splatters.size(), std::size_t(1));
        QCOMPARE(rig.wall.splatters[0].code, 1);  // in Blue's colour
        // Blue's puddle: 120 wider (40 of them to the left), 30 higher around its middle.
        QCOMPARE(rig.scene.puddles[1],
                 (TwipRect{puddle.left - 40, puddle.top - 15, puddle.width + 120, puddle.height + 30}));
        // The squirt, then three rounds of squirt and splot sounds 0.4 s apart.
        QCOMPARE(rig.sound.played, (std::vector<std::string>{"splot2.wav", "splot2.wav", "splot1.wav", "splot2.wav",
                                                              "splot1.wav", "splot2.wav", "splot1.wav"}));
        QCOMPARE(rig.clock.time - before, 0.6 + 1.2);
        // A white box over the cell's inner square: 538-unit cells, inset 43, side 457.
        const auto boxes = rig.wall.recordingCanvas().filledBoxes();
        QCOMPARE(boxes.size(), std::size_t(1));
        QCOMPARE(boxes[0].x1, 43.0 + 2 * 538);
        QCOMPARE(boxes[0].y1, 43.0 + 3 * 538);
        QCOMPARE(boxes[0].x2, 43.0 + 2 * 538 + 457);
        QCOMPARE(boxes[0].y2, 43.0 + 3 * 538 + 457);
        QCOMPARE(boxes[0].foreColor, 15);
        QCOMPARE(boxes[0].fillStyle, int(Canvas::Solid));
        // The white box comes after the splatter, the cursor after the box.
        const int box = rig.journal.findLast("canvas.filledbox");
        QVERIFY(rig.journal.findLast("wall.Zeichne_Spritzer") < box);
        QVERIFY(rig.journal.find("wall.Zeichne_Cursor 2 at 3,4", box) > box);
        QVERIFY(rig.scene.wallInput);

        // Red's puddle grows 80 to the left.
        rng.push(0.0999f);
        const TwipRect redPuddle = rig.scene.puddles[0];
        rig.game.Feld_Auswahl(3, 4);
        QCOMPARE(rig.scene.puddles[0],
                 (TwipRect{redPuddle.left - 80, redPuddle.top - 15, redPuddle.width + 120, redPuddle.height + 30}));
        QCOMPARE(sideToMove(rig.game), 1);
        // A draw of 0.1 lands.
        rng.push(0.1f);
        rig.game.Feld_Auswahl(3, 4);
        QCOMPARE(rig.game.state().moveCount, i16(1));
        QCOMPARE(rig.wall.splotsAt(3, 4), 1);
    }

    void blockedNozzleFailsAboutOneMoveInTen()
    {
        int squirts = 0, blocked = 0;
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            SeededRandom rng(seed * 13);
            GameSettings s = computerGame(10, 1);
            s.blockedNozzle = kTrue;
            GameRig rig(rng, s);
            const TwipRect start0{rig.scene.pumps[0].left + 120, 0, 0, 0};
            RandomPlayer human(seed);
            rig.game.Start_click();
            playToTheEnd(rig, human);
            QVERIFY(checkDecidedGame(rig) != Outcome::Unfinished);

            const int lost = static_cast<int>(rig.wall.splatters.size());
            const int landed = static_cast<int>(rig.wall.splots.size());
            int lostRed = 0;
            for (const auto& m : rig.wall.splatters)
                lostRed += m.code == 0;
            squirts += lost + landed;
            blocked += lost;
            QCOMPARE(rig.journal.count("comment Nozzle blocked!"), lost);
            // Lost moves are not counted; the puddles grew once per lost move.
            const bool redWon = startsWith(rig.scene.commentText, "Computer won!");
            const int counted = landed - (redWon ? 2 : 1);
            QCOMPARE(int(rig.game.state().moveCount), counted);
            QCOMPARE(rig.scene.puddles[0].width, 120 * lostRed);
            QCOMPARE(rig.scene.puddles[1].width, 120 * (lost - lostRed));
            QCOMPARE(rig.scene.puddles[0].left, start0.left - 80 * lostRed);
        }
        const double rate = double(blocked) / squirts;
        QVERIFY2(rate > 0.06 && rate < 0.14, std::to_string(rate).c_str());
    }

    void withoutTheRuleNoNozzleIsBlocked()
    {
        SeededRandom rng(3);
        GameRig rig(rng, computerGame(8, 2));
        RandomPlayer human(3);
        rig.game.Start_click();
        playToTheEnd(rig, human);
        QVERIFY(rig.wall.splatters.empty());
        QCOMPARE(rig.journal.count("comment Nozzle blocked!"), 0);
    }
};

QTEST_GUILESS_MAIN(TestGames)
#include "tst_games.moc"
