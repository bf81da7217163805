// A move: the chosen cell, the squirt, the blocked nozzle, the splot, five in
// a row, the full wall; the human's input on the wall (keys, clicks, the
// hint); taking a move back; and the snapshot that makes a move whole or
// nothing.
#include "flow/Game.h"

#include "engine/VictoryText.h"
#include "platform/Random.h"
#include "platform/Scene.h"
#include "platform/WallDrawing.h"

#include <algorithm>
#include <cmath>
#include <memory>

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
        narrator_.sayTaken(x, y);
    if (board_.cells(cell) == kEmpty) {
        const int mover = board_.currentPlayer;
        // A human move can be taken back; the computer's reply goes with it.
        if (mover == kBlue || settings_.computerPlaysRed == kFalse)
            keepTakeBackPoint();
        board_.reserve(cell, mover);

        state_.cursorX = static_cast<i16>(x);
        state_.cursorY = static_cast<i16>(y);
        booth_.drawCursor(2);

        booth_.runSequenz(mover == kRed ? 5 : 6);

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

            booth_.growPuddle(mover);

            booth_.draw("Zeichne_Spritzer", false, [=](WallDrawing& w) { w.Zeichne_Spritzer(x, y); });
            booth_.events();

            for (int round = 0; round < 3; ++round) {
                if (settings_.soundOn == 1) {
                    booth_.playSound("splot2.wav");
                    booth_.playSound("splot1.wav");
                    booth_.pause(0.4);
                }
            }

            board_.release(cell);

            booth_.whiteOutCell(x, y);
            booth_.drawCursor(2);
            log_.addMove({x, y, true, 0, from.column, from.row});
        } else {
            booth_.draw("Zeichne_Klecks", true, [=](WallDrawing& w) { w.Zeichne_Klecks(x, y); });
            noteMove(mover, x, y);
            narrator_.sayMove(mover, x, y);
            log_.addMove({x, y, false, random_.lastSeed(), from.column, from.row});
            runZugAusfuehren(x, y);
        }

        if (state_.gameOver == kFalse && !spoiled())
            handOver();
    }

    if (state_.gameOver == kFalse)
        scene_.setWallEnabled(true);
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

    if (winningLine != 0) {
        state_.winningLine = static_cast<i16>(winningLine);
        narrator_.sayWin(mover, winningLine);
    }
    // The splot drawn once more is only seen again; the winning line must show.
    if (winningLine != 0 && mover == kRed) {
        booth_.draw("Zeichne_Klecks", false, [=](WallDrawing& w) { w.Zeichne_Klecks(x, y); });
        booth_.draw("Zeichne_Siegeslinie", true, [=](WallDrawing& w) { w.Zeichne_Siegeslinie(winningLine); });
        gameEnd(kRed);
        if (settings_.computerPlaysRed != kFalse)
            scene_.setComment({"Computer won!  %1", {Phrase::ours(victoryText(1))}});
        else
            scene_.setComment({"%1 won!", {Phrase::name(settings_.redName)}});
        booth_.playSound("splot3.wav");
        booth_.runSequenz(2);
        return;
    }
    if (winningLine != 0) {
        booth_.draw("Zeichne_Siegeslinie", true, [=](WallDrawing& w) { w.Zeichne_Siegeslinie(winningLine); });
        gameEnd(kBlue);
        if (settings_.computerPlaysRed != kFalse)
            scene_.setComment({"You won!  %1", {Phrase::ours(victoryText(0))}});
        else
            scene_.setComment({"%1 won!", {Phrase::name(settings_.blueName)}});
        booth_.playSound("splot3.wav");
        booth_.runSequenz(3);
        return;
    }

    booth_.land(cell, mover);

    // Every cell that takes paint is painted: a draw.
    if (state_.moveCount == board_.playableCells) {
        booth_.draw("Zeichne_Klecks", false, [=](WallDrawing& w) { w.Zeichne_Klecks(x, y); });
        gameEnd(kEmpty);
        scene_.setComment("The game ends in a draw!");
        booth_.runSequenz(4);
    }
}

std::string Game::victoryText(int who)
{
    std::string text;
    step([&] { text = SiegText(who, random_); });
    return text;
}

void Game::noteMove(int side, int column, int row)
{
    state_.lastColumn[side] = static_cast<i16>(column);
    state_.lastRow[side] = static_cast<i16>(row);
    state_.lastMover = static_cast<i16>(side);
}

// ---------------------------------------------------------------------------
// The human's input on the wall, and the hint

void Game::humanMove(int x, int y)
{
    scene_.setWallEnabled(false);
    markPictureBeforeMove();
    booth_.drawCursor(15);
    runFeldAuswahl(x, y);
    booth_.drawCursor(2);
}

void Game::runKeyDown(int keyCode)
{
    const int N = board_.wallSize;
    auto& s = state_;
    if (keyCode == 13 || keyCode == 32) { // Enter, Space: the cursor's cell
        humanMove(s.cursorX, s.cursorY);
        return;
    }
    booth_.drawCursor(15);
    switch (keyCode) {
    case 36: // Home
        s.cursorX = 1;
        s.cursorY = 1;
        break;
    case 35: // End
        s.cursorX = static_cast<i16>(N);
        s.cursorY = static_cast<i16>(N);
        break;
    case 33: // Page Up
        s.cursorY = 1;
        break;
    case 34: // Page Down
        s.cursorY = static_cast<i16>(N);
        break;
    case 37: // Left
        s.cursorX = static_cast<i16>(std::max(s.cursorX - 1, 1));
        break;
    case 38: // Up
        s.cursorY = static_cast<i16>(std::max(s.cursorY - 1, 1));
        break;
    case 39: // Right
        s.cursorX = static_cast<i16>(std::min(s.cursorX + 1, N));
        break;
    case 40: // Down
        s.cursorY = static_cast<i16>(std::min(s.cursorY + 1, N));
        break;
    default:
        break;
    }
    booth_.drawCursor(2);
}

void Game::runMouseDown(double x, double y)
{
    const int cellSize = booth_.wall().cellSize();
    if (cellSize <= 0)
        return;

    // The click's place in the wall's cells, in single precision like the
    // coordinates it comes from; a click within 5 % of a cell's edge is ignored.
    const double qx = static_cast<float>(x) / static_cast<float>(cellSize);
    const double qy = static_cast<float>(y) / static_cast<float>(cellSize);
    const double fx = qx - std::floor(qx);
    const double fy = qy - std::floor(qy);
    if (!(fx >= 0.05 && fx <= 0.95 && fy >= 0.05 && fy <= 0.95))
        return;

    const int column = static_cast<int>(std::floor(qx)) + 1;
    const int row = static_cast<int>(std::floor(qy)) + 1;
    if (!booth_.onWall(column, row))
        return;
    state_.moveColumn = static_cast<i16>(column);
    state_.moveRow = static_cast<i16>(row);
    humanMove(column, row);
}

void Game::runTip()
{
    // No board before the first game; after a decided game there is nothing
    // left to hint at (and no second draw to offer).
    if (!gameOn())
        return;

    search_.hintMode = true;
    struct Reset {
        Search& search;
        ~Reset() { search.hintMode = false; }
    } reset{search_};
    const bool chosen = searchCell(false);
    search_.hintMode = false;
    checkAbandoned();

    // An accepted draw offer has ended the game.
    if (!chosen || state_.gameOver != kFalse)
        return;

    booth_.moveCursor(state_.moveColumn, state_.moveRow);
    narrator_.sayHint(state_.moveColumn, state_.moveRow);
}

void Game::readOut(int keyCode)
{
    if (!abandoned() && !busy())
        narrator_.readOut(keyCode);
}

void Game::jumpCursor(int arrowCode)
{
    int dx = 0, dy = 0;
    switch (arrowCode) {
    case 37:
        dx = -1;
        break;
    case 38:
        dy = -1;
        break;
    case 39:
        dx = 1;
        break;
    case 40:
        dy = 1;
        break;
    default:
        return;
    }
    door_.wallInput("Bild_KeyDown", [this, dx, dy] {
        for (int c = state_.cursorX + dx, r = state_.cursorY + dy; booth_.onWall(c, r); c += dx, r += dy)
            if (board_.cells(board_.index(c, r)) != kEmpty) {
                booth_.moveCursor(c, r);
                return;
            }
        narrator_.sayNothingThatWay();
    });
}

// ---------------------------------------------------------------------------
// Taking a move back

void Game::Zug_Zuruecknehmen()
{
    // Like the wall's input, a take back that comes while other work runs is
    // dropped, not held; it ends a replay.
    inputCame();
    if (!canTakeBack())
        return;
    // A Retry after a failure goes on where it failed: the game is put back once.
    bool restored = false;
    int frames[2] = {};
    door_.runNow("Zug_Zuruecknehmen", [this, &restored, &frames] {
        CommandDoor::Busy busy(door_);
        if (!restored && !history_.empty()) {
            // A copy: restoring it drops the point from the history.
            const TakeBackHistory::Point p = history_.last();
            restoreTakeBackPoint(p);
            frames[0] = p.game.frames[0];
            frames[1] = p.game.frames[1];
        }
        restored = true;
        takeBackPose(frames);
    });
}

bool Game::canTakeBack() const
{
    return !guard_.abandoned() && !busy() && !search_.hintMode && state_.boardExists && !history_.empty();
}

void Game::workChanged(bool busy)
{
    scene_.setMenuEnabled(Scene::MenuItem::TakeBack, !busy && canTakeBack());
    if (!busy) {
        showReplayItem();
        narrator_.speak(abandoned()); // the work is over: what happened in it
    }
}

void Game::markPictureBeforeMove()
{
    history_.markPicture(booth_.wall().savePicture());
}

void Game::keepTakeBackPoint()
{
    history_.keep(snapshot());
}

void Game::restoreTakeBackPoint(const TakeBackHistory::Point& point)
{
    scene_.setWallEnabled(false);
    const Board before = board_;
    restore(point.game);
    narrator_.sayTakeBack(before);
    if (!point.cursorShown)
        booth_.drawCursor(2);
}

void Game::takeBackPose(const int (&frames)[2])
{
    // The painters rest a moment while the paint goes back into the pump,
    // then stand as they stood before the move.
    scene_.setWallEnabled(false);
    booth_.showFrame(0, 0);
    booth_.showFrame(1, 9);
    booth_.playSound("splot2.wav");
    booth_.events();
    booth_.pause(0.4);
    booth_.showFrame(0, frames[0]);
    booth_.showFrame(1, frames[1]);
    booth_.events();

    scene_.setWallEnabled(true);
    scene_.focusWall();
}

// ---------------------------------------------------------------------------
// The snapshot of everything a move changes

bool Game::allOrNothing(const std::function<void()>& work)
{
    return guard_.allOrNothing(work, [this]() -> std::function<void()> {
        auto before = std::make_shared<const GameSnapshot>(snapshot());
        return [this, before] { restore(*before); };
    });
}

GameSnapshot Game::snapshot()
{
    GameSnapshot s;
    s.board = board_;
    s.state = state_;
    s.drawOfferCounter = search_.drawOfferCounter;
    if (booth_.hasWall())
        s.wall = booth_.wall().savePicture();
    s.comment = scene_.comment();
    for (int who = 0; who < 2; ++who) {
        s.frames[who] = scene_.characterFrame(who);
        s.pumps[who] = scene_.pumpVisible(who);
        s.puddles[who] = scene_.puddle(who);
    }
    s.takeBacks = history_.size();
    s.counted = history_.counted();
    s.moves = log_.moves().size();
    s.cursorTraces = log_.traceCount();
    return s;
}

void Game::restore(const GameSnapshot& before)
{
    // The painters' introduction is not played a second time.
    const bool firstGameStarted = state_.firstGameStarted;
    board_ = before.board;
    state_ = before.state;
    state_.firstGameStarted = firstGameStarted;
    search_.drawOfferCounter = before.drawOfferCounter;
    search_.hintMode = false;
    if (booth_.hasWall() && before.wall)
        booth_.wall().restorePicture(*before.wall);
    scene_.setComment(before.comment);
    for (int who = 0; who < 2; ++who) {
        scene_.setCharacterFrame(who, before.frames[who]);
        scene_.setPumpVisible(who, before.pumps[who]);
        scene_.setPuddle(who, before.puddles[who]);
    }
    scene_.setMenuEnabled(Scene::MenuItem::Story, !state_.gameRunning);
    scene_.setWallEnabled(gameOn());

    // Moves made since can no longer be taken back; a result counted since no
    // longer counts (it counts again when the game is decided again).
    history_.cutTo(before.takeBacks);
    log_.cutTo(before.moves, before.cursorTraces);
    const std::optional<GameResult> counted = history_.counted();
    if (counted && counted != before.counted && resultListener_)
        resultListener_(*counted, -1);
    history_.setCounted(before.counted);
}

} // namespace splot
