// The wall's drawing procedures as a record: what was drawn where, with the
// geometry the presentation would compute (538 units a cell on an 8 x 8 wall
// 4300 units wide). Optionally it imitates the side effects of the real
// drawing: the splot sound, the events between splatter drops and the random
// numbers a splot uses.
#pragma once

#include "Journal.h"
#include "RecordingCanvas.h"
#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/Game.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "platform/WallDrawing.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace splot::doubles {

class RecordingWall final : public WallDrawing {
public:
    struct Mark {
        int column = 0, row = 0, code = -1;  // code: the cell's code when drawn (0 Red, 1 Blue)
    };

    explicit RecordingWall(double scaleWidth = 4300) : canvas_(scaleWidth) { computeGeometry(8); }

    // What the drawing reads: the wall size, the cells and the cursor.
    void watch(const GameSettings& settings, const Board& board, const GameState& state)
    {
        settings_ = &settings;
        board_ = &board;
        state_ = &state;
    }
    void watch(Game& game) { watch(game.settings(), game.board(), game.state()); }

    void Zeichne_Raster() override
    {
        call("Zeichne_Raster");
        ++rasterCount;
        computeGeometry(settings_ ? settings_->wallSize : 8);
        canvas_.cls();
        splots.clear();
        splatters.clear();
        winningLines.clear();
        cursorShown = false;
        Zeichne_Cursor(2);
    }

    void Zeichne_Cursor(int colour) override
    {
        const int x = state_ ? state_->cursorX : 0;
        const int y = state_ ? state_->cursorY : 0;
        call("Zeichne_Cursor " + std::to_string(colour) + " at " + std::to_string(x) + "," + std::to_string(y));
        if (colour == 2) {
            cursorShown = true;
            cursorColumn = x;
            cursorRow = y;
        } else if (colour == 15 && x == cursorColumn && y == cursorRow) {
            cursorShown = false;
        }
    }

    void Zeichne_Klecks(int column, int row) override
    {
        const int code = codeAt(column, row);
        call("Zeichne_Klecks " + std::to_string(column) + "," + std::to_string(row) + " code "
             + std::to_string(code));
        splots.push_back({column, row, code});
        if (random) {
            random->Randomize();
            for (int i = 0; i < 1 + 7 * 5; ++i)
                random->Rnd();
        }
        if (sound && settings_ && settings_->soundOn == 1)
            sound->play("splot1.wav");
    }

    void Zeichne_Spritzer(int column, int row) override
    {
        const int code = codeAt(column, row);
        call("Zeichne_Spritzer " + std::to_string(column) + "," + std::to_string(row) + " code "
             + std::to_string(code));
        splatters.push_back({column, row, code});
        if (random)
            random->Randomize();
        for (int drop = 0; drop < 5; ++drop) {
            if (random)
                for (int i = 0; i < 5; ++i)
                    random->Rnd();
            if (clock)
                clock->doEvents();
        }
    }

    void Zeichne_Siegeslinie(int line) override
    {
        call("Zeichne_Siegeslinie " + std::to_string(line));
        winningLines.push_back(line);
    }

    int cellSize() const override { return cellSize_; }
    int cellInset() const override { return cellInset_; }
    int innerSize() const override { return innerSize_; }
    Canvas& canvas() override { return canvas_; }
    RecordingCanvas& recordingCanvas() { return canvas_; }

    // Splots drawn on a cell since the last Zeichne_Raster.
    int splotsAt(int column, int row) const
    {
        int n = 0;
        for (const Mark& m : splots)
            n += m.column == column && m.row == row;
        return n;
    }

    // Makes every following Zeichne_Raster use this cell size (0: computed again).
    void fixCellSize(int size)
    {
        fixedCellSize_ = size;
        computeGeometry(settings_ ? settings_->wallSize : 8);
    }

    // The record.
    std::vector<std::string> calls;     // every call, in order, with its arguments
    std::vector<Mark> splots;           // since the last Zeichne_Raster
    std::vector<Mark> splatters;        // since the last Zeichne_Raster
    std::vector<int> winningLines;      // since the last Zeichne_Raster
    int rasterCount = 0;
    bool cursorShown = false;
    int cursorColumn = 0, cursorRow = 0;

    // Optional: runs before each call is recorded (a test may throw from it).
    std::function<void(const std::string&)> onCall;
    // Optional imitations of the real drawing.
    Sound* sound = nullptr;    // "splot1.wav" with every splot when sound is on
    Clock* clock = nullptr;    // doEvents() after each splatter drop
    Random* random = nullptr;  // the random numbers of a splot and a splatter
    Journal* journal = nullptr;

private:
    void call(const std::string& text)
    {
        if (auto hook = onCall)
            hook(text);
        calls.push_back(text);
        note(journal, "wall." + text);
    }
    int codeAt(int column, int row) const
    {
        return board_ ? board_->cells(board_->index(column, row)) : -1;
    }
    void computeGeometry(int N)
    {
        cellSize_ = fixedCellSize_ > 0 ? fixedCellSize_
                                       : static_cast<int>(std::nearbyint(canvas_.scaleWidth() / (N > 0 ? N : 8)));
        innerSize_ = static_cast<int>(std::nearbyint(cellSize_ * 0.85));
        cellInset_ = static_cast<int>(std::nearbyint(cellSize_ * 0.08));
    }

    RecordingCanvas canvas_;
    const GameSettings* settings_ = nullptr;
    const Board* board_ = nullptr;
    const GameState* state_ = nullptr;
    int fixedCellSize_ = 0;
    int cellSize_ = 0, cellInset_ = 0, innerSize_ = 0;
};

} // namespace splot::doubles
