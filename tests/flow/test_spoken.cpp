// What a screen reader is told, on platform doubles: the wall in words, every
// announcement of a game between two players as one log, the computer's reply,
// the hint, a refused cell and a take back; the reading keys and the jump.
#include "flow/Spoken.h"
#include "platform/Announcer.h"
#include "tests/flow/FlowRig.h"

#include <QtTest>

using namespace splot;
using Log = QStringList;

namespace {

struct Said final : Announcer {
    void announce(const std::string& text) override { log << QString::fromStdString(text); }
    QStringList log;
};

struct Rig : testing::FlowRig {
    explicit Rig(bool computer) : FlowRig(testing::setup(8, computer ? 0 : -1), {0.9f}, 5, false)
    {
        game.attachAnnouncer(&said);
        game.Start_click();
    }
    Spoken words() const { return Spoken(game.board(), game.state(), settings, said); }
    Said said;
};

} // namespace

class SpokenTest : public QObject {
    Q_OBJECT
  private slots:
    // Pelko begins (the draw 0.9), tries Tulla's D5 and wins along row 3; Tulla fills row 5.
    void aGameBetweenTwoPlayersInWords()
    {
        Rig rig(false);
        QCOMPARE(rig.game.board().currentPlayer, i16(kBlue));
        rig.game.board().reserve(rig.game.board().index(8, 1), kGrease);
        rig.play("33 35 43 45 45 53 55 63 65");
        const Spoken w = rig.words();
        Log words = {w.cell(8, 1).c_str(), w.row(1).c_str(), w.row(5).c_str(), w.column(3).c_str(),
                     w.diagonals(5, 4).c_str()};
        rig.game.readOut('T'), rig.game.readOut('L');
        rig.play("73");
        words << w.cell(7, 3).c_str() << w.cell(7, 4).c_str() << w.wallName().c_str();
        QCOMPARE(words.join(" | "),
                 "H1, grease spot | Row 1: H grease spot; the rest empty | Row 5: C red, D red, "
                 "E red, F red; the rest empty | Column C: 3 blue, 5 red; the rest empty | "
                 "Diagonal down: D3 blue, F5 red; the rest empty. Diagonal up: D5 red, F3 "
                 "blue, H1 grease spot; the rest empty. | G3, blue, winning line | G4, empty | "
                 "Wall, 8 by 8");
        rig.game.readOut('T');
        QCOMPARE(rig.said.log.join(" | "),
                 "Pelko begins | Tulla's turn | Pelko's turn | Tulla's turn | Pelko's turn | D5 is taken. | "
                 "Tulla's turn | Pelko's turn | Tulla's turn | Pelko's turn | Pelko's turn, move 9. | "
                 "Pelko played F3. Tulla played F5. | Pelko won: five in a row from C3 to G3. Pelko won! | "
                 "No game is running.");
    }

    void aGameAgainstTheComputerInWords()
    {
        Rig rig(true);
        rig.said.log.clear();
        rig.game.Tip_click();
        const GameState& s = rig.game.state();
        const QString hint = QString::fromStdString(Spoken::cellName(s.cursorX, s.cursorY));
        rig.game.Bild_KeyDown(13);
        const QString reply = QString::fromStdString(Spoken::cellName(s.lastColumn[kRed], s.lastRow[kRed]));
        QCOMPARE(QString::fromStdString(rig.words().cell(s.cursorX, s.cursorY)), reply + ", red");
        rig.game.Bild_KeyDown(13); // on the computer's splot
        rig.game.Zug_Zuruecknehmen();
        const Log expected = {"Hint: " + hint + ".", "Computer's turn",
                              "Computer played " + reply + ". Pelko's turn", reply + " is taken.",
                              "Taken back: " + hint + " and " + reply + ". Pelko begins"};
        QCOMPARE(rig.said.log, expected);
    }

    // Ctrl+arrows: to the next painted cell that way, or nothing said there is none.
    void theCursorJumpsToTheNextPaintedCell()
    {
        Rig rig(false);
        rig.play("23 63");
        rig.game.Bild_KeyDown(36); // Home: A1
        rig.game.Bild_KeyDown(40), rig.game.Bild_KeyDown(40);
        rig.said.log.clear();
        const GameState& s = rig.game.state();
        // Jumps right three times and down, then the plain keys: End, Left, Up, Page Up, Right twice,
        // Page Down, Home, Left, Up, Down.
        const int keys[][4] = {{1, 39, 2, 3}, {1, 39, 6, 3}, {1, 39, 6, 3}, {1, 40, 6, 3}, {0, 35, 8, 8},
                               {0, 37, 7, 8}, {0, 38, 7, 7}, {0, 33, 7, 1}, {0, 39, 8, 1}, {0, 39, 8, 1},
                               {0, 34, 8, 8}, {0, 36, 1, 1}, {0, 37, 1, 1}, {0, 38, 1, 1}, {0, 40, 1, 2}};
        for (const auto& [jump, key, x, y] : keys) {
            jump ? rig.game.jumpCursor(key) : rig.game.Bild_KeyDown(key);
            QCOMPARE(std::pair(int(s.cursorX), int(s.cursorY)), std::pair(x, y));
        }
        QCOMPARE(rig.said.log, Log({"Nothing painted that way.", "Nothing painted that way."}));
    }
};

QTEST_GUILESS_MAIN(SpokenTest)
#include "test_spoken.moc"
