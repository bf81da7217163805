// A kept game, on platform doubles: games of every kind kept, written as keys,
// read back and continued in a fresh program equal the game left behind, take
// backs included; damaged sections are refused; a replay stopped midway.
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

std::optional<KeptGame> fromKeys(const KeptKeys& keys)
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
        for (int n = 6; n <= 15; ++n) // against the computer
            rows.push_back({n, n % 4, n % 2 == 0, n % 3 == 0, 4});
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
            const std::optional<KeptGame> kept = left.game.keptGame();
            QVERIFY(kept && left.game.state().gameRunning);
            QVERIFY(level >= 0 || !nozzle || std::ranges::any_of(kept->moves, &KeptMove::blocked));
            const std::optional<KeptGame> read = fromKeys(keysOf(*kept));
            QVERIFY(read && *read == *kept);

            // A new program, other choices: the kept game as it was, its rules and names.
            FlowRig back(rules(7, 2, !grease, false), {}, 99);
            back.questions.answers = {false, true, true}; // the running game: No leaves it, Yes gives it up
            back.game.continueGame(*read);
            QCOMPARE(back.game.board().wallSize, i16(7));
            back.game.continueGame(*read);
            QCOMPARE(back.settings.redName, std::string("Rosa Rot"));
            QVERIFY(shown(back) == shown(left) && !back.offered(Scene::MenuItem::Continue));
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

    void damagedSectionsAreRefused()
    {
        KeptGame g;
        g.redName = "Tulla", g.blueName = "Pelko";
        g.greaseSpots = true, g.grease = {{5, 5}};
        g.firstMover = kBlue;
        g.moves = {{2, 2, false, 1, 1, 1}, {3, 3, false, 2, 2, 2}, {4, 4, false, 3, 3, 3}};
        const KeptKeys good = keysOf(g);
        QVERIFY(fromKeys(good) == g);
        // A key and its damaged value.
        const std::pair<std::string, std::string> damages[] = {
            {"Zuege", "B2:1:A1 C3:2:B2 B2:3:C3"},         // a cell painted twice
            {"Zuege", "B2:1:A1 C3:2:B2 I2:3:C3"},         // a move off the wall
            {"Zuege", "B2:1:A1"},                         // truncated
            {"Zuege", "B2:1:A1 C3:verstopft:B2 D4:3:C3"}, // a blocked squirt without the rule
            {"AmZug", "Blau"},                            // the wrong side to move
            {"Spielstaerke", " 4"},
            {"Rot", ""},
        };
        for (const auto& [key, value] : damages) {
            KeptKeys bad = good;
            for (auto& [k, v] : bad)
                v = k == key ? value : v;
            QVERIFY2(!fromKeys(bad), (key + value).c_str());
        }
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
