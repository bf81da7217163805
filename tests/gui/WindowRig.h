// The real main window on platform doubles (virtual time, a seeded generator,
// recorded sounds, scripted answers) with a settings file in the test's own
// folder, and what the window tests check it with.
#pragma once

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
#include "tests/doubles/FakeClock.h"
#include "tests/doubles/RecordingSound.h"
#include "tests/doubles/ScriptedQuestions.h"

#include <QtTest>
#include <QtWidgets>

namespace splot::testing {

inline QString settingsPath()
{
    return QString::fromStdString(SettingsStore::defaultFilePath());
}
// The settings file holds `text` ("" removes it).
inline void writeSettings(const QString& text)
{
    QFile::remove(settingsPath());
    QDir().mkpath(QFileInfo(settingsPath()).absolutePath());
    QFile file(settingsPath());
    if (!text.isEmpty() && file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}
inline bool settingsHave(const QString& line)
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()).contains(line);
}

// A quiet second start: a normal window at a known place, no story, sound off, hints on.
inline const QString kQuietSettings = "[Einstellungen]\nSound= 0\nText=0\nTips= 1\n[Window]\nStatus= 0\n"
                                      "Left= 1500\nTop= 1200\nWidth= 9600\nHeight= 6900";

struct WindowRig {
    explicit WindowRig(std::uint32_t seed = 7) : random(seed)
    {
        program.reset(new MainProgram(clock, random, sound, questions, std::make_unique<SettingsStore>()));
        window().setAboutBoxInterval(0);
        window().setOnClosed([this] { ++closedCount; });
        game().search().master.limits = MasterLimits{}; // by nodes: the same moves on any machine
        program->start();
    }

    MainWindow& window() { return program->window(); }
    Game& game() { return program->game(); }
    GameState& state() { return game().state(); }
    WallView& wall() { return *window().booth()->wall(); }
    int cellSize() { return program->painter().cellSize(); }
    QPoint cursor() { return {state().cursorX, state().cursorY}; }
    int code(int c, int r) { return game().board().cells(game().board().index(c, r)); }

    // A press and release of `button` on the wall at a point in twips (of the wall at the scene's zoom).
    void press(double x, double y, Qt::MouseButton button = Qt::LeftButton)
    {
        const double perUnit = wall().zoom() / kTwipsPerPixel;
        const QPointF p(x * perUnit, y * perUnit), g = wall().mapToGlobal(p);
        QMouseEvent down(QEvent::MouseButtonPress, p, g, button, button, Qt::NoModifier);
        QMouseEvent up(QEvent::MouseButtonRelease, p, g, button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&wall(), &down);
        QApplication::sendEvent(&wall(), &up);
    }
    void key(Qt::Key k) { QTest::keyClick(&wall(), k); }
    // The window activated as a player's would be; keys then typed where the platform sends them.
    bool activate()
    {
        QApplication::setActiveWindow(&window());
        return QTest::qWaitForWindowActive(&window());
    }
    void type(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : static_cast<QWidget*>(&window()), k, mods);
    }
    // The wall's picture, the label and the game's tables, to compare whole.
    struct Shot {
        QImage picture;
        std::string label;
        std::vector<int> game;
        bool operator==(const Shot&) const = default;
    };
    Shot shot()
    {
        Shot s{wall().image(), window().scene().comment().english(), {}};
        const Board& b = game().board();
        const GameState& g = state();
        s.game = {b.currentPlayer, g.moveCount, g.gameOver, g.gameRunning, g.cursorX, g.cursorY};
        for (int i = 0; i <= b.lastCell; ++i)
            s.game.insert(s.game.end(), {b.cells(i), b.cellScore(0, i), b.cellScore(1, i)});
        for (int l = 0; l <= b.lineCount; ++l)
            s.game.push_back(b.lineValue(l));
        return s;
    }

    // The backing image's RGB at a wall point in twips.
    QRgb colourAt(double x, double y)
    {
        const QImage image = wall().image();
        const QPoint p = wall().imagePixel(x, y);
        return image.rect().contains(p) ? image.pixel(p) & 0xffffff : ~0u;
    }
    // How much of the dotted cursor square's top edge shows at a cell: the points of it with the
    // cursor's green within a pixel.
    double cursorCoverage(QPoint cell)
    {
        const WallPainter& p = program->painter();
        const double left = p.cellInset() + cellSize() * (cell.x() - 1),
                     top = p.cellInset() + cellSize() * (cell.y() - 1);
        int hits = 0;
        for (int k = 1; k < 20; ++k) {
            bool seen = false;
            for (int d = 0; d < 9; ++d)
                seen |= colourAt(left + k * p.innerSize() / 20.0 + (d % 3 - 1) * kTwipsPerPixel,
                                 top + (d / 3 - 1) * kTwipsPerPixel) == 0x008000;
            hits += seen;
        }
        return hits / 19.0;
    }

    doubles::FakeClock clock;
    StdRandom random;
    doubles::RecordingSound sound;
    doubles::ScriptedQuestions questions;
    std::unique_ptr<MainProgram> program;
    int closedCount = 0;
};

// The board and the drawn wall (splot colours, the green winning line) agree: empty, or what
// disagrees. (The label and the wall's input follow the game in the flow's tests.)
inline QString disagreement(WindowRig& rig)
{
    const GameState& s = rig.state();
    const int N = s.boardExists ? rig.game().board().wallSize : 0;
    int greens = 0, splots = 0;
    for (int i = 0; i < N * N; ++i) {
        const int code = rig.code(i % N + 1, i / N + 1);
        splots += code <= kBlue;
        const QRgb shown = rig.colourAt((i % N + 0.5) * rig.cellSize(), (i / N + 0.5) * rig.cellSize());
        const bool green = s.gameOver != kFalse && code <= kBlue && shown == 0x00ff00;
        greens += green;
        const QRgb paint = code == kRed ? 0xff0000 : code == kBlue ? 0x0000ff : 0xffffff;
        // A grease spot's drops need not cover the centre: yellow, white or between.
        if (!green && shown != paint && (code != kGrease || (shown & 0xffff00) != 0xffff00))
            return QStringLiteral("cell %1 holding %2 shows %3").arg(i).arg(code).arg(shown, 0, 16);
    }
    if (N > 0 && splots != s.moveCount + (greens >= 5)) // the winning splot is not counted
        return QStringLiteral("%1 splots, moveCount %2").arg(splots).arg(s.moveCount);
    return {};
}

} // namespace splot::testing
