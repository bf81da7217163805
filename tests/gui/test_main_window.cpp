// The real main window as a player meets it: the first and a later start with the placement kept,
// options changed during a game, the board input at every zoom, closing in mid-move, the wall for screen
// readers and the record.
#include "shell/RecordDialog.h"
#include "tests/gui/WindowRig.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;
using namespace splot::testing;

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("splotchery")); }
    void init() { writeSettings(kQuietSettings); }

    void firstStartShowsTheStoryMaximized()
    {
        writeSettings({});
        WindowRig rig;
        MainWindow& w = rig.window();
        QVERIFY(w.isMaximized() && w.scene().storyVisible() && !w.scene().wallVisible() &&
                settingsHave("Text=0"));
        QCOMPARE(rig.sound.played, std::vector<std::string>{"splot0.wav"});
        // Restored, it stands centred at its design size, widened to what the booth and buttons need.
        const QRect g = w.normalGeometry(), screen = w.screen()->geometry();
        QVERIFY(g.height() == 423 + w.menuBar()->sizeHint().height() && g.width() <= 633);
        QVERIFY(g.width() >= w.minimumWidth() && (g.center() - screen.center()).manhattanLength() <= 6);
    }

    // A second start: where it was, without story or sound; never narrower than the booth and the
    // buttons; closed maximized, it keeps the stored placement; a placement larger than the screen
    // is made to fit.
    void placementIsKeptFromStartToStart()
    {
        WindowRig rig;
        MainWindow& w = rig.window();
        QVERIFY(!w.isMaximized() && !w.scene().storyVisible() && rig.sound.played.empty());
        w.showMaximized();
        w.close();
        QVERIFY(settingsHave("Status= 2") && settingsHave("Width= 9600"));

        writeSettings(QString(kQuietSettings).replace("= 9600", "= 30000").replace("= 6900", "= 30000"));
        WindowRig tooLarge;
        QVERIFY(tooLarge.window().screen()->availableGeometry().contains(tooLarge.window().frameGeometry()));
    }

    // During a game with splots on the wall: the hint command and button follow the hints choice at
    // once, the story stays greyed; every change (the hints off, on, then a bigger wall) asks before
    // the game is given up, and on No it goes on as it was. The wall has the keys again after each.
    void optionsChangedDuringAGame()
    {
        WindowRig rig; // hints on
        MainWindow& w = rig.window();
        OptionsDialog& d = *w.optionsDialog();
        QVERIFY(rig.activate());
        w.start_Click();
        rig.key(Qt::Key_Return); // a splot on the wall
        const int moves = rig.state().moveCount;
        for (int k = 0; k < 3; ++k) {
            QTimer::singleShot(0, [&d, k] {
                k < 2 ? d.hintsBox()->click() : QTest::keyClick(d.plusMinus(), Qt::Key_Plus);
                QTest::keyClick(&d, Qt::Key_Escape);
            });
            w.optionsAction()->trigger();
            QTRY_COMPARE(QApplication::focusWidget(), &rig.wall());
            QVERIFY(w.tipAction()->isEnabled() == (k > 0) && w.booth()->hintButtonVisible() == (k > 0) &&
                    !w.storyAction()->isEnabled());
        }
        QCOMPARE(rig.questions.count("Really start a new game?"), 3);
        QVERIFY(moves > 0 && rig.state().moveCount == moves && rig.game().board().wallSize == 8);
    }

    // The cursor is erased where it was. Zoom with window: off at first; turned on from the Game menu
    // it is kept and grows the scene with the window; at every zoom a click within 5 % of a cell's
    // edge is ignored, any button elsewhere in a free cell plays it.
    void boardInputByKeysAndClicksAtEveryZoom()
    {
        WindowRig first;
        MainWindow& w = first.window();
        const int menuHeight = w.height() - w.booth()->height();
        w.resize(1252, 846 + menuHeight);
        QCOMPARE(w.booth()->zoom(), 1.0); // off: nothing grows
        w.zoomAction()->trigger();
        QVERIFY(settingsHave("[Ansicht]") && settingsHave("Zoom= 1") && w.booth()->zoom() == 2.0);
        w.close();

        WindowRig rig; // kept for the next start
        QVERIFY(rig.window().zoomAction()->isChecked() && rig.window().booth()->zoomWithWindow());
        rig.program->settings().computerPlaysRed = kFalse; // two humans: every click that counts lands
        rig.window().start_Click();
        rig.key(Qt::Key_End);
        rig.key(Qt::Key_Home);
        QVERIFY(rig.cursor() == QPoint(1, 1) && rig.cursorCoverage({1, 1}) > 0.25);
        QCOMPARE(rig.cursorCoverage({8, 8}), 0.0); // erased where it was
        const double k = 538.0 / 40.0;
        for (auto [zoom, row] : {std::pair{1.0, 0}, {1.5, 3}, {2.0, 5}}) { // column 2, rows row + 1 and + 2
            rig.window().resize(int(std::ceil(626 * zoom)), int(std::ceil(423 * zoom)) + menuHeight);
            QCOMPARE(rig.wall().zoom(), zoom);
            const int moves = rig.state().moveCount;
            rig.press(41 * k, (41 + 40 * row) * k); // 2.5 % into cell (2, row + 2)
            rig.press(79 * k, (10 + 40 * row) * k); // 97.5 % across cell (2, row + 1)
            QCOMPARE(rig.state().moveCount, moves);
            rig.press(43 * k, (43 + 40 * row) * k, Qt::RightButton);  // 7.5 % into cell (2, row + 2)
            rig.press(77 * k, (10 + 40 * row) * k, Qt::MiddleButton); // 92.5 % across cell (2, row + 1)
            QVERIFY(rig.state().moveCount == moves + 2 && rig.code(2, 2 + row) != kEmpty &&
                    rig.code(2, 1 + row) != kEmpty);
            QCOMPARE(disagreement(rig), QString());
        }
        rig.window().zoomAction()->trigger();
        QVERIFY(settingsHave("Zoom= 0") && !rig.window().booth()->zoomWithWindow());
    }

    // Closed by End answered Yes in the middle of a move: the settings are written, no event runs
    // after the close, and later commands and closes do nothing.
    void closingInTheMiddleOfAMoveEndsCleanly()
    {
        WindowRig rig;
        rig.window().start_Click();
        rig.window().tip_Click(); // the cursor onto a free cell
        int events = 0;
        rig.clock.onEvents = [&] {
            rig.questions.answers = {true};
            if (events++ == 0)
                rig.window().endAction()->trigger();
        };
        writeSettings({});
        rig.key(Qt::Key_Return); // the squirt lets events run
        QVERIFY(events == 1 && rig.closedCount == 1 && rig.game().abandoned() && settingsHave("Left= 1500"));
        const int ops = rig.wall().operationCount();
        rig.window().start_Click();
        rig.window().close();
        QVERIFY(rig.wall().operationCount() == ops && rig.closedCount == 1 && rig.questions.errors.empty());
    }

    // For screen readers the wall is a table of N x N named cells, made anew when its size changes;
    // while it has the keyboard focus the focus follows the cursor: Home, Right, Down, a move with
    // Enter (the computer's reply is told), a refused one on the computer's splot, and Up.
    void theWallIsATableForScreenReaders()
    {
        WindowRig rig; // 8 x 8 against the computer
        QVERIFY(rig.activate());
        // The label that says what happens is a notification from the start: Orca keeps the role it
        // read first and would never speak a label that became one.
        const auto* label = QAccessible::queryAccessibleInterface(rig.window().booth()->commentLabel());
        QCOMPARE(label->role(), QAccessible::Notification);
        rig.window().start_Click();
        QTRY_VERIFY(rig.wall().hasFocus());
        QCoreApplication::processEvents(); // the cell told after the wall's own focus event
        QAccessibleInterface* wall = QAccessible::queryAccessibleInterface(&rig.wall());
        QAccessibleTableInterface* table = wall->tableInterface();
        QVERIFY(table && wall->role() == QAccessible::Table && wall->childCount() == 64);
        QCOMPARE(std::pair(table->rowCount(), table->columnCount()), std::pair(8, 8));
        QCOMPARE(wall->text(QAccessible::Name), QStringLiteral("Wall, 8 by 8"));
        // A cell asked for before the wall shrinks: the cells must be made anew all the same.
        QCOMPARE(table->cellAt(2, 2)->text(QAccessible::Name), QStringLiteral("C3, empty"));

        QSignalSpy told(&rig.wall(), &WallView::cellTold);
        for (const Qt::Key k :
             {Qt::Key_Home, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Return, Qt::Key_Up})
            rig.type(k);
        QList<int> cells;
        for (const QList<QVariant>& signal : told)
            cells << signal.at(0).toInt();
        const GameState& s = rig.state();
        const int reply = (s.lastRow[kRed] - 1) * 8 + s.lastColumn[kRed] - 1;
        QCOMPARE(cells, QList<int>({0, 1, 9, reply, reply, reply >= 8 ? reply - 8 : reply}));

        rig.program->settings().wallSize = 6;
        rig.game().restartWithoutAsking();
        QCOMPARE(std::pair(table->rowCount(), wall->childCount()), std::pair(6, 36));
        QCOMPARE(wall->child(18)->text(QAccessible::Name), QStringLiteral("A4, empty"));
    }

    // The record is read from the settings file; its dialog's Reset asks first: No keeps the counts,
    // Yes zeroes them.
    void theRecordIsReadAndResets()
    {
        writeSettings(kQuietSettings + "\n[Statistik]\nVerloren1= 4\nGewonnen1=-2\n");
        WindowRig rig;
        rig.questions.answers = {false, true};
        QString shown;
        QTimer::singleShot(0, [&] {
            RecordDialog* d = rig.window().recordDialog();
            shown = d->countLabel(1, 1)->text();
            for (int k = 0; k < 2; ++k) {
                d->resetButton()->click();
                shown += "," + d->countLabel(1, 1)->text();
            }
            d->okButton()->click();
        });
        rig.window().recordAction()->trigger();
        QCOMPARE(shown, QStringLiteral("4,4,0"));
        QCOMPARE(rig.questions.count("Really reset the record?"), 2);
        QVERIFY(rig.window().record() == GameRecord{} && settingsHave("Verloren1= 0"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
