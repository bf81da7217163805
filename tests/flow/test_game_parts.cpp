// The parts the game runs on, each alone: the failure guard's answers to a
// failed step, the command door's held and dropped input, the take-back history.
#include "flow/CommandDoor.h"
#include "flow/FailureGuard.h"
#include "flow/TakeBackHistory.h"
#include "tests/doubles/ScriptedQuestions.h"

#include <QtTest>

#include <stdexcept>

using namespace splot;
using namespace splot::doubles;
using Choice = Questions::ErrorChoice;

namespace {

// The door's owner: its calls as one log, "[" and "]" for work begun and over.
struct Owner final : CommandDoor::Owner {
    void workChanged(bool busy) override { log += busy ? "[" : "]"; }
    void passHeldInput() override { log += "e"; }
    void afterWork() override { log += "a"; }
    bool takesWallInput() const override { return wall; }
    std::string log;
    bool wall = true;
};

} // namespace

class TestGameParts : public QObject {
    Q_OBJECT

  private slots:
    // A step that fails `failures` times, answered by `choices`, in a procedure of a whole move.
    void aFailedStepIsRetriedIgnoredOrLeft()
    {
        struct Row {
            int failures;
            std::deque<Choice> choices;
            bool needed, keepsGame;
            bool done, procedureGoesOn, whole;
        } rows[] = {
            {0, {}, true, true, true, true, true},
            {2, {Choice::Retry, Choice::Retry}, true, true, true, true, true},
            {1, {Choice::Ignore}, false, true, false, true, true},
            {1, {Choice::Ignore}, true, false, false, true, false},
            {1, {Choice::Abort}, false, false, false, false, true},
            {1, {Choice::Abort}, false, true, false, false, false},
        };
        for (const Row& row : rows) {
            ScriptedQuestions questions;
            questions.choices = row.choices;
            int pointerResets = 0, runs = 0, retries = 0;
            bool done = false, wentOn = false, putBack = false;
            FailureGuard guard(questions, [&] { ++pointerResets; });
            const auto step = [&] {
                if (runs++ < row.failures)
                    throw std::out_of_range("out of paint");
            };
            const bool whole = guard.allOrNothing(
                [&] {
                    guard.procedure("Zug_Rot", row.keepsGame, [&] {
                        done = guard.step(step, row.needed, [&] { ++retries; });
                        wentOn = true;
                    });
                },
                [&] { return [&] { putBack = true; }; });
            QCOMPARE(std::vector<bool>({done, wentOn, whole, putBack}),
                     std::vector<bool>({row.done, row.procedureGoesOn, row.whole, !row.whole}));
            QVERIFY(runs == row.failures + (row.done ? 1 : 0) && retries == (row.done ? row.failures : 0));
            QVERIFY(questions.errors.size() == std::size_t(row.failures) && pointerResets == row.failures);
            if (row.failures > 0)
                QCOMPARE(questions.errors[0].title + "|" + questions.errors[0].text,
                         std::string("Splotchery Error|Error 9: \nout of paint\n\t\toccurred at line 0\n"
                                     "in Splotchery: Zug_Rot"));
        }
    }

    // A command that comes during work waits for it; wall input then is dropped.
    void theDoorHoldsCommandsAndDropsWallInputDuringWork()
    {
        ScriptedQuestions questions;
        FailureGuard guard(questions, {});
        Owner owner;
        CommandDoor door(guard, owner);
        door.work("Start_click", [&] {
            owner.log += "S";
            door.command("opt_Click", [&] { owner.log += "O"; });
            door.wallInput("Bild_KeyDown", [&] { owner.log += "K"; });
            QCOMPARE(door.held(), std::size_t(1));
        });
        owner.wall = false;
        door.wallInput("Bild_MouseDown", [&] { owner.log += "M"; });
        owner.wall = true;
        door.wallInput("Bild_MouseDown", [&] { owner.log += "M"; });
        guard.abandon();
        door.command("opt_Click", [&] { owner.log += "O"; });
        QCOMPARE(owner.log, std::string("[S][e]aO[e]a[M][e]a"));
    }

    void theHistoryKeepsThePictureBeforeTheMove()
    {
        struct Picture : Canvas::Saved {};
        const auto marked = std::make_shared<Picture>(), now = std::make_shared<Picture>();
        TakeBackHistory history;
        GameSnapshot game;
        game.wall = now;
        history.keep(game);
        history.markPicture(marked);
        history.keep(game);
        QVERIFY(history.size() == 2 && history.last().cursorShown && history.last().game.wall == marked);
        history.markPicture(marked);
        history.cutTo(1); // a move put back: its marked picture goes with it
        history.keep(game);
        QVERIFY(history.size() == 2 && !history.last().cursorShown && history.last().game.wall == now);
        history.setCounted(GameResult{});
        history.forget();
        QVERIFY(history.empty() && !history.counted());
    }
};

QTEST_GUILESS_MAIN(TestGameParts)
#include "test_game_parts.moc"
