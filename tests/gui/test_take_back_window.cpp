// Take back and the record in the real main window, on platform doubles and a
// settings file in the test's own folder: Ctrl+Z brings the wall's picture back
// pixel for pixel, the menu item is greyed while it cannot be used, a Ctrl+Z
// during a move is dropped, and the record counts, survives a restart and resets.
#include "shell/RecordDialog.h"
#include "tests/gui/WindowRig.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;
using namespace splot::testing;

namespace {

// A quiet start with the rules that draw most: grease spots and the blocked nozzle.
const QByteArray kSettings =
    "[Einstellungen]\r\nSound= 0\r\nText=0\r\nFettflecken= 1\r\nDüse_verstopft= 1\r\n"
    "[Window]\r\nStatus= 0\r\nLeft= 1500\r\nTop= 1200\r\nWidth= 9600\r\nHeight= 6900\r\n";
void writeSettings(const QByteArray& text)
{
    testing::writeSettings(QString::fromUtf8(text));
}

// Whether a splot covers part of the cursor's outline (red on its top or bottom edge).
bool splotOnCursor(WindowRig& rig)
{
    const QImage image = rig.wall().image();
    const WallPainter& p = rig.program->painter();
    const double left = p.cellInset() + p.cellSize() * (rig.state().cursorX - 1.0);
    const double top = p.cellInset() + p.cellSize() * (rig.state().cursorY - 1.0);
    for (double x = left; x <= left + p.innerSize(); x += kTwipsPerPixel / 2.0)
        for (const double y : {top, top + p.innerSize()})
            if ((image.pixel(rig.wall().imagePixel(x, y)) & 0xffffff) == 0xff0000)
                return true;
    return false;
}

} // namespace

class TestTakeBackWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("splotchery")); }
    void init() { writeSettings(kSettings); }

    void ctrlZBringsThePictureBackPixelForPixel()
    {
        // Blue begins at the screen's ratio; the computer begins at twice it, in a
        // zoomed booth, its first splot covering part of the cursor (which a click
        // leaves as it is).
        for (const bool computerBegins : {false, true}) {
            std::unique_ptr<WindowRig> game;
            auto wanted = [&] {
                return game && (computerBegins ? game->game().state().moveCount == 1 && splotOnCursor(*game)
                                               : game->game().state().moveCount == 0);
            };
            for (std::uint32_t seed = 11; !wanted(); ++seed) {
                game = std::make_unique<WindowRig>(seed);
                QVERIFY(game->activate());
                game->wall().setPixelRatioOverride(computerBegins ? 2 : 1);
                if (computerBegins) { // and the booth zoomed with a larger window
                    MainWindow& w = game->window();
                    w.booth()->setZoomWithWindow(true);
                    w.resize(939, 635 + w.height() - w.booth()->height());
                    QVERIFY(game->wall().zoom() > 1.4);
                }
                QVERIFY(!game->window().takeBackAction()->isEnabled()); // no game yet
                game->window().startAction()->trigger();
                QVERIFY(!game->window().takeBackAction()->isEnabled()); // no move yet
            }
            WindowRig& rig = *game;
            // Moves from the keyboard, walking the cursor between them, and clicks,
            // which leave the cursor where the computer squirted; the picture before each.
            std::vector<WindowRig::Shot> before;
            const Qt::Key walk[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_PageUp};
            StdRandom pick(3);
            for (int k = 0; rig.game().state().gameRunning && k < 60; ++k) {
                const bool byMouse = k % 2 == 0;
                int c = 1 + int(pick.Rnd() * 8), r = 1 + int(pick.Rnd() * 8);
                if (!byMouse)
                    QTest::keyClick(&rig.wall(), walk[c % 5]), c = rig.game().state().cursorX,
                                                               r = rig.game().state().cursorY;
                if (rig.game().board().cells(rig.game().board().index(c, r)) != kEmpty)
                    continue;
                before.push_back(rig.shot());
                byMouse ? rig.press((c - 0.5) * rig.cellSize(), (r - 0.5) * rig.cellSize())
                        : rig.type(Qt::Key_Return);
                QVERIFY(rig.window().takeBackAction()->isEnabled());
            }
            // Random clicks lose soon: the first take back is one after a decided game.
            QVERIFY(before.size() >= 4 && rig.game().state().gameOver);
            while (!before.empty()) {
                rig.type(Qt::Key_Z, Qt::ControlModifier);
                QVERIFY2(rig.shot() == before.back(), qPrintable(QString::number(before.size())));
                before.pop_back();
            }
            QVERIFY(!rig.window().takeBackAction()->isEnabled() && rig.game().takeBackDepth() == 0);
        }
    }

    void aCtrlZDuringAMoveIsDroppedAndTheItemGreyed()
    {
        WindowRig rig(12);
        QVERIFY(rig.activate());
        rig.window().startAction()->trigger();
        rig.type(Qt::Key_Return);
        const std::size_t depth = rig.game().takeBackDepth();
        std::vector<bool> offered;
        rig.clock.onEvents = [&] {
            offered.push_back(rig.window().takeBackAction()->isEnabled());
            rig.type(Qt::Key_Z, Qt::ControlModifier);
        };
        QTest::keyClick(&rig.wall(), Qt::Key_Right);
        rig.type(Qt::Key_Return);
        rig.clock.onEvents = {};
        QVERIFY(!offered.empty() && std::ranges::count(offered, true) == 0);
        QCOMPARE(rig.game().takeBackDepth(), depth + 1);
        QVERIFY(rig.window().takeBackAction()->isEnabled() && rig.game().heldCommands() == 0);
    }

    void theRecordCountsSurvivesARestartAndResets()
    {
        writeSettings(kSettings + "[Statistik]\r\nVerloren1= 4\r\nGewonnen1=-2\r\n");
        GameRecord expected;
        {
            WindowRig rig(13);
            QVERIFY(rig.activate());
            expected.lost[1] = 4;
            QVERIFY(rig.window().record() == expected);
            rig.window().startAction()->trigger();
            // Random cells until the beginner has won (or the wall is full).
            StdRandom pick(5);
            for (int tries = 0; rig.game().state().gameRunning && tries < 5000; ++tries)
                rig.game().Feld_Auswahl(1 + int(pick.Rnd() * 8), 1 + int(pick.Rnd() * 8));
            const bool lost = rig.window().scene().comment().starts_with("Computer won!");
            (lost                                                     ? expected.lost[1]
             : rig.window().scene().comment().starts_with("You won!") ? expected.won[1]
                                                                      : expected.drawn[1])++;
            QVERIFY(rig.window().record() == expected);
            // Taken back, then the same cells again: still counted once.
            rig.type(Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(rig.game().state().gameRunning && rig.window().record().lost[1] == 4);
            rig.window().close();
        }
        QVERIFY(settingsText().startsWith(kSettings + "[Statistik]\r\nVerloren1= 4\r\nGewonnen1=-2\r\n"));
        WindowRig restarted(14);
        QVERIFY(restarted.activate());
        expected = GameRecord{};
        expected.lost[1] = 4;
        QVERIFY(restarted.window().record() == expected); // the taken-back game did not count

        // The dialog shows the counts; Reset asks first, No keeps them, Yes zeroes them.
        restarted.questions.answers = {false, true};
        QString shown;
        QTimer::singleShot(0, [&] {
            RecordDialog* d = restarted.window().recordDialog();
            QVERIFY(d && d->isVisible());
            shown = d->countLabel(1, 1)->text();
            d->resetButton()->click();
            shown += "," + d->countLabel(1, 1)->text();
            d->resetButton()->click();
            shown += "," + d->countLabel(1, 1)->text();
            d->okButton()->click();
        });
        restarted.window().recordAction()->trigger();
        QCOMPARE(shown, QStringLiteral("4,4,0"));
        QCOMPARE(restarted.questions.count("Really reset the record?"), 2);
        QVERIFY(restarted.window().record() == GameRecord{});
        QVERIFY(settingsText().contains("\r\nVerloren1= 0\r\n") && settingsText().startsWith(kSettings));
    }
};

QTEST_MAIN(TestTakeBackWindow)
#include "test_take_back_window.moc"
