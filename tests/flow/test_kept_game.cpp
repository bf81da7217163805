// A kept game, on platform doubles: games of every kind and level kept, written
// as keys, read back and continued in a fresh program equal the game left
// behind, take backs included; a decided game refused; a replay stopped
// midway. (Damaged sections are the player's road's.)
#include "tests/flow/FlowRig.h"

#include <QtTest>

using namespace splot;
using namespace splot::testing;

namespace {

GameSettings rules(int wallSize, int level, bool grease, bool nozzle)
{
    GameSettings s = setup(wallSize, level);
    s.greaseSpots = grease ? kTrue : kFalse;
    s.blockedNozzle = nozzle ? kTrue : kFalse;
    s.redName = "Rosa Rot";
    return s;
}

// All the rig keeps and shows but the paper's strokes and the splatters, which a continued game
// draws anew.
FlowRig::View shown(const FlowRig& rig)
{
    FlowRig::View v = rig.view();
    v.paper.clear(), v.splatters.clear();
    return v;
}

KeptSection fromKeys(const KeptKeys& keys)
{
    return keptGameFrom([&](const std::string& key) -> std::optional<std::string> {
        for (const auto& [k, v] : keys)
            if (k == key)
                return v;
        return std::nullopt;
    });
}

} // namespace

class TestKeptGame : public QObject {
    Q_OBJECT

  private slots:
    void aKeptGameComesBackAsItWasLeft()
    {
        struct Row {
            int size, level; // level -1: two humans
            bool grease, nozzle;
            int moves; // human moves made, then one taken back
        };
        std::vector<Row> rows = {{9, -1, true, true, 12}, {8, -1, false, false, 0}};
        for (int n = 6; n <= 15; ++n) // against the computer, every level
            rows.push_back({n, n % 5, n % 2 == 0, n % 3 == 0, 4});
        for (const auto& [size, level, grease, nozzle, moves] : rows) {
            FlowRig left(rules(size, level, grease, nozzle), {}, 11 + size);
            for (int i = 0; i < moves && left.game.state().gameRunning; ++i) {
                left.game.Tip_click();
                left.game.Bild_KeyDown(i % 2 ? 37 : 40); // the cursor wanders
                left.game.Bild_KeyDown(13);
            }
            if (level < 0 && nozzle) {
                // A squirt that fails, and one that lands on the same cell later.
                left.random.push({0.05f});
                left.play("88");
                left.random.push({0.5f});
                left.play("11 88");
            }
            if (moves > 0)
                left.game.Zug_Zuruecknehmen();
            if (moves == 0) // the draw offer's counter after a No (the take-back points keep theirs)
                left.game.search().drawOfferCounter = -5;
            const std::optional<KeptGame> kept = left.game.keptGame();
            QVERIFY(kept && left.game.state().gameRunning);
            QVERIFY(level >= 0 || !nozzle || std::ranges::any_of(kept->moves, &KeptMove::blocked));
            // Kept as it is, and with the other side to move (as when closed during a move).
            KeptGame otherSide = *kept;
            otherSide.moves.resize(std::max<std::size_t>(kept->moves.size(), 1) - 1);
            QVERIFY(fromKeys(keysOf(otherSide)).game == otherSide);
            const std::optional<KeptGame> read = fromKeys(keysOf(*kept)).game;
            QVERIFY2(read && *read == *kept, std::to_string(size).c_str());

            // A new program, other choices: the kept game as it was, its rules and names.
            FlowRig back(rules(7, 2, !grease, false), {}, 99);
            back.questions.answers = {false, true, true}; // the running game: No leaves it, Yes gives it up
            back.game.continueGame(*read);
            QCOMPARE(back.game.board().wallSize, i16(7));
            back.game.continueGame(*read);
            QCOMPARE(back.settings.redName, std::string("Rosa Rot"));
            QVERIFY(shown(back) == shown(left) && !back.offered(Scene::MenuItem::Continue));
            QVERIFY(back.game.keptGame() == read);
            // The take backs lead through the same positions.
            while (left.game.canTakeBack()) {
                left.game.Zug_Zuruecknehmen(), back.game.Zug_Zuruecknehmen();
                QVERIFY(shown(back) == shown(left));
            }
            QVERIFY(!back.game.canTakeBack());
            // The next start has the player's own rules again.
            back.game.Start_click();
            QCOMPARE(back.game.board().wallSize, i16(7));
        }
    }

    // A game kept last time waits: Start asks first and No keeps it; once a new game has
    // begun nothing waits, and a changed option before the first splot asks nothing.
    void aWaitingKeptGameIsGivenUpOnlyAfterYes()
    {
        FlowRig rig(testing::setup(), {}, 1, false);
        rig.game.setKeptGameWaiting(true);
        rig.game.Start_click();
        QVERIFY(!rig.game.state().boardExists && rig.offered(Scene::MenuItem::Continue));
        rig.questions.answers = {true};
        rig.game.Start_click();
        rig.game.beginSettingsChange();
        rig.game.endSettingsChange(true);
        QVERIFY(rig.game.state().gameRunning && !rig.offered(Scene::MenuItem::Continue));
        QCOMPARE(rig.questions.count("Really start a new game?"), 2);
    }

    // A master game kept while the computer was to move: continued, the computer moves.
    void theComputerKeptToMoveMovesAfterTheContinue()
    {
        KeptGame g;
        g.level = 4, g.firstMover = kBlue, g.moves = {{4, 4, false, 7, 4, 4}};
        FlowRig rig(testing::setup(8, 1), {}, 1, false);
        rig.game.continueGame(g);
        QVERIFY(rig.game.keptGame() && rig.game.keptGame()->moves.size() == 2 && rig.side() == kBlue);
        QVERIFY(rig.count("hourglass") == 1 && rig.count("pointer") == 1); // while the master thinks
    }

    void aDecidedGameIsRefused()
    {
        KeptGame g;
        g.redName = "Tulla", g.blueName = "Pelko";
        g.firstMover = kRed, g.computerPlaysRed = false;
        // Red's fifth splot in row 1 has won.
        for (int c = 1; c <= 5; ++c)
            g.moves.push_back({c, 1, false, 0}), g.moves.push_back({c, 3, false, 0});
        g.moves.pop_back();
        QVERIFY(!playsThrough(g));
        g.moves.pop_back();
        QVERIFY(playsThrough(g));
    }

    void aReplayStoppedMidwayLeavesEverythingAsItWas()
    {
        FlowRig rig(rules(8, -1, true, false), {0.9f}, 5);
        rig.play("22 33 44 55 23 34");
        const FlowRig::View before = rig.view();
        QVERIFY(rig.offered(Scene::MenuItem::Replay));
        // The third move is named, then a key on the wall ends the replay.
        std::vector<std::string> named;
        rig.clock.onEvents = [&] {
            if (named.empty() || named.back() != rig.scene.commentText)
                named.push_back(rig.scene.commentText);
            if (named.size() == 3)
                rig.game.Bild_KeyDown(32);
        };
        rig.game.replay();
        QCOMPARE(named, (std::vector<std::string>{"Move 1: Pelko, B2", "Move 2: Rosa Rot, C3",
                                                  "Move 3: Pelko, D4", "Pelko's turn"}));
        QVERIFY(rig.view() == before && !rig.game.replaying());
        // The game goes on from there.
        rig.play("45");
        QCOMPARE(rig.cell(4, 5), int(kBlue));
    }
};

QTEST_GUILESS_MAIN(TestKeptGame)
#include "test_kept_game.moc"
