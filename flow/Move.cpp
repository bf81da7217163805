// The execution of one move: the chosen cell, the squirt, the blocked nozzle,
// the splot, five in a row, the full wall.
#include "flow/Game.h"

#include "engine/VictoryText.h"
#include "platform/Canvas.h"
#include "platform/Random.h"
#include "platform/Scene.h"
#include "platform/WallDrawing.h"

#include <cmath>

namespace splot {

void Game::runFeldAuswahl(int x, int y)
{
    // A move that a failure spoiled is taken back whole.
    allOrNothing([=, this] { procedure("Feld_Auswahl", true, [=, this] { feldAuswahlSteps(x, y); }); });
}

void Game::feldAuswahlSteps(int x, int y)
{
    const KeptCell from{state_.cursorX, state_.cursorY};
    const int cell = board_.index(x, y);
    board_.currentCell = static_cast<i16>(cell);

    // A splot or a grease spot refuses paint: nothing is played, the turn stays.
    if (board_.cells(cell) != kEmpty)
        sayTaken(x, y);
    if (board_.cells(cell) == kEmpty) {
        const int mover = board_.currentPlayer;
        // A human move can be taken back; the computer's reply goes with it.
        if (mover == kBlue || settings_.computerPlaysRed == kFalse)
            keepTakeBackPoint();
        board_.reserve(cell, mover);

        state_.cursorX = static_cast<i16>(x);
        state_.cursorY = static_cast<i16>(y);
        drawCursor(2);

        runSequenz(mover == kRed ? 5 : 6);

        // The blocked nozzle: one squirt in ten fails when the rule is on.
        bool blocked = false;
        if (settings_.blockedNozzle != 0) {
            step([&] {
                random_.Randomize();
                const double r = random_.Rnd();
                blocked = std::floor(r * 10.0 - 1.0) == -1.0;
            });
        }

        if (blocked) {
            scene_.setComment("Nozzle blocked!");

            growPuddle(mover);

            draw("Zeichne_Spritzer", false, [=](WallDrawing& w) { w.Zeichne_Spritzer(x, y); });
            events();

            for (int round = 0; round < 3; ++round) {
                if (soundOn()) {
                    playSound("splot2.wav");
                    playSound("splot1.wav");
                    pause(0.4);
                }
            }

            board_.release(cell);

            whiteOutCell(x, y);
            drawCursor(2);
            moves_.push_back({x, y, true, 0, from.column, from.row});
        } else {
            draw("Zeichne_Klecks", true, [=](WallDrawing& w) { w.Zeichne_Klecks(x, y); });
            sayMove(mover, x, y);
            moves_.push_back({x, y, false, random_.lastSeed(), from.column, from.row});
            runZugAusfuehren(x, y);
        }

        if (state_.gameOver == kFalse && !spoiled())
            handOver();
    }

    if (state_.gameOver == kFalse)
        scene_.setWallEnabled(true);
}

void Game::growPuddle(int mover)
{
    // The mover's puddle grows by 30 in height around its centre line and by
    // 120 in width, 80 of them to the left for Red, 40 for Blue.
    TwipRect puddle = scene_.puddle(mover);
    puddle.height += 30;
    puddle.top -= 15;
    puddle.width += 120;
    puddle.left -= mover == kRed ? 80 : 40;
    scene_.setPuddle(mover, puddle);
}

void Game::whiteOutCell(int x, int y)
{
    // White over the cell's inner square takes the splatter away.
    step(
        [&] {
            WallDrawing& w = wall();
            Canvas& canvas = w.canvas();
            const double left = w.cellInset() + (x - 1) * w.cellSize();
            const double top = w.cellInset() + (y - 1) * w.cellSize();
            canvas.setFillStyle(Canvas::Solid);
            canvas.setForeColor(15);
            canvas.box(left, top, left + w.innerSize(), top + w.innerSize(), true);
        },
        true);
}

void Game::runZugAusfuehren(int x, int y)
{
    procedure("Zug_Ausfuehren", true, [=, this] { zugAusfuehrenSteps(x, y); });
}

void Game::zugAusfuehrenSteps(int x, int y)
{
    const int cell = board_.index(x, y);
    board_.currentCell = static_cast<i16>(cell);
    const int mover = board_.currentPlayer;
    board_.reserve(cell, mover);

    // Five in a row: a line through the cell that held four of the mover's
    // splots and this empty cell, before the move enters the evaluation. The
    // first such line in the cell's list wins.
    const int winningLine = board_.fiveLine(cell, mover);

    if (winningLine != 0)
        sayWin(mover, winningLine);
    // The splot drawn once more is only seen again; the winning line must show.
    if (winningLine != 0 && mover == kRed) {
        draw("Zeichne_Klecks", false, [=](WallDrawing& w) { w.Zeichne_Klecks(x, y); });
        draw("Zeichne_Siegeslinie", true, [=](WallDrawing& w) { w.Zeichne_Siegeslinie(winningLine); });
        gameEnd(kRed);
        if (settings_.computerPlaysRed != kFalse)
            scene_.setComment({"Computer won!  %1", {Phrase::ours(victoryText(1))}});
        else
            scene_.setComment({"%1 won!", {Phrase::name(settings_.redName)}});
        playSound("splot3.wav");
        runSequenz(2);
        return;
    }
    if (winningLine != 0) {
        draw("Zeichne_Siegeslinie", true, [=](WallDrawing& w) { w.Zeichne_Siegeslinie(winningLine); });
        gameEnd(kBlue);
        if (settings_.computerPlaysRed != kFalse)
            scene_.setComment({"You won!  %1", {Phrase::ours(victoryText(0))}});
        else
            scene_.setComment({"%1 won!", {Phrase::name(settings_.blueName)}});
        playSound("splot3.wav");
        runSequenz(3);
        return;
    }

    landSplot(cell, mover);

    // Every cell that takes paint is painted: a draw.
    if (state_.moveCount == board_.playableCells) {
        draw("Zeichne_Klecks", false, [=](WallDrawing& w) { w.Zeichne_Klecks(x, y); });
        gameEnd(kEmpty);
        scene_.setComment("The game ends in a draw!");
        runSequenz(4);
    }
}

void Game::landSplot(int cell, int mover)
{
    // The splot enters the evaluation and is counted. A retry evaluates from
    // the board and the count as they were before the evaluation began.
    const Board before = board_;
    const i16 countBefore = state_.moveCount;
    call(
        "Zug_Auswertung", true, [&] { board_.play(cell, mover, state_.moveCount); },
        [&] { board_ = before, state_.moveCount = countBefore; });
}

std::string Game::victoryText(int who)
{
    std::string text;
    step([&] { text = SiegText(who, random_); });
    return text;
}

} // namespace splot
