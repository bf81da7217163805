// Small stand-ins for the platform services the engine talks to.
#pragma once

#include "engine/Board.h"
#include "engine/Search.h"
#include "platform/Canvas.h"
#include "platform/Questions.h"
#include "platform/Random.h"
#include "platform/StdRandom.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace splot::test {

// Hands out the values it was given, then a fixed fallback; counts every draw.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::vector<float> values = {}, float fallback = 0.0f)
        : values_(values.begin(), values.end()), fallback_(fallback) {}
    float Rnd() override
    {
        ++draws;
        if (values_.empty())
            return fallback_;
        const float v = values_.front();
        values_.pop_front();
        return v;
    }
    void Randomize() override { ++randomizes; }
    void push(float v) { values_.push_back(v); }
    std::size_t left() const { return values_.size(); }

    int draws = 0;
    int randomizes = 0;

private:
    std::deque<float> values_;
    float fallback_;
};

// A seeded generator that counts its draws.
class CountingRandom final : public Random {
public:
    explicit CountingRandom(std::uint32_t seed) : inner_(seed) {}
    float Rnd() override { ++draws; return inner_.Rnd(); }
    void Randomize() override { ++randomizes; inner_.Randomize(); }
    long draws = 0;
    int randomizes = 0;

private:
    StdRandom inner_;
};

// Answers every question with the next scripted answer (No when none is left)
// and keeps what was asked.
class ScriptedQuestions final : public Questions {
public:
    bool askYesNo(const std::string& text, const std::string& title) override
    {
        asked.emplace_back(text, title);
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    ErrorChoice reportError(const std::string&, const std::string&) override
    {
        ++errors;
        return ErrorChoice::Abort;
    }
    std::deque<bool> answers;
    std::vector<std::pair<std::string, std::string>> asked;
    int errors = 0;
};

class CountingSink final : public DrawOfferSink {
public:
    void drawAccepted() override { ++accepted; }
    int accepted = 0;
};

// Keeps every drawing call, with the pen and brush state in force at the time.
class RecordingCanvas final : public Canvas {
public:
    struct Circle {
        double cx, cy, radius;
        int foreColor, fillColor, fillStyle;
    };
    void setForeColor(int c) override { foreColor = c; }
    void setFillColor(int c) override { fillColor = c; }
    void setFillStyle(int s) override { fillStyle = s; }
    void setDrawWidth(int w) override { drawWidth = w; }
    void setDrawStyle(int s) override { drawStyle = s; }
    double scaleWidth() const override { return 4300.0; }
    void cls() override { ++clears; }
    void line(double, double, double, double) override { ++lines; }
    void box(double, double, double, double, bool) override { ++boxes; }
    void circle(double cx, double cy, double radius) override
    {
        circles.push_back({cx, cy, radius, foreColor, fillColor, fillStyle});
    }

    int foreColor = 0, fillColor = 0, fillStyle = 1, drawWidth = 1, drawStyle = 0;
    int clears = 0, lines = 0, boxes = 0;
    std::vector<Circle> circles;
};

// Puts a splot (or a grease spot) on a cell the way the move execution does.
inline void land(Board& board, int column, int row, int code)
{
    const int i = board.index(column, row);
    board.currentCell = static_cast<i16>(i);
    board.currentPlayer = static_cast<i16>(code);
    board.cells(i) = static_cast<i16>(code);
    board.cellScore(0, i) = kOccupied;
    board.cellScore(1, i) = kOccupied;
    board.Zug_Auswertung();
}

// The number of the line that starts at (column, row) and steps (dc, dr); 0 if none.
inline int lineStartingAt(const Board& board, int column, int row, int dc, int dr)
{
    const int first = board.index(column, row);
    const int second = board.index(column + dc, row + dr);
    for (int l = 1; l <= board.lineCount; ++l)
        if (board.lineCells(1, l) == first && board.lineCells(2, l) == second)
            return l;
    return 0;
}

} // namespace splot::test
