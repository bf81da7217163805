// The painters' sequences, the chatter and the rule for sounds.
#include "FlowTestSupport.h"

using namespace splot;
using namespace splot::doubles;
using namespace splot::flowtest;

class TestSequences : public QObject {
    Q_OBJECT

private slots:
    void sequencesLeaveTheirPicturesAndTakeTheirTime()
    {
        SeededRandom rng(1);
        GameRig rig(rng, quietHumans());
        struct Case {
            int n;
            double seconds;
            int red, blue;
        };
        const Case cases[] = {{2, 0.8, 5, 9}, {3, 0.8, 0, 14}, {4, 0.0, 5, 14},
                              {5, 0.6, 8, 9}, {6, 0.6, 0, 17}, {7, 1.2, 3, 13}};
        for (const Case& c : cases) {
            rig.scene.frames[0] = 0;
            rig.scene.frames[1] = 9;
            const double t = rig.clock.time;
            rig.game.Sequenz(c.n);
            QCOMPARE(rig.clock.time - t, c.seconds);
            QCOMPARE(rig.scene.frames[0], c.red);
            QCOMPARE(rig.scene.frames[1], c.blue);
        }
        QVERIFY(rig.sound.played.empty());
        QCOMPARE(rng.draws, 0L);  // no chatter without sound

        // A victory shows both victory frames in turn, 0.4 s each.
        rig.scene.frameHistory.clear();
        rig.game.Sequenz(3);
        QCOMPARE(rig.scene.frameHistory, (std::vector<std::pair<int, int>>{{1, 15}, {1, 16}, {1, 14}}));

        // Any other number does nothing.
        const int entries = rig.journal.size();
        for (int n : {0, 8, -1, 100})
            rig.game.Sequenz(n);
        QCOMPARE(rig.journal.size(), entries);
    }

    void squirtsTurnThePump()
    {
        SeededRandom rng(1);
        GameRig rig(rng, quietHumans());
        rig.game.Sequenz(5);
        QVERIFY(rig.scene.pumpsShown[0]);
        QVERIFY(!rig.scene.pumpsShown[1]);
        rig.game.Sequenz(6);
        QVERIFY(rig.scene.pumpsShown[1]);
        QVERIFY(!rig.scene.pumpsShown[0]);
        // The squirt frame is visible (events) before the wait, the after-squirt frame after it.
        const int squirt = rig.journal.find("frame 1 12");
        QVERIFY(rig.journal.find("clock.events", squirt) < rig.journal.find("frame 1 17", squirt));
    }

    void introductionMovesThePaintersOnce()
    {
        SeededRandom rng(1);
        GameRig rig(rng, quietHumans());
        rig.game.Sequenz(1);
        QCOMPARE(rig.clock.waited, 0.9);
        QCOMPARE(rig.scene.frames[0], 8);
        QCOMPARE(rig.scene.frames[1], 17);
        QCOMPARE(rig.journal.count("move "), 2);
    }

    void chatterPlaysItsSoundsAtTheirRates()
    {
        SeededRandom rng(42);
        GameSettings s = quietHumans();
        s.soundOn = 1;
        GameRig rig(rng, s);
        const int n = 14000;
        for (int i = 0; i < n; ++i)
            rig.game.Geschwaetz();
        const int silent = n - static_cast<int>(rig.sound.played.size());
        // 1/14 for splot4, 1/7 for each of splot5 .. splot8, 5/14 nothing.
        QVERIFY(std::abs(rig.sound.count("splot4.wav") - 1000) < 120);
        for (const char* f : {"splot5.wav", "splot6.wav", "splot7.wav", "splot8.wav"})
            QVERIFY2(std::abs(rig.sound.count(f) - 2000) < 160, f);
        QVERIFY(std::abs(silent - 5000) < 200);
        for (const auto& f : rig.sound.played)
            QVERIFY(f >= "splot4.wav" && f <= "splot8.wav");
        // Every sound is followed by a pause of 0.4 s, a silent chatter by none.
        QCOMPARE(rig.clock.waits, n - silent);
        QVERIFY(std::abs(rig.clock.waited - 0.4 * (n - silent)) < 1e-6);
    }

    void chatterRoundsHalvesToEven()
    {
        // r = 0.5 gives 7.5, which rounds to 8; r = 0 gives 4; r just below 1 nothing.
        ScriptedRandom rng({0.5f, 0.0f, 0.99f, 0.3f});
        GameSettings s = quietHumans();
        s.soundOn = 1;
        GameRig rig(rng, s);
        for (int i = 0; i < 4; ++i)
            rig.game.Geschwaetz();
        QCOMPARE(rig.sound.played, (std::vector<std::string>{"splot8.wav", "splot4.wav", "splot6.wav"}));
    }

    void soundsPlayOnlyWhenTheSettingIsExactlyOne()
    {
        for (i16 setting : {i16(0), i16(-1), i16(2)}) {
            SeededRandom rng(9);
            GameSettings s = quietHumans();
            s.computerPlaysRed = kTrue;
            s.blockedNozzle = kTrue;
            s.soundOn = setting;
            GameRig rig(rng, s);
            RandomPlayer human(9);
            rig.game.Start_click();
            playToTheEnd(rig, human);
            QVERIFY(rig.game.state().gameOver);
            QVERIFY2(rig.sound.played.empty(), std::to_string(setting).c_str());
        }

        // With sound on, a game has its squirts, splots, chatter and the win.
        SeededRandom rng(9);
        GameSettings s = quietHumans();
        s.computerPlaysRed = kTrue;
        s.soundOn = 1;
        GameRig rig(rng, s);
        RandomPlayer human(9);
        rig.game.Start_click();
        playToTheEnd(rig, human);
        const int splots = static_cast<int>(rig.wall.splots.size());
        QCOMPARE(rig.sound.count("splot1.wav"), splots);
        QCOMPARE(rig.sound.count("splot3.wav"), 1);
        const bool redWon = startsWith(rig.scene.commentText, "Computer won!");
        QCOMPARE(rig.sound.count("splot2.wav"), splots - (redWon ? 1 : 0));
        int chatter = 0;
        for (const char* f : {"splot4.wav", "splot5.wav", "splot6.wav", "splot7.wav", "splot8.wav"})
            chatter += rig.sound.count(f);
        QVERIFY(chatter > 0);
    }

    void soundSettingIsReadAtTheMomentOfTheSound()
    {
        ScriptedRandom rng({0.9f});
        GameSettings s = quietHumans();
        s.soundOn = 1;
        GameRig rig(rng, s);
        rig.game.Start_click();
        rig.sound.played.clear();
        // The sound is switched off while the squirt is on screen (its events).
        rig.clock.onEvents = [&] { rig.settings.soundOn = 0; };
        rig.game.Feld_Auswahl(2, 2);
        QVERIFY(rig.sound.played.empty());
        // And on again in the middle of the next squirt.
        rig.clock.onEvents = [&] { rig.settings.soundOn = 1; };
        rig.game.Feld_Auswahl(3, 3);
        QCOMPARE(rig.sound.played, (std::vector<std::string>{"splot2.wav", "splot1.wav"}));
    }
};

QTEST_GUILESS_MAIN(TestSequences)
#include "tst_sequences.moc"
