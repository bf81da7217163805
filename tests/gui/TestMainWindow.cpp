// The main window as a player meets it: start-up, menus, a whole game played
// with the mouse and the keyboard against the computer, the picture buttons,
// the placement kept in the settings file, and closing in the middle of a move.
#include "WindowRig.h"

#include "presentation/PictureButton.h"
#include "shell/HelpWindow.h"
#include "shell/OptionsDialog.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>

using namespace splot;
using namespace splot::gui;

namespace {

void pressKey(WindowRig& rig, Qt::Key key)
{
    QTest::keyClick(&rig.wall(), key);
}

// A press of `button` on the wall at a point in twips (fractions of a pixel kept).
void pressWall(WindowRig& rig, double xTwips, double yTwips, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF local = rig.widgetPoint(xTwips, yTwips);
    const QPointF global = rig.wall().mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(&rig.wall(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&rig.wall(), &release);
}

void clickCell(WindowRig& rig, int column, int row, Qt::MouseButton button = Qt::LeftButton)
{
    const double c = rig.painter().cellSize();
    pressWall(rig, (column - 0.5) * c, (row - 0.5) * c, button);
}

int occupied(WindowRig& rig)
{
    int n = 0;
    const int N = rig.board().wallSize;
    for (int c = 1; c <= N; ++c)
        for (int r = 1; r <= N; ++r)
            n += rig.board().cells(rig.board().index(c, r)) != kEmpty;
    return n;
}

// The dotted cursor square's top edge: how many of its pixels show the cursor green.
double cursorCoverage(WindowRig& rig, int column, int row)
{
    const int cs = rig.painter().cellSize();
    const double x0 = rig.painter().cellInset() + cs * (column - 1);
    const double y0 = rig.painter().cellInset() + cs * (row - 1);
    const QImage image = rig.wall().image();
    const QPoint a = rig.wall().imagePixel(x0, y0);
    const QPoint b = rig.wall().imagePixel(x0 + rig.painter().innerSize(), y0);
    int green = 0, all = 0;
    for (int x = a.x() + 1; x < b.x(); ++x) {
        ++all;
        bool hit = false;
        for (int dy = -1; dy <= 1; ++dy)
            hit = hit || sameRgb(image.pixelColor(x, a.y() + dy), 0, 128, 0);
        green += hit;
    }
    return all > 0 ? static_cast<double>(green) / all : 0.0;
}

// A grid line at x = i * cellSize (within a pixel), sampled near the top of each row.
bool gridColumnDrawn(WindowRig& rig, int i)
{
    const int cs = rig.painter().cellSize();
    const QImage image = rig.wall().image();
    for (int r = 1; r <= rig.board().wallSize; ++r) {
        const QPoint p = rig.wall().imagePixel(i * cs, (r - 1 + 0.03) * cs);
        bool grey = false;
        for (int dx = -1; dx <= 1; ++dx)
            grey = grey || (image.rect().contains(p.x() + dx, p.y())
                            && sameRgb(image.pixelColor(p.x() + dx, p.y()), 192, 192, 192));
        if (!grey)
            return false;
    }
    return true;
}

// Answers the next modal dialog once it is open.
template <typename Dialog, typename Fn>
void whenModalOpens(Fn fn)
{
    QTimer::singleShot(0, [fn] {
        if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            fn(d);
    });
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("splotchery"));
        quietOffscreenWarnings();
    }
    void init() { writeSettings({}); }

    // ---- Start-up --------------------------------------------------------------

    void firstStartShowsTheStoryMaximizedWithTheStartUpSound()
    {
        WindowRig rig;
        rig.start();
        MainWindow& w = rig.window();
        QCOMPARE(w.objectName(), QStringLiteral("splot"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Splotchery  1.24"));
        QVERIFY(w.isVisible());
        QVERIFY(w.isMaximized());
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 128, 0));
        QVERIFY(!w.wallVisible());
        QCOMPARE(w.characterFrame(0), 0);
        QCOMPARE(w.characterFrame(1), 9);
        QVERIFY(w.storyVisible());
        QVERIFY(rig.booth().storyBox()->toPlainText().startsWith(QStringLiteral("\nHey!")));
        QCOMPARE(rig.sound.played, std::vector<std::string>{"splot0.wav"});
        QVERIFY(!rig.booth().hintButtonVisible());   // hints are off by default
        QVERIFY(readSettings().contains(QStringLiteral("Text=0")));
        QVERIFY(!rig.state().gameRunning);

        // Restored, it would stand centred at its design size (booth area 9390 x 6345
        // twips), widened to the narrowest the booth and the buttons allow.
        const QRect normal = w.normalGeometry();
        const QRect screen = w.screen()->geometry();
        QCOMPARE(normal.height(), 423 + w.menuBar()->sizeHint().height());
        QVERIFY(normal.width() >= w.minimumWidth() && normal.width() <= 633);
        QVERIFY(std::abs(normal.center().x() - screen.center().x()) <= 3);
        QVERIFY(std::abs(normal.center().y() - screen.center().y()) <= 3);
    }

    void secondStartComesBackQuietlyWhereItWas()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));
        WindowRig rig;
        rig.start();
        MainWindow& w = rig.window();
        QVERIFY(!w.isMaximized() && !w.isMinimized());
        QVERIFY(!w.storyVisible());
        QVERIFY(rig.sound.played.empty());
        const WindowPlacement p = w.currentPlacement();
        QCOMPARE(p.windowLeft, 1500);
        QCOMPARE(p.windowTop, 1200);
        QCOMPARE(p.windowWidth, 9600);
        QCOMPARE(p.windowHeight, 6900);
        QVERIFY(rig.booth().hintButtonVisible());    // Tips= 1
    }

    void aWindowStoredLargerThanTheScreenIsMadeToFit()
    {
        writeSettings(QStringLiteral("[Einstellungen]\r\nSound= 0\r\nText=0\r\n[Window]\r\nStatus= 0\r\n"
                                     "Left= 1500\r\nTop= 1500\r\nWidth= 30000\r\nHeight= 30000\r\n"));
        WindowRig rig;
        rig.start();
        const QRect area = rig.window().screen()->availableGeometry();
        QVERIFY2(area.contains(rig.window().frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(rig.window().frameGeometry().x())
                                .arg(rig.window().frameGeometry().y())
                                .arg(rig.window().frameGeometry().width())
                                .arg(rig.window().frameGeometry().height())));
    }

    // ---- Menus -----------------------------------------------------------------

    void menusHaveTheirCaptionsAndShortcuts()
    {
        WindowRig rig;
        MainWindow& w = rig.window();
        auto texts = [](QMenu* menu) {
            QStringList out;
            for (QAction* a : menu->actions())
                out << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return out;
        };
        QCOMPARE(w.gameMenu()->title(), QStringLiteral("&Game"));
        QCOMPARE(texts(w.gameMenu()),
                 QStringList({"&Start", "&End", "Hin&t", "-", "&Options...", "-", "Sto&ry..."}));
        QCOMPARE(w.helpMenu()->title(), QStringLiteral("&Help"));
        QCOMPARE(texts(w.helpMenu()), QStringList({"&Help", "&Search", "Help &on Help", "-", "&About.."}));
        QCOMPARE(w.startAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(w.endAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        QCOMPARE(w.tipAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        QCOMPARE(w.helpAction(0)->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(w.helpAction(1)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
        QVERIFY(w.helpAction(2)->shortcut().isEmpty());
    }

    void storyAndHintMenusFollowThePhase()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));   // hints on
        WindowRig rig;
        rig.start();
        MainWindow& w = rig.window();
        QVERIFY(w.storyAction()->isEnabled());
        QVERIFY(w.tipAction()->isEnabled());           // by design, until the first game
        w.tipAction()->trigger();                      // no board yet: nothing happens
        QVERIFY(!rig.state().boardExists);

        // Ctrl+S through the window's shortcut.
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(rig.state().gameRunning);
        QVERIFY(w.wallVisible());
        QVERIFY(!w.storyAction()->isEnabled());
        QVERIFY(w.tipAction()->isEnabled());

        // Hints off: the next game disables the hint item.
        rig.settings().hintsOn = 0;
        rig.questions.answers = {true};                // "Really start a new game?"
        w.startAction()->trigger();
        QCOMPARE(rig.questions.count("Really start a new game?"), 1);
        QVERIFY(!w.tipAction()->isEnabled());

        // The story comes back once the game is decided: a draw accepted here.
        rig.game().drawAccepted();
        QVERIFY(w.storyAction()->isEnabled());
        w.storyAction()->trigger();
        QVERIFY(w.storyVisible());
        w.startAction()->trigger();                    // a decided game: no question
        QCOMPARE(rig.questions.count("Really start a new game?"), 1);
        QVERIFY(!w.storyVisible());
    }

    void hourglassDuringTheNewGameSetUpOnly()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));
        WindowRig rig;
        rig.start();
        rig.window().setPointer(Scene::Pointer::Hourglass);
        rig.window().setPointer(Scene::Pointer::Hourglass);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        rig.window().setPointer(Scene::Pointer::Normal);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        rig.window().Start_click();
        QVERIFY(rig.state().gameRunning);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // ---- A whole game ----------------------------------------------------------

    void aWholeGameWithMouseAndKeysAgainstTheComputer_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<QString>("result");
        QTest::newRow("Blue wins") << 9 << QStringLiteral("You won!  ");
        QTest::newRow("the computer wins") << 11 << QStringLiteral("Computer won!  ");
    }

    void aWholeGameWithMouseAndKeysAgainstTheComputer()
    {
        QFETCH(int, seed);
        QFETCH(QString, result);
        writeSettings(QString::fromLatin1(kQuietSettings));   // hints on, sound off
        WindowRig rig(static_cast<std::uint32_t>(seed));
        rig.start();
        MainWindow& w = rig.window();
        w.startAction()->trigger();
        QVERIFY(rig.state().gameRunning);
        QVERIFY(w.wallVisible() && w.wallEnabled());

        // The grid at 0, cellSize, ..., (N - 1) cellSize; 538 twips a cell on 8 x 8.
        QCOMPARE(rig.painter().cellSize(), 538);
        for (int i = 0; i < 8; ++i)
            QVERIFY2(gridColumnDrawn(rig, i), qPrintable(QString::number(i)));

        int humanMoves = 0;
        while (rig.state().gameOver == kFalse) {
            QVERIFY2(humanMoves < 40, "the game does not end");
            const std::string label = w.comment();
            QVERIFY2(label == "Pelko's turn" || label == "Pelko begins", label.c_str());
            QVERIFY2(cursorCoverage(rig, rig.state().cursorX, rig.state().cursorY) > 0.25, "no cursor");

            // Blue plays the first free cell in reading order, every third move
            // the cell the hint shows; with the keys or with a click.
            int tx = 0, ty = 0;
            if (humanMoves % 3 == 2) {
                w.tipAction()->trigger();
                tx = rig.state().cursorX;
                ty = rig.state().cursorY;
            } else {
                for (int r = 8; r >= 1 && tx == 0; --r)
                    for (int c = 1; c <= 8 && tx == 0; ++c)
                        if (rig.board().cells(rig.board().index(c, r)) == kEmpty)
                            tx = c, ty = r;
            }
            QCOMPARE(rig.board().cells(rig.board().index(tx, ty)), static_cast<i16>(kEmpty));
            const int before = occupied(rig);
            if (humanMoves % 2 == 0) {
                pressKey(rig, Qt::Key_Home);
                QCOMPARE(rig.state().cursorX, static_cast<i16>(1));
                for (int x = 1; x < tx; ++x)
                    pressKey(rig, Qt::Key_Right);
                for (int y = 1; y < ty; ++y)
                    pressKey(rig, Qt::Key_Down);
                QCOMPARE(rig.state().cursorX, static_cast<i16>(tx));
                QCOMPARE(rig.state().cursorY, static_cast<i16>(ty));
                pressKey(rig, humanMoves % 4 == 0 ? Qt::Key_Return : Qt::Key_Space);
            } else {
                clickCell(rig, tx, ty, humanMoves % 3 == 0 ? Qt::RightButton : Qt::LeftButton);
            }
            ++humanMoves;
            QCOMPARE(rig.board().cells(rig.board().index(tx, ty)), static_cast<i16>(kBlue));
            QVERIFY(occupied(rig) >= before + 1);
            const std::string disagreement = checkAgreement(rig);
            QVERIFY2(disagreement.empty(), disagreement.c_str());
        }

        // Decided: the label, the wall without input, the winning line in green.
        const std::string label = w.comment();
        qInfo("%d moves of Blue: %s", humanMoves, label.c_str());
        QVERIFY2(QString::fromStdString(label).startsWith(result), label.c_str());
        QVERIFY(!w.wallEnabled());
        QVERIFY(w.storyAction()->isEnabled());
        {
            bool lineFound = false;
            for (const auto& run : fiveInARow(rig.board())) {
                bool green = true;
                for (auto [c, r] : run)
                    green = green && isWinGreen(rig.cellCentreColour(c, r));
                lineFound = lineFound || green;
            }
            QVERIFY(lineFound);
        }
        // Clicks and keys after the end change nothing.
        const int after = occupied(rig);
        for (int c = 1; c <= 8; ++c)
            clickCell(rig, c, 1);
        pressKey(rig, Qt::Key_Return);
        QCOMPARE(occupied(rig), after);
        QVERIFY(rig.questions.errors.empty());
    }

    // ---- Board input -----------------------------------------------------------

    void cursorStopsAtTheEdges()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));
        WindowRig rig;
        rig.start();
        rig.window().Start_click();
        // Wait until it is Blue's turn in an empty corner region: the keys only move the cursor.
        auto at = [&](int x, int y) { return rig.state().cursorX == x && rig.state().cursorY == y; };
        pressKey(rig, Qt::Key_Home);
        for (int i = 0; i < 2; ++i)
            pressKey(rig, Qt::Key_Down);
        QVERIFY(at(1, 3));
        pressKey(rig, Qt::Key_Left);
        QVERIFY(at(1, 3));
        pressKey(rig, Qt::Key_Right);
        QVERIFY(at(2, 3));
        pressKey(rig, Qt::Key_End);
        QVERIFY(at(8, 8));
        pressKey(rig, Qt::Key_Down);
        pressKey(rig, Qt::Key_Right);
        QVERIFY(at(8, 8));
        pressKey(rig, Qt::Key_PageUp);
        QVERIFY(at(8, 1));
        pressKey(rig, Qt::Key_Up);
        QVERIFY(at(8, 1));
        pressKey(rig, Qt::Key_PageDown);
        QVERIFY(at(8, 8));
        pressKey(rig, Qt::Key_Home);
        QVERIFY(at(1, 1));
        // The square is drawn where the cursor is and erased where it was.
        QVERIFY(cursorCoverage(rig, 1, 1) > 0.25);
        QCOMPARE(cursorCoverage(rig, 8, 8), 0.0);
    }

    // The four click points of a 40-unit cell, scaled to the wall's 538-unit cells.
    void clicksNearACellsEdgeAreIgnored()
    {
        writeSettings(QString::fromLatin1(kQuietSettings)
                      + QStringLiteral("[Einstellungen]\r\nComputer= 0\r\n"));
        WindowRig rig;
        rig.start();
        rig.settings().computerPlaysRed = kFalse;   // two humans: every click that counts lands
        rig.window().Start_click();
        QCOMPARE(rig.painter().cellSize(), 538);
        const double k = 538.0 / 40.0;
        auto code = [&](int c, int r) { return static_cast<int>(rig.board().cells(rig.board().index(c, r))); };

        pressWall(rig, 41 * k, 41 * k);              // 2.5 % inside cell (2, 2)
        QCOMPARE(occupied(rig), 0);
        pressWall(rig, 79 * k, 10 * k);              // 97.5 % of cell (2, 1)
        QCOMPARE(occupied(rig), 0);
        pressWall(rig, 60 * k, 100 * k, Qt::RightButton);   // cell (2, 3)
        QCOMPARE(occupied(rig), 1);
        QVERIFY(code(2, 3) == kRed || code(2, 3) == kBlue);
        pressWall(rig, 77 * k, 10 * k, Qt::MiddleButton);   // 92.5 % of cell (2, 1)
        QCOMPARE(occupied(rig), 2);
        QVERIFY(code(2, 1) == kRed || code(2, 1) == kBlue);
        QVERIFY(code(2, 1) != code(2, 3));
        // An occupied cell plays nothing; the turn stays.
        const int player = rig.board().currentPlayer;
        pressWall(rig, 60 * k, 100 * k);
        QCOMPARE(occupied(rig), 2);
        QCOMPARE(static_cast<int>(rig.board().currentPlayer), player);
        const std::string disagreement = checkAgreement(rig);
        QVERIFY2(disagreement.empty(), disagreement.c_str());
    }

    // ---- Picture buttons -------------------------------------------------------

    void pictureButtonsRunTheirCommands()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));   // hints on
        WindowRig rig;
        rig.start();
        PictureButton* start = rig.booth().pictureButton(0);
        PictureButton* end = rig.booth().pictureButton(1);
        PictureButton* hint = rig.booth().pictureButton(2);

        // The hint before any game: pressed look, no command.
        QTest::mousePress(hint, Qt::LeftButton);
        QVERIFY(hint->pressedFlag());
        QTest::mouseRelease(hint, Qt::LeftButton);
        QVERIFY(!hint->pressedFlag());
        QVERIFY(!rig.state().boardExists);

        // Start: press, drag off, drag back, release.
        QTest::mousePress(start, Qt::RightButton);
        QMouseEvent off(QEvent::MouseMove, QPointF(-5, -5), start->mapToGlobal(QPointF(-5, -5)), Qt::NoButton,
                        Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(start, &off);
        QVERIFY(!start->pressedFlag());
        QMouseEvent back(QEvent::MouseMove, QPointF(10, 10), start->mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                         Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(start, &back);
        QVERIFY(start->pressedFlag());
        QTest::mouseRelease(start, Qt::RightButton, {}, QPoint(10, 10));
        QVERIFY(rig.state().gameRunning);

        // The hint while Blue is to move: the cursor goes to Blue's best cell.
        const int moves = occupied(rig);
        QTest::mouseClick(hint, Qt::LeftButton);
        QCOMPARE(occupied(rig), moves);
        QCOMPARE(rig.board().cells(rig.board().index(rig.state().cursorX, rig.state().cursorY)),
                 static_cast<i16>(kEmpty));

        // End asks; No keeps everything.
        rig.questions.answers = {false};
        QTest::mouseClick(end, Qt::LeftButton);
        QCOMPARE(rig.questions.asked.back().text, std::string("Really end the game?"));
        QCOMPARE(rig.questions.asked.back().title, std::string("End program"));
        QVERIFY(rig.window().isVisible());
        QCOMPARE(rig.closedCount, 0);

        // Released outside after dragging off: nothing runs.
        QTest::mousePress(end, Qt::LeftButton);
        QMouseEvent away(QEvent::MouseMove, QPointF(100, 100), end->mapToGlobal(QPointF(100, 100)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(end, &away);
        QTest::mouseRelease(end, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(static_cast<int>(rig.questions.asked.size()), 1);

        // Yes closes the window and saves the placement.
        rig.questions.answers = {true};
        QTest::mouseClick(end, Qt::LeftButton);
        QVERIFY(!rig.window().isVisible());
        QCOMPARE(rig.closedCount, 1);
        QVERIFY(readSettings().contains(QStringLiteral("Status= 0")));
    }

    // ---- The options, the help and the about box --------------------------------

    void changedOptionsStartANewGameWithoutAsking()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));
        WindowRig rig;
        rig.start();
        MainWindow& w = rig.window();
        w.Start_click();
        pressKey(rig, Qt::Key_Return);   // a splot on the wall
        QVERIFY(occupied(rig) >= 1);

        // Closed without a change: the game goes on.
        whenModalOpens<OptionsDialog>([](OptionsDialog* d) { d->okButton()->click(); });
        w.optionsAction()->trigger();
        QVERIFY(occupied(rig) >= 1);

        // The hints box unticked: a new game without the question, and no hint button.
        whenModalOpens<OptionsDialog>([](OptionsDialog* d) {
            d->hintsBox()->click();
            d->okButton()->click();
        });
        w.optionsAction()->trigger();
        QVERIFY(rig.questions.asked.empty());
        QVERIFY(!rig.booth().hintButtonVisible());
        QVERIFY(!w.tipAction()->isEnabled());
        QVERIFY(rig.state().gameRunning);
        QVERIFY(occupied(rig) <= 1);     // at most the computer's opening splot
        QVERIFY(readSettings().contains(QStringLiteral("Tips= 0")));
    }

    void helpAndAboutOpen()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));
        WindowRig rig;
        rig.start();
        MainWindow& w = rig.window();
        w.helpAction(1)->trigger();
        QVERIFY(w.helpWindow() && w.helpWindow()->isVisible());
        QVERIFY(w.helpWindow()->searchPanel()->isVisible());
        w.aboutAction()->trigger();    // closes by itself
        QCOMPARE(w.windowTitle(), QStringLiteral("Splotchery  1.24"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        w.close();
        QVERIFY(!w.helpWindow()->isVisible());
    }

    // ---- Placement ---------------------------------------------------------------

    void placementIsSavedOnResizeAndClose()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));
        WindowRig rig;
        rig.start();
        MainWindow& w = rig.window();
        writeSettings(QStringLiteral("[Window]\r\nStatus= 7\r\n"));
        w.resize(700, 500);
        QVERIFY(readSettings().contains(QStringLiteral("Status= 0")));

        // Never narrower than the booth and the buttons (9485 twips outer).
        w.resize(300, 500);
        QVERIFY(w.frameGeometry().width() * kTwipsPerPixel >= 9485);
        const LayoutPlacement& lay = rig.booth().placement();
        QVERIFY(lay.buttonsLeft > lay.booth.left + lay.booth.width);

        w.close();
        const QString text = readSettings();
        const WindowPlacement p = w.currentPlacement();
        QVERIFY(text.contains(QStringLiteral("Width= %1").arg(p.windowWidth)));
        QVERIFY2(text.contains(QStringLiteral("Height= %1").arg(p.windowHeight)), qPrintable(text));
        QCOMPARE(p.windowHeight, (500 + w.frameGeometry().height() - w.height()) * kTwipsPerPixel);
        QVERIFY(text.contains(QStringLiteral("Left= %1").arg(p.windowLeft)));
        QVERIFY(text.contains(QStringLiteral("Status= 0")));
    }

    void maximizedCloseKeepsTheLastNormalPlacement()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));
        WindowRig rig;
        rig.start();
        rig.window().showMaximized();
        QCoreApplication::processEvents();
        QVERIFY(readSettings().contains(QStringLiteral("Status= 2")));
        rig.window().close();
        const QString text = readSettings();
        QVERIFY(text.contains(QStringLiteral("Status= 2")));
        QVERIFY(text.contains(QStringLiteral("Width= 9600")));
    }

    // ---- Screen readers -----------------------------------------------------------

    void controlsAreNamedAndTheWallDescribesItsCursor()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));
        WindowRig rig;
        rig.start();
        MainWindow& w = rig.window();
        w.Start_click();
        for (QWidget* child : w.findChildren<QWidget*>()) {
            if (!child->isVisible() || child->parentWidget() == nullptr)
                continue;
            const bool control = child->inherits("splot::PictureWidget") || child->inherits("splot::PictureButton")
                || child->inherits("splot::WallView") || child->inherits("QLabel")
                || child->inherits("QPlainTextEdit") || child->inherits("QMenuBar");
            if (!control)
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(child);
            QVERIFY(a);
            QVERIFY2(!a->text(QAccessible::Name).isEmpty(), child->metaObject()->className());
        }
        // The label's name is what it says; the wall tells the cursor cell.
        QCOMPARE(rig.booth().commentLabel()->accessibleName(), QString::fromStdString(w.comment()));
        pressKey(rig, Qt::Key_Home);
        QVERIFY2(rig.wall().accessibleDescription().contains(QStringLiteral("1")),
                 qPrintable(rig.wall().accessibleDescription()));
        const QString before = rig.wall().accessibleDescription();
        pressKey(rig, Qt::Key_End);
        QVERIFY(rig.wall().accessibleDescription() != before);
    }

    // ---- Closing in the middle of a move -------------------------------------------

    void closingDuringAMoveEndsAtOnce()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));
        WindowRig rig;
        rig.start();
        rig.window().Start_click();
        int eventsAfterClose = 0;
        bool closedHere = false;
        rig.clock.onEvents = [&] {
            if (closedHere) {
                ++eventsAfterClose;
                return;
            }
            closedHere = true;
            rig.window().close();   // by the frame: no question
        };
        const int opsBefore = rig.wall().operationCount();
        rig.window().Tip_click();         // onto a free cell
        pressKey(rig, Qt::Key_Return);    // the squirt sequence lets events run
        QVERIFY2(closedHere, qPrintable(QString::fromStdString(rig.window().comment()) + " "
                                        + QString::number(rig.clock.events)));
        QCOMPARE(rig.closedCount, 1);
        QVERIFY(rig.game().abandoned());
        QCOMPARE(eventsAfterClose, 0);
        QVERIFY(rig.questions.asked.empty());
        QVERIFY(rig.questions.errors.empty());
        QVERIFY(readSettings().contains(QStringLiteral("Left= 1500")));
        // Nothing more is drawn, and commands after the close do nothing.
        const int ops = rig.wall().operationCount();
        rig.window().Start_click();
        QCOMPARE(rig.wall().operationCount(), ops);
        Q_UNUSED(opsBefore);
    }

    void endInTheMiddleOfAMoveAsksAndEnds()
    {
        writeSettings(QString::fromLatin1(kQuietSettings));
        WindowRig rig;
        rig.start();
        rig.window().Start_click();
        rig.window().Tip_click();
        bool asked = false;
        int eventsAfter = 0;
        rig.clock.onEvents = [&] {
            if (asked) {
                ++eventsAfter;
                return;
            }
            asked = true;
            rig.questions.answers = {true};
            rig.window().endAction()->trigger();   // the question comes at once
        };
        pressKey(rig, Qt::Key_Space);
        QVERIFY(asked);
        QCOMPARE(rig.questions.count("Really end the game?"), 1);
        QCOMPARE(rig.closedCount, 1);
        QVERIFY(rig.game().abandoned());
        QCOMPARE(eventsAfter, 0);
        QVERIFY(rig.questions.errors.empty());
        QVERIFY(readSettings().contains(QStringLiteral("Status= 0")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
