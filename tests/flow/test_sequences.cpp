// What the player sees and hears, in its order: the painters' sequences and
// chatter, a move handed over to the computer, a win and a new game, each
// compared as one whole ordered log of frames, pump pictures, puddles, sounds,
// waits, event processing, comments, splots and lines.
#include "tests/flow/FlowRig.h"

#include <QtTest>

#include <cmath>

using namespace splot;
using namespace splot::doubles;

namespace {

// Two humans on a wall of n cells, not yet started; the given draws first.
struct Rig : testing::FlowRig {
    explicit Rig(std::initializer_list<float> draws = {}, int wallSize = 8)
        : FlowRig(testing::setup(wallSize), draws, 3, false)
    {
    }
    QString seen() { return QString::fromStdString(FlowRig::seen()); }
};

// The squirts, as the log shows them with sound on.
const QString kRedSquirt =
    "wait 300, frame 0 3, pump 0 on, pump 1 off, events, wait 300, sound splot2.wav, frame 0 8";
const QString kBlueSquirt =
    "wait 300, frame 1 12, pump 1 on, pump 0 off, events, wait 300, sound splot2.wav, frame 1 17";

} // namespace

class TestSequences : public QObject {
    Q_OBJECT

  private slots:
    // Chatter: k = 7r + 4 rounded, splot4..splot8.wav and 0.4 s; above 8 nothing (0.65 and up).
    // Sound plays only when its setting is exactly 1.
    void everySequenceInOrder()
    {
        const struct {
            int n, sound;
            std::vector<float> draws;
            QString log;
        } rows[] = {
            {1,
             1,
             {0.3f, 0.99f, 0.45f, 0.64f, 0.65f}, // the introduction
             "wait 400, frame 0 2, events, move 0 -130 -60, frame 0 3, sound splot6.wav, wait 400, "
             "frame 1 11, events, wait 100, frame 0 4, move 1 140 -60, frame 1 12, events, sound splot7.wav, "
             "wait 400, frame 1 13, frame 0 8, events, sound splot8.wav, wait 400, frame 1 17, events"},
            {2, 1, {}, "frame 0 6, events, wait 400, frame 0 7, events, wait 400, frame 0 5"}, // Red has won
            {3, 1, {}, "frame 1 15, events, wait 400, frame 1 16, events, wait 400, frame 1 14"},
            {4, 1, {}, "frame 0 5, frame 1 14"}, // a draw
            {5, 1, {}, kRedSquirt},
            {6, 1, {}, kBlueSquirt},
            {6, 2, {}, "wait 300, frame 1 12, pump 1 on, pump 0 off, events, wait 300, frame 1 17"},
            {7,
             1,
             {0.0f, 0.7f, 0.15f, 0.6f}, // a new game
             "sound splot4.wav, wait 400, wait 400, frame 1 12, frame 0 3, events, wait 400, frame 1 13, "
             "sound splot5.wav, wait 400, wait 400, sound splot8.wav, wait 400"},
            {7, -1, {}, "wait 400, frame 1 12, frame 0 3, events, wait 400, frame 1 13, wait 400"},
        };
        for (const auto& row : rows) {
            Rig rig;
            rig.settings.soundOn = i16(row.sound);
            for (float r : row.draws)
                rig.random.push({r});
            rig.game.Sequenz(row.n);
            QCOMPARE(rig.seen(), row.log);
            QCOMPARE(rig.random.draws, long(row.draws.size())); // a silent painter draws nothing
        }
    }

    // A second game: the grid, the puddles at the foot of the pump, the new-game
    // sequence, the first turn with its painter and pump; the cursor in the middle,
    // no splots and no refused draw offers carried over. Red begins when the draw is at most a quarter.
    void aNewGameSetsUpAndHandsOutTheFirstTurn()
    {
        for (auto [r, turn] : {std::pair(0.25f, "frame 0 4, pump 1 on, pump 0 off, comment Tulla begins"),
                               std::pair(std::nextafter(0.25f, 1.0f),
                                         "frame 1 13, pump 0 on, pump 1 off, comment Pelko begins")}) {
            Rig rig({0.9f, r});
            rig.game.Start_click();
            rig.play("33 44");
            rig.game.search().drawOfferCounter = 2; // two searches of the old game found nothing to build on
            rig.seen();
            rig.questions.answers = {true};
            rig.game.Start_click();
            QCOMPARE(rig.seen(), "grid, hourglass, puddle 0 3720 4370 0 0, puddle 1 4440 4370 0 0, pointer, "
                                 "wait 400, frame 1 12, frame 0 3, events, wait 400, frame 1 13, wait 400, " +
                                     QString(turn));
            const GameState& s = rig.game.state();
            QCOMPARE((QList<int>{s.cursorX, s.cursorY, s.moveCount, rig.game.search().drawOfferCounter}),
                     (QList<int>{5, 5, 0, 0}));
        }
    }

    // Blue's squirt and splot, the computer's turn with the events before its
    // search, its squirt and splot, and Blue's turn again.
    void theComputerRepliesAfterItsTurnIsShown()
    {
        Rig rig({0.9f}); // Blue begins
        rig.settings.computerPlaysRed = kTrue;
        rig.game.Start_click();
        rig.settings.soundOn = 1;
        rig.seen();
        rig.game.Feld_Auswahl(4, 4);
        const GameState& s = rig.game.state();
        QCOMPARE(
            rig.seen(),
            kBlueSquirt + ", splot 4 4, frame 0 4, comment Computer's turn, events, " + kRedSquirt +
                QString(", splot %1 %2, frame 1 13, comment Pelko's turn").arg(s.moveColumn).arg(s.moveRow));
    }

    // The winning splot (Red's drawn twice), the line, the text with its two
    // blanks, the fanfare and the winner's sequence; the text draw is scripted.
    void aWinShowsItsLineTextAndSequence()
    {
        const QString red = kRedSquirt +
                            ", splot 5 1, splot 5 1, line 33, comment %1, sound splot3.wav, "
                            "frame 0 6, events, wait 400, frame 0 7, events, wait 400, frame 0 5";
        const QString blue = kBlueSquirt +
                             ", splot 5 8, line 40, comment %1, sound splot3.wav, "
                             "frame 1 15, events, wait 400, frame 1 16, events, wait 400, frame 1 14";
        const struct {
            float whoBegins;
            bool computer;
            QString log;
        } rows[] = {{0.9f, true, red.arg("Computer won!  Aaaaargh!")},
                    {0.9f, false, red.arg("Tulla won!")},
                    {0.1f, true, blue.arg("You won!  Wow!")},
                    {0.1f, false, blue.arg("Pelko won!")}};
        for (const auto& row : rows) {
            Rig rig({row.whoBegins});
            rig.game.Start_click();
            rig.play(row.whoBegins > 0.5f ? "18 11 28 21 38 31 48 41 88" : "11 18 21 28 31 38 41 48 83");
            rig.settings.computerPlaysRed = i16(row.computer ? kTrue : kFalse);
            rig.settings.soundOn = 1;
            rig.seen();
            rig.random.push({0.5f}); // the fifth of the side's ten texts
            rig.play(row.whoBegins > 0.5f ? "51" : "58");
            QCOMPARE(rig.seen(), row.log);
        }
    }
};

QTEST_APPLESS_MAIN(TestSequences)
#include "test_sequences.moc"
