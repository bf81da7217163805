// Taking moves back, on platform doubles: after plain moves, the computer's opening and replies,
// a blocked squirt and a win the game equals the same game played directly to that point; the painters rest a
// moment; a take back in the middle of a move is dropped; a failure never takes back twice; a decided game
// is counted once.
#include "tests/flow/FlowRig.h"

#include <QtTest>

#include <cmath>
#include <stdexcept>

using namespace splot;
using namespace splot::testing;

namespace {

// A game whose decided games are counted (+1) and uncounted (-1) into a log.
struct Rig : FlowRig {
    explicit Rig(const GameSettings& initial, std::initializer_list<float> draws = {})
        : FlowRig(initial, draws, 3, false)
    {
        game.setResultListener(
            [this](const GameResult& r, int change) { results.emplace_back(r.winner, change); });
        game.Start_click();
    }

    std::vector<std::pair<int, int>> results; // winner, change
};

const std::string_view kRedAlmostWon = "11 17 21 37 31 57 51 77 61 25"; // (4, 1) wins for Red

} // namespace

class TestTakeBack : public QObject {
    Q_OBJECT

  private slots:
    // Moves played, then more moves taken back one by one: the game equals the same game played
    // directly to that point (the menu items included), and goes on from there as any other.
    void takenBackEqualsPlayedDirectly()
    {
        GameSettings nozzle = setup();
        nozzle.blockedNozzle = kTrue;
        const struct {
            GameSettings settings;
            std::vector<float> draws; // who begins, the squirts' nozzle draws
            std::string_view before, taken;
            float pushed; // a draw for the moves taken back, or -1
        } rows[] = {
            {setup(), {0.9f}, "", "22 33 45", -1},    // plain moves
            {setup(8, 1), {0.1f}, "", "44 55", -1},   // the computer's opening, which stays
            {setup(8, 1), {0.9f}, "44", "55 66", -1}, // the computer's replies
            {nozzle, {0.9f, 0.5f, 0.5f}, "22 33", "34", std::nextafter(0.1f, 0.0f)}, // a blocked squirt
            {setup(), {0.1f}, kRedAlmostWon, "41", -1},                              // a win
        };
        for (const auto& row : rows) {
            FlowRig rig(row.settings, {}, 3, false), direct(row.settings, {}, 3, false);
            for (FlowRig* r : {&rig, &direct}) {
                for (float d : row.draws)
                    r->random.push({d});
                r->game.Start_click();
                r->play(row.before);
            }
            const std::size_t depth = rig.game.takeBackDepth();
            QCOMPARE(rig.offered(Scene::MenuItem::TakeBack), depth > 0);
            if (row.pushed >= 0)
                rig.random.push({row.pushed});
            rig.play(row.taken);
            QVERIFY(rig.offered(Scene::MenuItem::TakeBack) && rig.game.takeBackDepth() > depth);
            while (rig.game.takeBackDepth() > depth)
                rig.game.Zug_Zuruecknehmen();
            QVERIFY(rig.view() == direct.view());
            rig.play("88 87"), direct.play("88 87");
            QVERIFY(rig.view() == direct.view());
        }
    }

    // The booth is put back as it stood (unseen: no events in between), the painters rest, then stand.
    void thePaintersRestAMomentAndStandAsTheyStood()
    {
        Rig rig(setup(8, -1, 1), {0.9f});
        rig.play("22 33");
        rig.seen();
        rig.game.Zug_Zuruecknehmen();
        const std::string seen = rig.seen(), rest = "frame 0 0";
        QCOMPARE(seen.substr(0, seen.find(rest)).find("events"), std::string::npos);
        QCOMPARE(seen.substr(seen.find(rest)),
                 "frame 0 0, frame 1 9, sound splot2.wav, events, wait 400, frame 0 4, frame 1 17, events");
    }

    void aTakeBackDuringAMoveIsDropped()
    {
        Rig rig(setup(8, 1), {0.9f}); // Blue begins against the computer
        rig.play("44");
        bool offered = true;
        rig.clock.onEvents = [&] {
            offered = offered && rig.offered(Scene::MenuItem::TakeBack);
            rig.game.Zug_Zuruecknehmen();
        };
        rig.play("55");
        rig.clock.onEvents = {};
        // Neither held nor run: both moves and both replies stand.
        QVERIFY(!offered && rig.game.heldCommands() == 0);
        QVERIFY(rig.game.state().moveCount == 4 && rig.game.takeBackDepth() == 2 &&
                rig.offered(Scene::MenuItem::TakeBack));
    }

    // A result is counted once: not for a move a failure put back, nor once taken back, nor again
    // when a new game follows.
    void aResultPutBackOrTakenBackIsNoLongerCounted()
    {
        Rig rig(setup(), {0.1f}); // Red begins
        rig.play(kRedAlmostWon);
        const FlowRig::View before = rig.view();
        const std::size_t depth = rig.game.takeBackDepth();
        // Aborted after the game was decided (at its sound): the winning move is put back.
        rig.settings.soundOn = 1;
        rig.game.setStepProbe([&rig](const char* procedure, bool done) {
            if (!done && std::string(procedure) == "Zug_Ausfuehren" && rig.game.state().gameOver)
                rig.game.setStepProbe({}), throw std::runtime_error("failure");
        });
        rig.play("41");
        QVERIFY(rig.questions.errors.size() == 1 && rig.view() == before &&
                rig.game.takeBackDepth() == depth);
        rig.play("41");
        rig.game.Zug_Zuruecknehmen();
        QVERIFY(rig.view() == before);
        rig.questions.answers = {true};
        rig.random.push({0.1f});
        rig.game.Start_click(); // the game taken back is given up
        rig.play(kRedAlmostWon), rig.play("41");
        rig.random.push({0.1f});
        rig.game.Start_click();
        QCOMPARE(rig.results,
                 (std::vector<std::pair<int, int>>{{kRed, 1}, {kRed, -1}, {kRed, 1}, {kRed, -1}, {kRed, 1}}));
        QVERIFY(!rig.game.canTakeBack());
    }
};

QTEST_GUILESS_MAIN(TestTakeBack)
#include "test_take_back.moc"
