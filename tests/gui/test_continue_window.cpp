// A kept game in the real main window, with a settings file in the test's own
// folder: a game closed mid-way comes back after a restart pixel for pixel
// (and its take backs too), a replay stopped midway leaves the wall as it
// was, and a damaged section is refused and left in the file.
#include "tests/gui/WindowRig.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;
using namespace splot::testing;

namespace {

const QString kSettings = "[Einstellungen]\nSound= 0\nText=0\nTips= 1\nComputer= 0\nFettflecken= 1\n"
                          "Düse_verstopft= 1\n[Window]\nStatus= 0\nLeft= 1500\nTop= 1200\nWidth= 9600\n"
                          "Height= 6900\n[Partie]\nNotiz=mine\n";

// A rig whose generator re-seeds as the clock would, repeatably.
struct Rig : WindowRig {
    Rig() { random = StdRandom::reseeding(17); }
    void key(int k) { QTest::keyClick(&wall(), Qt::Key(k)); }
    std::pair<QImage, std::string> shot() { return {wall().image(), window().scene().comment()}; }
};

} // namespace

class TestContinueWindow : public QObject {
    Q_OBJECT

  private slots:
    void init() { writeSettings(kSettings); }

    void aGameClosedMidwayComesBackAfterARestart()
    {
        std::pair<QImage, std::string> left, leftBefore, beforeLastMove;
        {
            Rig rig;
            QVERIFY(!rig.window().continueAction()->isEnabled() && !rig.window().replayAction()->isEnabled());
            rig.window().start_Click();
            // Two humans: the hint, a wander with the keys, Enter; one move taken back.
            for (int i = 0; i < 9; ++i) {
                rig.game().Tip_click();
                rig.key(i % 3 == 0 ? Qt::Key_Left : Qt::Key_Down);
                const auto before = rig.shot();
                const std::size_t count = rig.game().takeBackDepth();
                rig.key(Qt::Key_Return);
                if (rig.game().takeBackDepth() > count)
                    beforeLastMove = before;
            }
            rig.game().Tip_click();
            leftBefore = rig.shot();
            rig.key(Qt::Key_Space);
            rig.window().zurueck_Click();
            QVERIFY(rig.shot() == leftBefore);
            rig.key(Qt::Key_Right);
            left = rig.shot();
            QVERIFY(rig.window().replayAction()->isEnabled());
            rig.window().close();
        }
        QVERIFY(settingsHave("Notiz=mine") && settingsHave("Zuege=") && settingsHave("Feld= 8"));
        Rig again;
        QVERIFY(!again.state().boardExists && again.window().continueAction()->isEnabled());
        again.window().continueAction()->trigger();
        QVERIFY(again.shot() == left);
        QVERIFY(!again.window().continueAction()->isEnabled());
        // The moves before can be taken back as before.
        again.window().zurueck_Click();
        QVERIFY(again.shot() == beforeLastMove);
        // A new game replaces the kept one.
        again.window().start_Click();
        again.window().close();
        QVERIFY(settingsHave("Zugzahl= 0") && settingsHave("Notiz=mine"));
    }

    void aReplayStoppedMidwayLeavesTheWallAsItWas()
    {
        Rig rig;
        rig.window().start_Click();
        for (int i = 0; i < 6; ++i)
            rig.game().Tip_click(), rig.key(Qt::Key_Return);
        const auto before = rig.shot();
        int moves = 0;
        rig.clock.onEvents = [&] {
            if (QString::fromStdString(rig.window().scene().comment()).startsWith("Move 3:") && moves++ == 0)
                rig.key(Qt::Key_Space);
        };
        rig.window().replayAction()->trigger();
        rig.clock.onEvents = {};
        QVERIFY(moves > 0 && !rig.game().replaying());
        QVERIFY(rig.shot() == before);
    }

    void aDamagedSectionIsRefusedAndKept()
    {
        const QString damaged = kSettings + "Feld= 8\nZuege=B2:1:A1 B2:2:B2\n";
        writeSettings(damaged);
        {
            Rig rig;
            QVERIFY(!rig.window().continueAction()->isEnabled());
            rig.window().continueAction()->trigger();
            QVERIFY(!rig.state().boardExists);
            rig.window().close();
        }
        QVERIFY(settingsHave("Zuege=B2:1:A1 B2:2:B2"));
    }
};

QTEST_MAIN(TestContinueWindow)
#include "test_continue_window.moc"
