// The wall in words for a screen reader: cell names, contents, rows, columns,
// diagonals, the turn and the last moves.
#include "flow/Spoken.h"

#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/GameSnapshot.h"
#include "platform/Announcer.h"

namespace splot {

Spoken::Spoken(const Board& board, const GameState& state, const GameSettings& settings,
               const Announcer& phrases)
    : board_(board), state_(state), settings_(settings), phrases_(phrases)
{
}

std::string Spoken::columnName(int column)
{
    std::string name;
    for (int c = column; c > 0; c = (c - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (c - 1) % 26));
    return name;
}

std::string Spoken::cellName(int column, int row)
{
    return columnName(column) + std::to_string(row);
}

int Spoken::wallSize() const
{
    return state_.boardExists ? board_.wallSize : 0;
}

std::string Spoken::say(const char* english, const std::string& a, const std::string& b,
                        const std::string& c) const
{
    return fillParts(phrases_.phrase(english), {a, b, c});
}

int Spoken::cursorColumn() const
{
    return state_.cursorX;
}

int Spoken::cursorRow() const
{
    return state_.cursorY;
}

std::string Spoken::wallName() const
{
    const int n = wallSize();
    if (n == 0)
        return phrases_.phrase("Wall");
    return say("Wall, %1 by %2", std::to_string(n), std::to_string(n));
}

bool Spoken::onWinningLine(int column, int row) const
{
    const int line = state_.winningLine;
    if (line <= 0 || wallSize() == 0)
        return false;
    const int cell = board_.index(column, row);
    for (int k = 1; k <= 5; ++k)
        if (board_.lineCells(k, line) == cell)
            return true;
    return false;
}

std::string Spoken::contents(int column, int row) const
{
    const int n = wallSize();
    if (column < 1 || column > n || row < 1 || row > n)
        return {};
    switch (board_.cells(board_.index(column, row))) {
    case kRed:
        return phrases_.phrase("red");
    case kBlue:
        return phrases_.phrase("blue");
    case kGrease:
        return phrases_.phrase("grease spot");
    default:
        return {};
    }
}

std::string Spoken::cell(int column, int row) const
{
    const std::string what = contents(column, row);
    std::string text = say("%1, %2", cellName(column, row), what.empty() ? phrases_.phrase("empty") : what);
    if (onWinningLine(column, row))
        text += phrases_.phrase(", winning line");
    return text;
}

template <typename Step, typename Name> std::string Spoken::painted(int count, Step at, Name name) const
{
    std::string list;
    int shown = 0;
    for (int i = 0; i < count; ++i) {
        const auto [column, row] = at(i);
        const std::string what = contents(column, row);
        if (what.empty())
            continue;
        if (shown++ > 0)
            list += ", ";
        list += name(column, row) + " " + what;
    }
    if (shown == 0)
        return phrases_.phrase("empty");
    if (shown < count)
        list += phrases_.phrase("; the rest empty");
    return list;
}

std::string Spoken::row(int row) const
{
    const auto text = painted(
        wallSize(),
        [row](int i) {
            return std::pair{i + 1, row};
        },
        [](int c, int) { return columnName(c); });
    return say("Row %1: %2", std::to_string(row), text);
}

std::string Spoken::column(int column) const
{
    const auto text = painted(
        wallSize(),
        [column](int i) {
            return std::pair{column, i + 1};
        },
        [](int, int r) { return std::to_string(r); });
    return say("Column %1: %2", columnName(column), text);
}

std::string Spoken::diagonals(int column, int row) const
{
    const int n = wallSize();
    // Down to the right from its top end, and up to the right from its bottom end.
    const int back = std::min(column, row) - 1;
    const int c1 = column - back, r1 = row - back;
    const int fall = n - std::max(c1, r1) + 1;
    const int up = std::min(column - 1, n - row);
    const int c2 = column - up, r2 = row + up;
    const int rise = std::min(n - c2 + 1, r2);
    const auto down = painted(
        fall,
        [=](int i) {
            return std::pair{c1 + i, r1 + i};
        },
        cellName);
    const auto rising = painted(
        rise,
        [=](int i) {
            return std::pair{c2 + i, r2 - i};
        },
        cellName);
    return say("Diagonal down: %1. Diagonal up: %2.", down, rising);
}

std::string Spoken::sideName(int side) const
{
    if (side == kRed && settings_.computerPlaysRed != kFalse)
        return phrases_.phrase("Computer");
    return side == kRed ? settings_.redName : settings_.blueName;
}

std::string Spoken::turn() const
{
    if (!state_.boardExists || !state_.gameRunning || state_.gameOver != kFalse)
        return phrases_.phrase("No game is running.");
    return say("%1's turn, move %2.", sideName(board_.currentPlayer), std::to_string(state_.moveCount + 1));
}

std::string Spoken::lastMoves() const
{
    const int latest = state_.lastMover;
    if (!state_.boardExists || latest < 0)
        return phrases_.phrase("No moves yet.");
    std::string text;
    for (const int side : {1 - latest, latest}) {
        if (state_.lastColumn[side] == 0)
            continue;
        if (!text.empty())
            text += " ";
        text += say("%1 played %2.", sideName(side), cellName(state_.lastColumn[side], state_.lastRow[side]));
    }
    return text;
}

} // namespace splot
