// A kept game, on platform doubles: games of every kind kept, written as keys,
// read back and continued in a fresh program equal the game left behind, take
// backs included; damaged sections are refused.
#include "tests/flow/FlowRig.h"

#include <QtTest>

#include <cmath>

using namespace splot;
using namespace splot::doubles;
using splot::testing::FlowRig;

namespace {

GameSettings setup(int wallSize, int level, bool grease, bool nozzle)
{
    GameSettings s;
    s.wallSize = static_cast<i16>(wallSize);
    s.computerPlaysRed = level < 0 ? kFalse : kTrue;
    s.level = static_cast<i16>(std::max(level, 0));
    s.greaseSpots = grease ? kTrue : kFalse;
    s.blockedNozzle = nozzle ? kTrue : kFalse;
    s.soundOn = 0;
    s.redName = "Rosa Rot";
    return s;
}

// What continuing must bring back, as one comparable value.
struct View {
    std::vector<i16> cells, lineValues, scores;
    std::vector<int> state;
    std::string comment;
    std::vector<int> scene;
    std::vector<std::pair<int, int>> splots;
    std::size_t takeBacks = 0;
    bool operator==(const View&) const = default;
};

// The first part of two views that differs ("" when none).
std::string difference(const View& a, const View& b)
{
    const std::pair<const char*, bool> parts[] = {
        {"cells", a.cells == b.cells},       {"lines", a.lineValues == b.lineValues},
        {"scores", a.scores == b.scores},    {"state", a.state == b.state},
        {"comment", a.comment == b.comment}, {"scene", a.scene == b.scene},
        {"splots", a.splots == b.splots},    {"take backs", a.takeBacks == b.takeBacks}};
    for (const auto& [name, same] : parts)
        if (!same) {
            return name;
        }
    return "";
}

View viewOf(FlowRig& rig)
{
    const Board& b = rig.game.board();
    const GameState& s = rig.game.state();
    View v;
    for (int i = 0; i <= b.lastCell; ++i)
        v.cells.push_back(b.cells(i)), v.scores.push_back(b.cellScore(0, i)),
            v.scores.push_back(b.cellScore(1, i));
    for (int l = 0; l <= b.lineCount; ++l)
        v.lineValues.push_back(b.lineValue(l));
    v.state = {b.currentPlayer,
               b.playableCells,
               s.moveCount,
               s.gameOver,
               s.gameRunning,
               s.cursorX,
               s.cursorY,
               rig.game.search().drawOfferCounter,
               rig.game.search().gameLevel,
               rig.scene.wallInput};
    v.comment = rig.scene.commentText;
    for (int who = 0; who < 2; ++who)
        v.scene.insert(v.scene.end(), {rig.scene.frames[who], rig.scene.pumpsShown[who],
                                       rig.scene.puddles[who].left, rig.scene.puddles[who].top,
                                       rig.scene.puddles[who].width, rig.scene.puddles[who].height});
    v.splots = rig.wall.splots;
    v.takeBacks = rig.game.takeBackDepth();
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

KeptKeys with(KeptKeys keys, const std::string& key, const std::string& value)
{
    for (auto& [k, v] : keys)
        if (k == key)
            v = value;
    return keys;
}

} // namespace

class TestKeptGame : public QObject {
    Q_OBJECT

  private slots:
    void aKeptGameComesBackAsItWasLeft_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("level"); // -1: two humans
        QTest::addColumn<bool>("grease");
        QTest::addColumn<bool>("nozzle");
        QTest::addColumn<int>("moves"); // human moves made, then one taken back
        for (int n = 6; n <= 15; ++n)
            QTest::addRow("%dx%d against the computer", n, n)
                << n << n % 4 << (n % 2 == 0) << (n % 3 == 0) << 4;
        QTest::addRow("two humans, grease and nozzle") << 9 << -1 << true << true << 12;
        QTest::addRow("two humans, no moves") << 8 << -1 << false << false << 0;
    }
    void aKeptGameComesBackAsItWasLeft()
    {
        QFETCH(int, size);
        QFETCH(int, level);
        QFETCH(bool, grease);
        QFETCH(bool, nozzle);
        QFETCH(int, moves);
        FlowRig left(setup(size, level, grease, nozzle), {}, 11 + size);
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
        QVERIFY(left.game.state().gameRunning);
        const std::optional<KeptGame> kept = left.game.keptGame();
        QVERIFY(kept);
        QVERIFY(level >= 0 || !nozzle || std::ranges::any_of(kept->moves, &KeptMove::blocked));
        const std::optional<KeptGame> read = fromKeys(keysOf(*kept));
        QVERIFY(read && *read == *kept);

        // A new program, other choices: the kept game as it was, its rules and names.
        FlowRig back(setup(7, 2, !grease, false), {}, 99);
        back.questions.answers = {false, true, true}; // the running game: No leaves it, Yes gives it up
        back.game.continueGame(*read);
        QCOMPARE(back.game.board().wallSize, i16(7));
        back.game.continueGame(*read);
        QCOMPARE(back.settings.redName, std::string("Rosa Rot"));
        QCOMPARE(QString::fromStdString(difference(viewOf(back), viewOf(left))), QString());
        QVERIFY(!back.scene.menuEnabled[int(Scene::MenuItem::Continue)]);
        // The take backs lead through the same positions.
        while (left.game.canTakeBack()) {
            left.game.Zug_Zuruecknehmen(), back.game.Zug_Zuruecknehmen();
            QCOMPARE(QString::fromStdString(difference(viewOf(back), viewOf(left))), QString());
        }
        QVERIFY(!back.game.canTakeBack());
        // The next start has the player's own rules again.
        back.game.Start_click();
        QCOMPARE(back.game.board().wallSize, i16(7));
    }

    void damagedSectionsAreRefused_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("size too large") << "Feld"
                                        << " 16";
        QTest::newRow("size too small") << "Feld"
                                        << " 5";
        QTest::newRow("size not a number") << "Feld"
                                           << "acht";
        QTest::newRow("a cell painted twice") << "Zuege"
                                              << "B2:1:A1 C3:2:B2 B2:3:C3";
        QTest::newRow("a move off the wall") << "Zuege"
                                             << "B2:1:A1 C3:2:B2 I2:3:C3";
        QTest::newRow("row zero") << "Zuege"
                                  << "B2:1:A1 C3:2:B2 D0:3:C3";
        QTest::newRow("a cursor off the wall") << "Zuege"
                                               << "B2:1:A1 C3:2:B2 D4:3:J3";
        QTest::newRow("truncated moves") << "Zuege"
                                         << "B2:1:A1 C3:2:B2";
        QTest::newRow("a seed that is no number") << "Zuege"
                                                  << "B2:1:A1 C3:x:B2 D4:3:C3";
        QTest::newRow("a blocked squirt without the rule") << "Zuege"
                                                           << "B2:1:A1 C3:verstopft:B2 D4:3:C3";
        QTest::newRow("the wrong side to move") << "AmZug"
                                                << "Blau";
        QTest::newRow("an unknown side") << "Anfang"
                                         << "Gruen";
        QTest::newRow("paint on a grease spot") << "Flecken"
                                                << "C3";
        QTest::newRow("grease spots without the rule") << "Fettflecken"
                                                       << " 0";
        QTest::newRow("the cursor off the wall") << "Cursor"
                                                 << "A9";
        QTest::newRow("a level out of range") << "Spielstaerke"
                                              << " 4";
        QTest::newRow("no name") << "Rot"
                                 << "";
        QTest::newRow("a missing key") << "Zugzahl"
                                       << "<missing>";
    }
    void damagedSectionsAreRefused()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        KeptGame g;
        g.redName = "Tulla", g.blueName = "Pelko";
        g.greaseSpots = true, g.grease = {{5, 5}};
        g.firstMover = kBlue;
        g.moves = {{2, 2, false, 1, 1, 1}, {3, 3, false, 2, 2, 2}, {4, 4, false, 3, 3, 3}};
        const KeptKeys good = keysOf(g);
        QVERIFY(fromKeys(good) == g);
        KeptKeys bad = with(good, key.toStdString(), value.toStdString());
        if (value == "<missing>")
            std::erase_if(bad, [&](const auto& kv) { return kv.first == key.toStdString(); });
        QVERIFY(!fromKeys(bad));
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
        FlowRig rig(setup(8, -1, true, false), {0.9f}, 5);
        rig.play("22 33 44 55 23 34");
        QCOMPARE(rig.game.state().moveCount, i16(6));
        const View before = viewOf(rig);
        const auto paper = rig.wall.paper.ops;
        QVERIFY(rig.scene.menuEnabled[int(Scene::MenuItem::Replay)]);
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
        QVERIFY(rig.wall.splots.size() == before.splots.size());
        QVERIFY(viewOf(rig) == before && rig.wall.paper.ops == paper);
        QVERIFY(!rig.game.replaying());
        // The game goes on from there.
        rig.play("45");
        QCOMPARE(rig.cell(4, 5), int(kBlue));
    }
};

QTEST_GUILESS_MAIN(TestKeptGame)
#include "test_kept_game.moc"
