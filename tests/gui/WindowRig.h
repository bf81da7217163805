// The real main window on platform doubles: virtual time, a seeded random
// generator, recorded sounds and scripted answers; the settings file in the
// test's own configuration folder. Helpers read the wall's backing image.
#pragma once

#include "doubles/FakeClock.h"
#include "doubles/RecordingSound.h"
#include "doubles/ScriptedQuestions.h"
#include "doubles/ScriptedRandom.h"

#include "engine/Board.h"
#include "flow/Game.h"
#include "presentation/BoothView.h"
#include "presentation/WallPainter.h"
#include "presentation/WallView.h"
#include "shell/MainProgram.h"
#include "shell/MainWindow.h"
#include "shell/SettingsStore.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace splot::gui {

// The offscreen platform warns about every window it cannot decorate: not our concern.
inline void quietOffscreenWarnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text.startsWith(QLatin1String("This plugin does not support")))
            return;
        if (previous)
            previous(type, context, text);
    });
}

inline QString settingsPath()
{
    return QString::fromStdString(SettingsStore::defaultFilePath());
}

// Starts every test from a settings file of the given text ("" removes it).
inline void writeSettings(const QString& text)
{
    const QString path = settingsPath();
    QFile::remove(path);
    if (text.isEmpty())
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}

inline QString readSettings()
{
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// A quiet second start: normal window at a known place, no story, sound off.
inline const char* kQuietSettings =
    "[Einstellungen]\r\nSound= 0\r\nText=0\r\nTips= 1\r\n"
    "[Window]\r\nStatus= 0\r\nLeft= 1500\r\nTop= 1200\r\nWidth= 9600\r\nHeight= 6900\r\n";

struct WindowRig {
    explicit WindowRig(std::uint32_t seed = 7) : random(seed)
    {
        program = std::make_unique<MainProgram>(clock, random, sound, questions,
                                                std::make_unique<SettingsStore>());
        window().setAboutBoxInterval(0);
        window().setOnClosed([this] { ++closedCount; });
    }

    void start()
    {
        program->start();
        QApplication::setActiveWindow(&window());
    }

    MainWindow& window() { return program->window(); }
    Game& game() { return program->game(); }
    GameState& state() { return program->game().state(); }
    Board& board() { return program->game().board(); }
    GameSettings& settings() { return program->settings(); }
    BoothView& booth() { return *window().booth(); }
    WallView& wall() { return *window().booth()->wall(); }
    WallPainter& painter() { return program->painter(); }

    // The colour of the backing image at a wall point in twips.
    QColor colourAt(double x, double y)
    {
        const QImage image = wall().image();
        const QPoint p = wall().imagePixel(x, y);
        if (!image.rect().contains(p))
            return {};
        return image.pixelColor(p);
    }
    QColor cellCentreColour(int column, int row)
    {
        const double c = painter().cellSize();
        return colourAt((column - 0.5) * c, (row - 0.5) * c);
    }
    // A point of the wall in logical pixels of the wall widget.
    QPointF widgetPoint(double xTwips, double yTwips) const
    {
        return {xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel};
    }

    doubles::FakeClock clock;
    doubles::SeededRandom random;
    doubles::RecordingSound sound;
    doubles::ScriptedQuestions questions;
    std::unique_ptr<MainProgram> program;
    int closedCount = 0;
};

inline bool sameRgb(const QColor& c, int r, int g, int b)
{
    return c.red() == r && c.green() == g && c.blue() == b;
}

// The colour a cell's code shows at the cell's centre.
inline bool centreMatchesCode(const QColor& c, int code)
{
    switch (code) {
    case kRed: return sameRgb(c, 255, 0, 0);
    case kBlue: return sameRgb(c, 0, 0, 255);
    // A grease spot's drops scatter around the centre and need not cover it
    // (yellow, white, or the smoothed edge of a drop between them).
    case kGrease: return c.red() == 255 && c.green() == 255;
    default: return sameRgb(c, 255, 255, 255);
    }
}

inline bool isWinGreen(const QColor& c)
{
    return sameRgb(c, 0, 255, 0);
}

// Every run of five cells of one side on the board, as lists of (column, row).
inline std::vector<std::vector<std::pair<int, int>>> fiveInARow(const Board& board)
{
    std::vector<std::vector<std::pair<int, int>>> runs;
    const int N = board.wallSize;
    const int dirs[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (int c = 1; c <= N; ++c)
        for (int r = 1; r <= N; ++r)
            for (const auto& d : dirs) {
                const int code = board.cells(board.index(c, r));
                if (code != kRed && code != kBlue)
                    continue;
                std::vector<std::pair<int, int>> run;
                for (int k = 0; k < 5; ++k) {
                    const int cc = c + k * d[0], rr = r + k * d[1];
                    if (cc < 1 || cc > N || rr < 1 || rr > N || board.cells(board.index(cc, rr)) != code)
                        break;
                    run.emplace_back(cc, rr);
                }
                if (run.size() == 5)
                    runs.push_back(run);
            }
    return runs;
}

// The board, the drawn wall and the label agree. Returns "" or what disagrees.
inline std::string checkAgreement(WindowRig& rig)
{
    Board& board = rig.board();
    const GameState& s = rig.state();
    if (!s.boardExists)
        return {};
    const int N = board.wallSize;
    // The cells of a winning line show the line's green at their centres.
    std::vector<std::pair<int, int>> greenCells;
    bool won = false;
    if (s.gameOver != kFalse) {
        for (const auto& run : fiveInARow(board)) {
            bool allGreen = true;
            for (auto [c, r] : run)
                allGreen = allGreen && isWinGreen(rig.cellCentreColour(c, r));
            if (allGreen) {
                won = true;
                greenCells.insert(greenCells.end(), run.begin(), run.end());
            }
        }
    }
    int splots = 0;
    for (int c = 1; c <= N; ++c)
        for (int r = 1; r <= N; ++r) {
            const int code = board.cells(board.index(c, r));
            const QColor colour = rig.cellCentreColour(c, r);
            const bool onLine = std::find(greenCells.begin(), greenCells.end(), std::pair(c, r)) != greenCells.end();
            if (code == kRed || code == kBlue)
                ++splots;
            if (onLine)
                continue;
            if (!centreMatchesCode(colour, code))
                return "cell " + std::to_string(c) + "," + std::to_string(r) + " holds " + std::to_string(code)
                    + " but shows " + colour.name().toStdString();
        }
    // Splots that landed: every counted move, and the winning one.
    const int expected = s.moveCount + (won ? 1 : 0);
    if (splots != expected)
        return "splots " + std::to_string(splots) + " but moveCount " + std::to_string(s.moveCount)
            + (won ? " and a win" : "");

    const std::string label = rig.window().comment();
    auto endsWith = [&](const std::string& tail) {
        return label.size() >= tail.size() && label.compare(label.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (s.gameRunning && s.gameOver == kFalse) {
        if (!endsWith("'s turn") && !endsWith(" begins"))
            return "a game runs but the label reads \"" + label + "\"";
        if (!rig.window().wallEnabled())
            return "a game runs but the wall takes no input";
    } else if (s.gameOver != kFalse) {
        if (label.find("won!") == std::string::npos && label.find("draw") == std::string::npos)
            return "the game is decided but the label reads \"" + label + "\"";
        if (label.find("won!") != std::string::npos && !won)
            return "the label says won but no winning line is drawn";
        if (rig.window().wallEnabled())
            return "the game is decided but the wall takes input";
    }
    return {};
}

} // namespace splot::gui
