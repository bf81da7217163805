// The real main window as a player meets it, on platform doubles (virtual time,
// a seeded generator, recorded sounds, scripted answers) and a settings file in
// the test's own folder: the first and a later start, a whole game with mouse
// and keys against the computer, the board input, menus, picture buttons, the
// placement kept, closing in mid-move, and a seeded soak of random input.
#include "doubles/FakeClock.h"
#include "doubles/RecordingSound.h"
#include "doubles/ScriptedQuestions.h"
#include "flow/Game.h"
#include "platform/StdRandom.h"
#include "presentation/BoothView.h"
#include "presentation/PictureButton.h"
#include "presentation/WallPainter.h"
#include "presentation/WallView.h"
#include "shell/MainProgram.h"
#include "shell/MainWindow.h"
#include "shell/OptionsDialog.h"
#include "shell/SettingsStore.h"

#include <QtTest>
#include <QtWidgets>

#include <random>

using namespace splot;

namespace {

QString settingsPath() { return QString::fromStdString(SettingsStore::defaultFilePath()); }
// The settings file holds `text` ("" removes it).
void writeSettings(const QString& text)
{
    QFile::remove(settingsPath());
    QDir().mkpath(QFileInfo(settingsPath()).absolutePath());
    QFile file(settingsPath());
    if (!text.isEmpty() && file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}
bool settingsHave(const QString& line)
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()).contains(line);
}

// A quiet second start: a normal window at a known place, no story, sound off, hints on.
const QString kQuietSettings = QStringLiteral("[Einstellungen]\r\nSound= 0\r\nText=0\r\nTips= 1\r\n[Window]\r\n"
                                              "Status= 0\r\nLeft= 1500\r\nTop= 1200\r\nWidth= 9600\r\nHeight= 6900\r\n");

struct WindowRig {
    explicit WindowRig(std::uint32_t seed = 7) : random(seed)
    {
        program = std::make_unique<MainProgram>(clock, random, sound, questions, std::make_unique<SettingsStore>());
        window().setAboutBoxInterval(0);
        window().setOnClosed([this] { ++closedCount; });
        program->start();
    }

    MainWindow& window() { return program->window(); }
    Game& game() { return program->game(); }
    GameState& state() { return game().state(); }
    WallView& wall() { return *window().booth()->wall(); }
    int cellSize() { return program->painter().cellSize(); }
    QPoint cursor() { return {state().cursorX, state().cursorY}; }
    int code(int c, int r) { return game().board().cells(game().board().index(c, r)); }
    int splots()
    {
        int n = 0, N = game().board().wallSize;
        for (int i = 0; i < N * N; ++i)
            n += code(i % N + 1, i / N + 1) <= kBlue;
        return n;
    }

    // A press and release of `button` on the wall at a point in twips.
    void press(double x, double y, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPointF p(x / kTwipsPerPixel, y / kTwipsPerPixel);
        QMouseEvent down(QEvent::MouseButtonPress, p, wall().mapToGlobal(p), button, button, Qt::NoModifier);
        QMouseEvent up(QEvent::MouseButtonRelease, p, wall().mapToGlobal(p), button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&wall(), &down);
        QApplication::sendEvent(&wall(), &up);
    }
    void clickCell(QPoint cell, Qt::MouseButton b) { press((cell.x() - 0.5) * cellSize(), (cell.y() - 0.5) * cellSize(), b); }
    void key(Qt::Key k) { QTest::keyClick(&wall(), k); }

    // The backing image's RGB at a wall point in twips, and whether it shows `rgb` within a pixel of it.
    QRgb colourAt(double x, double y)
    {
        const QImage image = wall().image();
        const QPoint p = wall().imagePixel(x, y);
        return image.rect().contains(p) ? image.pixel(p) & 0xffffff : ~0u;
    }
    bool showsNear(double x, double y, QRgb rgb)
    {
        bool seen = false;
        for (int k = 0; k < 9; ++k)
            seen = seen || colourAt(x + (k % 3 - 1) * kTwipsPerPixel, y + (k / 3 - 1) * kTwipsPerPixel) == rgb;
        return seen;
    }
    // How much of the dotted cursor square's top edge shows at a cell.
    double cursorCoverage(QPoint cell)
    {
        const WallPainter& p = program->painter();
        int hits = 0;
        for (int k = 1; k < 20; ++k)
            hits += showsNear(p.cellInset() + cellSize() * (cell.x() - 1) + k * p.innerSize() / 20.0,
                              p.cellInset() + cellSize() * (cell.y() - 1), 0x008000);
        return hits / 19.0;
    }

    doubles::FakeClock clock;
    StdRandom random;
    doubles::RecordingSound sound;
    doubles::ScriptedQuestions questions;
    std::unique_ptr<MainProgram> program;
    int closedCount = 0;
};

// The board, the drawn wall (splot colours, the green winning line) and the label agree: "" or what disagrees.
std::string disagreement(WindowRig& rig)
{
    const GameState& s = rig.state();
    const int N = s.boardExists ? rig.game().board().wallSize : 0;
    int greens = 0;
    for (int i = 0; i < N * N; ++i) {
        const int code = rig.code(i % N + 1, i / N + 1);
        const QRgb shown = rig.colourAt((i % N + 0.5) * rig.cellSize(), (i / N + 0.5) * rig.cellSize());
        const bool green = s.gameOver != kFalse && code <= kBlue && shown == 0x00ff00;
        greens += green;
        // A grease spot's drops need not cover the centre: yellow, white or between.
        if (!green && shown != (code == kRed ? 0xff0000 : code == kBlue ? 0x0000ff : 0xffffff)
            && (code != kGrease || (shown & 0xffff00) != 0xffff00))
            return "cell " + std::to_string(i % N + 1) + "," + std::to_string(i / N + 1) + " shows the wrong colour";
    }
    const QString label = QString::fromStdString(rig.window().comment());
    if (N > 0 && rig.splots() != s.moveCount + (greens >= 5))  // the winning splot is not counted
        return "splots " + std::to_string(rig.splots()) + ", moveCount " + std::to_string(s.moveCount);
    if (N > 0 && (s.gameRunning || s.gameOver != kFalse) && rig.window().wallEnabled() != s.gameRunning)
        return "the wall takes input only while a game runs";
    if (s.gameOver != kFalse ? !(label.contains("won!") ? greens >= 5 : greens == 0 && label.contains("draw"))
                             : s.gameRunning && !label.endsWith("'s turn") && !label.endsWith(" begins"))
        return "the label reads \"" + label.toStdString() + "\" with " + std::to_string(greens) + " green cells";
    return {};
}

} // namespace

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
        QCOMPARE(w.windowTitle(), QStringLiteral("Splotchery  1.24"));  // set by the about box
        QVERIFY(w.isMaximized() && w.storyVisible() && !w.wallVisible() && settingsHave("Text=0"));
        QCOMPARE(rig.sound.played, std::vector<std::string>{"splot0.wav"});
        // Restored, it stands centred at its design size, widened to what the booth and buttons need.
        const QRect normal = w.normalGeometry();
        QCOMPARE(normal.height(), 423 + w.menuBar()->sizeHint().height());
        QVERIFY(normal.width() >= w.minimumWidth() && normal.width() <= 633);
        QVERIFY((normal.center() - w.screen()->geometry().center()).manhattanLength() <= 6);
    }

    void secondStartComesBackQuietlyWhereItWas()
    {
        WindowRig rig;
        const WindowPlacement p = rig.window().currentPlacement();
        QVERIFY(!rig.window().isMaximized() && !rig.window().storyVisible() && rig.sound.played.empty());
        QCOMPARE(QList<int>({p.windowLeft, p.windowTop, p.windowWidth, p.windowHeight}), QList<int>({1500, 1200, 9600, 6900}));
    }

    void aWindowStoredLargerThanTheScreenIsMadeToFit()
    {
        writeSettings(QString(kQuietSettings).replace("= 9600", "= 30000").replace("= 6900", "= 30000"));
        WindowRig rig;
        QVERIFY(rig.window().screen()->availableGeometry().contains(rig.window().frameGeometry()));
    }

    void menusFollowThePhase()
    {
        WindowRig rig;  // hints on
        MainWindow& w = rig.window();
        QApplication::setActiveWindow(&w);
        QVERIFY(w.storyAction()->isEnabled() && QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);  // Start by its shortcut
        QVERIFY(rig.state().gameRunning && !w.storyAction()->isEnabled() && w.tipAction()->isEnabled());
        rig.program->settings().hintsOn = 0;  // the next game has no hint
        rig.questions.answers = {true};
        w.startAction()->trigger();
        QVERIFY(!w.tipAction()->isEnabled() && !w.storyAction()->isEnabled());
        rig.game().drawAccepted();  // decided: the story is back, a new game needs no question
        w.storyAction()->trigger();
        QVERIFY(w.storyVisible());
        w.startAction()->trigger();
        QVERIFY(!w.storyVisible() && rig.state().gameRunning);
        QCOMPARE(rig.questions.count("Really start a new game?"), 1);
    }

    void aWholeGameWithMouseAndKeys()
    {
        for (auto [seed, result] : {std::pair{9u, "You won!  "}, {11u, "Computer won!  "}}) {
            WindowRig rig(seed);
            MainWindow& w = rig.window();
            w.startAction()->trigger();
            QCOMPARE(rig.cellSize(), 538);  // 8 x 8
            for (int i = 0; i < 64; ++i)    // the grid lines at 0, cellSize, ... near the top of each row
                QVERIFY(rig.showsNear(i % 8 * 538, (i / 8 + 0.1) * 538, 0xc0c0c0));
            for (int moves = 0; rig.state().gameOver == kFalse; ++moves) {
                QVERIFY2(moves < 40, "the game does not end");
                QVERIFY2(w.comment() == "Pelko's turn" || w.comment() == "Pelko begins", w.comment().c_str());
                QVERIFY(rig.cursorCoverage(rig.cursor()) > 0.25);
                // Blue plays the first free cell from the bottom row up, every third move the hinted one.
                QPoint target;
                if (moves % 3 == 2)
                    w.tipAction()->trigger(), target = rig.cursor();
                for (int i = 63; i >= 0 && target.isNull(); --i)
                    target = rig.code(8 - i % 8, i / 8 + 1) == kEmpty ? QPoint(8 - i % 8, i / 8 + 1) : QPoint();
                QCOMPARE(rig.code(target.x(), target.y()), int(kEmpty));
                if (moves % 2 == 0) {
                    rig.key(Qt::Key_Home);
                    for (int k = 2; k < target.x() + target.y(); ++k)
                        rig.key(k <= target.x() ? Qt::Key_Right : Qt::Key_Down);
                    QCOMPARE(rig.cursor(), target);
                    rig.key(moves % 4 == 0 ? Qt::Key_Return : Qt::Key_Space);
                } else {
                    rig.clickCell(target, moves % 3 == 0 ? Qt::RightButton : Qt::LeftButton);
                }
                QCOMPARE(rig.code(target.x(), target.y()), int(kBlue));
                QCOMPARE(QString::fromStdString(disagreement(rig)), QString());
            }
            QVERIFY2(QString::fromStdString(w.comment()).startsWith(result), w.comment().c_str());
        }
    }

    void cursorStopsAtTheEdges()
    {
        WindowRig rig;
        rig.window().Start_click();
        const std::pair<Qt::Key, QPoint> steps[] = {
            {Qt::Key_Home, {1, 1}}, {Qt::Key_Down, {1, 2}}, {Qt::Key_Left, {1, 2}}, {Qt::Key_Right, {2, 2}},
            {Qt::Key_End, {8, 8}}, {Qt::Key_Down, {8, 8}}, {Qt::Key_Right, {8, 8}}, {Qt::Key_PageUp, {8, 1}},
            {Qt::Key_Up, {8, 1}}, {Qt::Key_PageDown, {8, 8}}, {Qt::Key_Home, {1, 1}}, {Qt::Key_Up, {1, 1}}};
        for (auto [key, at] : steps) {
            rig.key(key);
            QCOMPARE(rig.cursor(), at);
        }
        QVERIFY(rig.cursorCoverage({1, 1}) > 0.25);
        QCOMPARE(rig.cursorCoverage({8, 8}), 0.0);  // erased where it was
    }

    // The four click points of a 40-unit cell, scaled to the wall's 538-unit cells.
    void clicksNearACellsEdgeAreIgnored()
    {
        WindowRig rig;
        rig.program->settings().computerPlaysRed = kFalse;  // two humans: every click that counts lands
        rig.window().Start_click();
        const double k = 538.0 / 40.0;
        rig.press(41 * k, 41 * k);  // 2.5 % into cell (2, 2)
        rig.press(79 * k, 10 * k);  // 97.5 % across cell (2, 1)
        QCOMPARE(rig.splots(), 0);
        rig.press(60 * k, 100 * k, Qt::RightButton);  // cell (2, 3)
        rig.press(77 * k, 10 * k, Qt::MiddleButton);  // 92.5 % across cell (2, 1)
        QVERIFY(rig.splots() == 2 && rig.code(2, 3) != kEmpty && rig.code(2, 1) != kEmpty);
        const int player = rig.game().board().currentPlayer;
        rig.press(60 * k, 100 * k);  // an occupied cell: nothing, the turn stays
        QVERIFY(rig.splots() == 2 && rig.game().board().currentPlayer == player);
    }

    void pictureButtonsRunTheirCommands()
    {
        WindowRig rig;
        BoothView& booth = *rig.window().booth();
        QTest::mouseClick(booth.pictureButton(0), Qt::RightButton);  // Start
        const int splots = rig.splots();
        QTest::mouseClick(booth.pictureButton(2), Qt::LeftButton);  // the hint shows a free cell, plays nothing
        QVERIFY(rig.state().gameRunning && rig.splots() == splots && rig.code(rig.cursor().x(), rig.cursor().y()) == kEmpty);
        rig.questions.answers = {false, true};
        QTest::mouseClick(booth.pictureButton(1), Qt::LeftButton);  // End, No: everything stays
        QVERIFY(rig.window().isVisible() && rig.state().gameRunning && rig.closedCount == 0);
        writeSettings({});
        QTest::mouseClick(booth.pictureButton(1), Qt::LeftButton);  // End, Yes: closed, placement saved
        QVERIFY(!rig.window().isVisible() && rig.closedCount == 1 && settingsHave("Left= 1500"));
        QCOMPARE(rig.questions.count("Really end the game?"), 2);
    }

    void placementIsSavedOnResizeAndClose()
    {
        WindowRig rig;
        MainWindow& w = rig.window();
        writeSettings(QStringLiteral("[Window]\r\nStatus= 7\r\n"));
        w.resize(700, 500);
        QVERIFY(settingsHave("Status= 0"));
        w.resize(300, 500);  // never narrower than the booth and the buttons
        QVERIFY(w.frameGeometry().width() * kTwipsPerPixel >= 9485);
        w.close();
        const WindowPlacement p = w.currentPlacement();
        QCOMPARE(p.windowHeight, (500 + w.frameGeometry().height() - w.height()) * kTwipsPerPixel);
        for (auto [key, value] : {std::pair{"Left", p.windowLeft}, {"Top", p.windowTop}, {"Width", p.windowWidth}, {"Height", p.windowHeight}})
            QVERIFY2(settingsHave(QStringLiteral("%1= %2").arg(key).arg(value)), key);
    }

    void maximizedCloseKeepsTheLastNormalPlacement()
    {
        WindowRig rig;
        rig.window().showMaximized();
        QCoreApplication::processEvents();
        QVERIFY(settingsHave("Status= 2"));
        rig.window().close();
        QVERIFY(settingsHave("Status= 2") && settingsHave("Width= 9600"));
    }

    void closingInTheMiddleOfAMoveEndsCleanly()
    {
        for (bool byEnd : {false, true}) {  // by the frame without a question, or by End answered Yes
            writeSettings(kQuietSettings);
            WindowRig rig;
            MainWindow& w = rig.window();
            w.Start_click();
            w.Tip_click();  // the cursor onto a free cell
            int events = 0;
            rig.clock.onEvents = [&] {
                rig.questions.answers = {true};
                if (events++ == 0)
                    byEnd ? w.endAction()->trigger() : void(w.close());
            };
            writeSettings({});
            rig.key(Qt::Key_Return);  // the squirt lets events run
            QVERIFY(events == 1 && rig.closedCount == 1 && rig.game().abandoned());  // nothing ran after the close
            QVERIFY(int(rig.questions.asked.size()) == byEnd && rig.questions.errors.empty() && settingsHave("Left= 1500"));
            const int ops = rig.wall().operationCount();  // later commands and closes do nothing
            w.Start_click();
            w.close();
            QVERIFY(rig.wall().operationCount() == ops && rig.closedCount == 1);
        }
    }

    // Random clicks, keys, menu commands, picture buttons, option changes and resizes, many in
    // the middle of a move. SPLOT_SOAK_SEED and SPLOT_SOAK_ACTIONS try others by hand.
    void soakOfRandomInputKeepsBoardWallAndLabelInAgreement()
    {
        const int actions = qEnvironmentVariableIsSet("SPLOT_SOAK_ACTIONS") ? qEnvironmentVariableIntValue("SPLOT_SOAK_ACTIONS") : 5000;
        const unsigned seed = qEnvironmentVariableIsSet("SPLOT_SOAK_SEED") ? qEnvironmentVariableIntValue("SPLOT_SOAK_SEED") : 4711;
        WindowRig rig(20261206 + seed);
        MainWindow& w = rig.window();
        rig.program->settings().greaseSpots = rig.program->settings().blockedNozzle = kTrue;
        std::mt19937 rng(seed);
        auto chance = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        rig.questions.answerer = [&](const std::string& text) { return text != "Really end the game?" && chance(2); };
        QTimer options;  // the options dialog, whenever it is open: a few changes or none, then OK
        connect(&options, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget())) {
                QAbstractButton* boxes[] = {d->hintsBox(), d->nozzleBox(), d->greaseBox()};
                for (int i = chance(3); i > 0; --i)
                    chance(4) ? boxes[chance(3)]->click() : QTest::keyClick(d->plusMinus(), chance(2) ? Qt::Key_Up : Qt::Key_Down);
                d->okButton()->click();
            }
        });
        options.start(0);
        const Qt::Key keys[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Left, Qt::Key_Up,
                                Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_A};
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        QAction* menu[] = {w.startAction(), w.startAction(), w.tipAction(), w.tipAction(),
                           w.storyAction(), w.optionsAction(), w.aboutAction(), w.endAction()};
        int depth = 0, midMove = 0, games = 0, decided = 0;
        auto act = [&] {
            const int pick = chance(100), width = rig.wall().width() + 20, height = rig.wall().height() + 20;
            ++depth;
            if (pick < 40)  // anywhere on the wall and a little beyond
                rig.press((chance(width) - 10 + chance(100) / 100.0) * kTwipsPerPixel,
                          (chance(height) - 10 + chance(100) / 100.0) * kTwipsPerPixel, buttons[chance(3)]);
            else if (pick < 70)
                rig.key(keys[chance(std::size(keys))]);
            else if (pick < 86)
                menu[chance(std::size(menu))]->trigger();
            else if (pick < 92)
                QTest::mouseClick(w.booth()->pictureButton(chance(3)), buttons[chance(2)]);
            else if (pick < 97)
                w.resize(300 + chance(900), 250 + chance(700));
            else
                pick < 98 ? w.showMaximized() : w.showNormal();
            --depth;
        };
        rig.clock.onEvents = [&] {  // commands in the middle of a move
            if (depth < 2 && chance(4) == 0)
                ++midMove, act();
        };
        for (int i = 0; i < actions; ++i) {
            const bool wasRunning = rig.state().gameRunning, wasOver = rig.state().gameOver != kFalse;
            act();
            QVERIFY2(!rig.game().busy() && rig.game().heldCommands() == 0 && !QApplication::activeModalWidget(), "work left over");
            QVERIFY(w.isVisible() && rig.questions.errors.empty() && w.storyAction()->isEnabled() == !rig.state().gameRunning);
            QVERIFY2(disagreement(rig).empty(), qPrintable(QStringLiteral("action %1: ").arg(i) + disagreement(rig).c_str()));
            games += rig.state().gameRunning && !wasRunning;
            decided += rig.state().gameOver != kFalse && !wasOver;
        }
        qInfo("%d actions, %d in mid-move, %d games started, %d decided", actions, midMove, games, decided);
        QVERIFY(midMove > actions / 20 && games > 5 && decided > 2);
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
