// The player's road through the real main window: the whole-game driver (keys, clicks or both; the
// computer or two humans; in every language; at the design scale or zoomed on a 2x screen), each
// game then taken back move by move to the very pictures it passed through; a game kept over a
// restart; a damaged one told and left in the file. (A replay stopped midway is the flow's kept-game
// test.)
#include "flow/KeptGame.h"
#include "platform/qt/ShownText.h"
#include "shell/Language.h"
#include "tests/gui/WindowRig.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;
using namespace splot::testing;

namespace {

// Two humans with grease spots and the blocked nozzle, and a kept game's note of our own.
const QString kKeeping = "[Einstellungen]\nSound= 0\nText=0\nTips= 1\nComputer= 0\nFettflecken= 1\n"
                         "Düse_verstopft= 1\n[Window]\nStatus= 0\nLeft= 1500\nTop= 1200\nWidth= 9600\n"
                         "Height= 6900\n[Partie]\nNotiz=mine\n";

// Whether `shown`, the translation of the English `source`, keeps a phrase of it (two words or more:
// a name, "Start" or "Super!" may read the same) in English.
bool englishLeft(const QString& shown, const std::string& source)
{
    for (const QString& phrase : QString::fromStdString(source).split("  "))
        if (phrase.contains(' ') && shown.contains(phrase))
            return true;
    return false;
}

} // namespace

class TestPlayerRoad : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("splotchery")); }
    void init() { writeSettings(kQuietSettings); }

    // The whole-game driver, one game a row: Blue plays the last free cell from the bottom right,
    // every third move the hinted one, by keys typed into the active window's focus widget (Home,
    // the arrows, Enter or Space; never Tab), by clicks in the middle of the cell, or both in turn;
    // against the computer or another human who loses some squirts to the blocked nozzle; in
    // every language. After every move the splot is where it was sent, the board, the wall and
    // the label agree and the wall has the keyboard focus, also after a hint, a refused cell, a new
    // game refused and the game menu opened with Alt and its underlined letter. No label and no
    // question leaves English in another language.
    // Ctrl+Z in the middle of a move is dropped with its item greyed; after the game it brings back
    // the wall's picture, the label and the game's tables as they were before each move.
    void wholeGames_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("game");
        const QStringList languages = {"en", "pl", "ru", "de", "ja", "cs", "fr", "zh_CN", "es", "it"};
        for (int i = 0; i < languages.size(); ++i)
            QTest::newRow(qPrintable(languages[i])) << languages[i] << i % 4;
    }
    void wholeGames()
    {
        QFETCH(QString, language);
        QFETCH(int, game);
        // The four games in turn, one in each language: keys against the computer, keys between humans,
        // both against the computer, which wins, clicks zoomed. The input, against the computer, the
        // seed, zoomed, and how the last label begins in English.
        const std::tuple<QString, bool, uint, bool, QString> games[] = {
            {"keys", true, 9, false, "You won!  "},
            {"keys", false, 12, false, ""},
            {"both", true, 11, false, "Computer won!  "},
            {"clicks", true, 11, true, "Computer won!  "}};
        const auto& [input, computer, seed, zoomed, result] = games[game];
        useLanguage(language);
        WindowRig rig(seed);
        rig.program->settings().computerPlaysRed = computer ? kTrue : kFalse;
        rig.program->settings().blockedNozzle = computer ? kFalse : kTrue;
        MainWindow& w = rig.window();
        QVERIFY(rig.activate());
        if (zoomed) {
            rig.wall().setPixelRatioOverride(2);
            w.booth()->setZoomWithWindow(true);
            w.resize(939, 635 + w.height() - w.booth()->height());
            QCOMPARE(rig.wall().zoom(), 1.5);
        }
        bool offered = false;
        QStringList english; // the labels that leave English
        const auto read = [&] {
            if (language != "en" &&
                englishLeft(w.booth()->commentLabel()->text(), w.scene().comment().english()))
                english.append(w.booth()->commentLabel()->text());
        };
        rig.clock.onEvents = [&] {
            read();
            offered |= w.takeBackAction()->isEnabled();
            rig.type(Qt::Key_Z, Qt::ControlModifier);
        };
        std::vector<WindowRig::Shot> before;
        rig.type(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(rig.state().gameRunning);
        for (int moves = 0; moves < 64 && rig.state().gameRunning; ++moves) {
            QCOMPARE(QApplication::focusWidget(), &rig.wall());
            QVERIFY(rig.cursorCoverage(rig.cursor()) > 0.25);
            QPoint to;
            if (moves % 3 == 2)
                rig.type(Qt::Key_T, Qt::ControlModifier), to = rig.cursor();
            for (int i = 63; i >= 0 && to.isNull(); --i)
                to = rig.code(8 - i % 8, i / 8 + 1) == kEmpty ? QPoint(8 - i % 8, i / 8 + 1) : QPoint();
            const int count = rig.state().moveCount, side = rig.game().board().currentPlayer;
            if (input == "keys" || (input == "both" && moves % 2 == 0)) {
                rig.type(Qt::Key_Home);
                for (int k = 2; k < to.x() + to.y(); ++k)
                    rig.type(k <= to.x() ? Qt::Key_Right : Qt::Key_Down);
                QCOMPARE(rig.cursor(), to);
                before.push_back(rig.shot());
                rig.type(moves % 4 < 2 ? Qt::Key_Return : Qt::Key_Space);
            } else {
                before.push_back(rig.shot());
                rig.press(538 * to.x() - 269, 538 * to.y() - 269);
            }
            // Against the computer the splot lands and the reply follows; between humans the turn
            // passes, by a splot or a blocked nozzle.
            if (computer)
                QVERIFY(rig.code(to.x(), to.y()) == kBlue &&
                        (rig.state().moveCount == count + 2 || rig.state().gameOver));
            else
                QVERIFY(rig.game().board().currentPlayer != side || rig.state().gameOver);
            QCOMPARE(disagreement(rig), QString());
            read();
            if (moves == 1) // a new game, refused
                rig.type(Qt::Key_S, Qt::ControlModifier);
            if (moves == 2) // Enter on the splot just played: refused, the focus stays
                rig.type(Qt::Key_Return);
            if (moves == 3) { // the game menu with Alt+G (Alt+S): a late Alt, a new Alt, then Escape, Escape
                // (Typed as its letter: QTest's plain key press knows only ASCII.)
                const Qt::Key letter = QKeySequence::mnemonic(w.menuBar()->actions()[0]->text())[0].key();
                const auto alt = [&](QTest::KeyAction action) {
                    QTest::sendKeyEvent(action, w.windowHandle(), letter, QString(QChar(letter)).toLower(),
                                        Qt::AltModifier);
                };
                rig.wall().clearFocus(); // as when a dialog closed while a new game is set out
                alt(QTest::Press);
                QTRY_VERIFY(QApplication::activePopupWidget());
                // The chord's Alt handed on late to the window (a screen reader's key listener
                // can): the menu stays. The game set out meanwhile leaves it the keys.
                QTest::keyPress(w.windowHandle(), Qt::Key_Alt);
                alt(QTest::Release);
                rig.window().scene().focusWall();
                QVERIFY(QApplication::activePopupWidget() && QApplication::focusWidget() != &rig.wall());
                // A new Alt in the menu closes it, and the wall has the keys.
                QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Alt);
                QVERIFY(!QApplication::activePopupWidget());
                QTRY_COMPARE(QApplication::focusWidget(), &rig.wall());
                alt(QTest::Click);
                QTRY_VERIFY(QApplication::activePopupWidget());
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
                rig.type(Qt::Key_Escape); // the menu bar lets go of the keyboard
                QTRY_COMPARE(QApplication::focusWidget(), &rig.wall());
            }
        }
        rig.clock.onEvents = nullptr;
        const std::string last = w.scene().comment().english();
        QVERIFY2(!rig.state().gameRunning && rig.state().gameOver, last.c_str());
        QVERIFY2(QString::fromStdString(last).startsWith(result), last.c_str());
        QCOMPARE(rig.questions.asked.size(), 1u);
        for (const auto& question : rig.questions.asked)
            if (language != "en" && englishLeft(shownText(question.text.c_str()), question.text))
                english.append(shownText(question.text.c_str()));
        QCOMPARE(english.join(" | "), QString());
        QCOMPARE(QApplication::focusWidget(), &rig.wall());
        QVERIFY(!offered && w.takeBackAction()->isEnabled());
        for (; !before.empty(); before.pop_back()) {
            rig.type(Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(rig.shot() == before.back(), qPrintable(QString::number(before.size())));
        }
        QVERIFY(!w.takeBackAction()->isEnabled() && rig.game().takeBackDepth() == 0);
        useLanguage("en");
    }

    // A game closed midway comes back after a restart as it was, and its take backs too; a new game
    // replaces it.
    void aKeptGameComesBackAfterARestart()
    {
        writeSettings(kKeeping);
        WindowRig::Shot left, beforeLastMove;
        {
            WindowRig rig;
            rig.random = StdRandom::reseeding(17);
            rig.window().start_Click();
            for (int i = 0; i < 9; ++i) { // the hint, a wander with the keys, Enter
                rig.game().Tip_click();
                rig.key(i % 3 == 0 ? Qt::Key_Left : Qt::Key_Down);
                const WindowRig::Shot before = rig.shot();
                const std::size_t count = rig.game().takeBackDepth();
                rig.key(Qt::Key_Return);
                if (rig.game().takeBackDepth() > count)
                    beforeLastMove = before;
            }
            rig.game().Tip_click();
            left = rig.shot();
            rig.key(Qt::Key_Space); // one move taken back
            rig.window().zurueck_Click();
            QVERIFY(rig.shot() == left);
            rig.key(Qt::Key_Right);
            left = rig.shot();
            rig.window().close();
        }
        QVERIFY(settingsHave("Notiz=mine") && settingsHave("Zuege=") && settingsHave("Feld= 8"));
        WindowRig again;
        again.random = StdRandom::reseeding(17);
        QVERIFY(!again.state().boardExists && again.window().continueAction()->isEnabled());
        again.window().continueAction()->trigger();
        QVERIFY(again.shot() == left && !again.window().continueAction()->isEnabled());
        again.window().zurueck_Click();
        QVERIFY(again.shot() == beforeLastMove);
        again.window().start_Click();
        again.window().close();
        QVERIFY(settingsHave("Zugzahl= 0") && settingsHave("Notiz=mine"));
    }

    // A kept game waits, is not there, or cannot be read: the label says so at start-up, the menu
    // item follows, and the file keeps every byte, a later version's key too.
    void aKeptGameWaitsOrIsToldDamaged()
    {
        KeptGame g;
        g.redName = "Tulla", g.blueName = "Pelko", g.firstMover = kBlue;
        g.greaseSpots = true, g.grease = {{5, 5}};
        g.moves = {{2, 2, false, 1, 1, 1}, {3, 3, false, 2, 2, 2}, {4, 4, false, 3, 3, 3}};
        const QString waiting = "A game is waiting: Game › Continue last game (Ctrl+R)",
                      damaged = "The game kept last time could not be read.";
        // A key, its value (damaged), and what the label says then.
        const std::tuple<std::string, std::string, QString> rows[] = {
            {"", "", waiting},                                     // as it was kept
            {"Feld", "", ""},                                      // nothing kept
            {"Feld", " 99", damaged},                              // a wall size out of range
            {"Zuege", "B2:1:A1 C3:2:B2 B2:3:C3", damaged},         // a cell painted twice
            {"Zuege", "B2:1:A1 C3:2:B2 I2:3:C3", damaged},         // a move off the wall
            {"Zuege", "B2:1:A1", damaged},                         // cut off
            {"Zuege", "B2:1:A1 C3:verstopft:B2 D4:3:C3", damaged}, // a blocked squirt without the rule
            {"AmZug", "Blau", damaged},                            // the wrong side to move
            {"AmZug", "Gelb", damaged},                            // no side
            {"Spielstaerke", " 5", damaged},                       // no level
            {"Rot", "", damaged},                                  // a painter without a name
        };
        for (const auto& [key, value, said] : rows) {
            KeptKeys keys = keysOf(g);
            keys.emplace_back("Spaeter", "neu"); // a later version's key
            QString section = kQuietSettings + "\n[Partie]\n";
            for (auto& [k, v] : keys)
                section += QString::fromStdString(k + "=" + (k == key ? value : v)) + "\n";
            writeSettings(section);
            WindowRig rig;
            QCOMPARE(QString::fromStdString(rig.window().scene().comment().english()), said);
            QCOMPARE(rig.window().continueAction()->isEnabled(), said == waiting);
            rig.window().close();
            QFile file(settingsPath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), section);
        }
    }
};

QTEST_MAIN(TestPlayerRoad)
#include "test_player_road.moc"
