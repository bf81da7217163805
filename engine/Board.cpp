// The board: a new game's tables, the grease spots and the evaluation of a
// move (Zug_Auswertung) over every line through the cell.
#include "engine/Board.h"

#include "platform/Canvas.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace splot {

int roundHalfEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

void Board::columnRow(int index, int& column, int& row) const
{
    row = index / rowStride - 3;
    column = index - (row + 3) * rowStride - 3;
}

void Board::newGame(int N)
{
    // The tables need at least five cells per side; the upper bound keeps every
    // index, line number and count inside 16 bits.
    if (N < kMinWallSize || N > kMaxWallSize)
        throw std::invalid_argument("wall size " + std::to_string(N) + " is outside " +
                                    std::to_string(kMinWallSize) + ".." + std::to_string(kMaxWallSize));

    wallSize = static_cast<i16>(N);
    lineCount = static_cast<i16>(4 * N * N - 24 * N + 32);
    lastCell = static_cast<i16>((N + 8) * (N + 8) - 1);
    playableCells = static_cast<i16>(N * N);
    rowStride = static_cast<i16>(N + 8);
    cellOrigin = static_cast<i16>(3 * rowStride + 3);

    playerSign_ = {1, -1, 0, 0};

    const std::size_t cellsN = static_cast<std::size_t>(lastCell) + 1;
    const std::size_t linesN = static_cast<std::size_t>(lineCount) + 1;
    cells_.assign(cellsN, 0);
    lineValue_.assign(linesN, 0);
    cellScore_.assign(2 * cellsN, 0);
    cellLineCount_.assign(cellsN, 0);
    lineCells_.assign(6 * linesN, 0);
    cellLines_.assign(20 * cellsN, 0);

    Init_Feldzeiger();
    Init_Feldoffset();

    std::fill(cells_.begin(), cells_.end(), static_cast<i16>(kEmpty));
}

void Board::Init_Feldzeiger()
{
    const int N = wallSize;
    int l = 1;
    auto addLine = [&](int c, int r, int dc, int dr) {
        for (int i = 0; i < 5; ++i) {
            const int x = index(c + i * dc, r + i * dr);
            lineCellAt(i + 1, l) = static_cast<i16>(x);
            cellLineAt(cellLineCount(x), x) = static_cast<i16>(l);
            inc(cellLineCountAt(x));
        }
        ++l;
    };
    // Vertical, horizontal, down to the right, down to the left; each family
    // by the column of its starting cell, then its row.
    for (int c = 1; c <= N; ++c)
        for (int r = 1; r <= N - 4; ++r)
            addLine(c, r, 0, 1);
    for (int c = 1; c <= N - 4; ++c)
        for (int r = 1; r <= N; ++r)
            addLine(c, r, 1, 0);
    for (int c = 1; c <= N - 4; ++c)
        for (int r = 1; r <= N - 4; ++r)
            addLine(c, r, 1, 1);
    for (int c = 5; c <= N; ++c)
        for (int r = 1; r <= N - 4; ++r)
            addLine(c, r, -1, 1);
}

void Board::Init_Feldoffset()
{
    // The eight directions as (column step, row step), in table order.
    static constexpr int dir[8][2] = {{1, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    int k = 1;
    for (int d = 1; d <= 4; ++d)
        for (const auto& m : dir)
            neighbourOffset_[k++] = static_cast<i16>(m[0] * d + m[1] * d * rowStride);
}

void Board::Zug_Auswertung()
{
    enter(currentCell, currentPlayer);
}

void Board::enter(int filled, int code)
{
    const i16 sign = playerSign_[code];
    const i16* lines = &cellLines_[static_cast<std::size_t>(filled) * 20];

    // The lines through the filled cell.
    for (int j = 0; j < 20; ++j) {
        const int l = lines[j];
        if (l == 0)
            break;
        i16& value = lineValue_[l];
        if (code == kGrease)
            value = kDeadLine;
        const i16 v = value;
        if (v == kDeadLine)
            continue;
        if (v == 0)
            value = sign;
        else if ((v > 0) == (sign > 0))
            value = static_cast<i16>(4 * v);
        else
            value = kDeadLine;
    }

    // Every cell that shares a line with it: the 32 cells at distance 1..4 on the
    // eight rays. Occupied cells keep their 100.
    for (int k = 1; k <= 32; ++k) {
        const int c = filled + neighbourOffset_[k];
        if (cellScore_[static_cast<std::size_t>(c) * 2] != kOccupied)
            potentialsOf(c);
    }
}

void Board::potentialsOf(int c)
{
    int pos = 0;
    int neg = 0;
    const i16* through = &cellLines_[static_cast<std::size_t>(c) * 20];
    for (int j = 0; j < 20; ++j) {
        const int l = through[j];
        if (l == 0)
            break;
        const int v = lineValue_[l];
        if (v == kDeadLine)
            continue;
        if (v > 0)
            pos += v;
        else
            neg += v;
    }
    if (pos > 64)
        pos = 65;
    if (neg < -64)
        neg = -65;
    i16* score = &cellScore_[static_cast<std::size_t>(c) * 2];
    score[0] = static_cast<i16>(pos);
    score[1] = static_cast<i16>(neg);
}

int Board::fiveLine(int cell, int side) const
{
    const i16 four = static_cast<i16>(64 * playerSign_[side]);
    const i16* lines = &cellLines_[static_cast<std::size_t>(cell) * 20];
    for (int j = 0; j < 20 && lines[j] != 0; ++j)
        if (lineValue_[lines[j]] == four)
            return lines[j];
    return 0;
}

void Board::land(int cell, int code)
{
    currentCell = static_cast<i16>(cell);
    currentPlayer = static_cast<i16>(code);
    cells_[cell] = currentPlayer;
    cellScoreAt(0, cell) = kOccupied;
    cellScoreAt(1, cell) = kOccupied;
    Zug_Auswertung();
}

void Board::play(int cell, int side, i16& moveCount)
{
    cells_[cell] = static_cast<i16>(side);
    cellScoreAt(0, cell) = kOccupied;
    cellScoreAt(1, cell) = kOccupied;
    enter(cell, side);
    inc(moveCount);
}

i16 Board::valueFromCells(int line) const
{
    int red = 0, blue = 0;
    for (int k = 1; k <= 5; ++k) {
        const int code = cells_[lineCells(k, line)];
        if (code == kGrease)
            return kDeadLine;
        red += code == kRed;
        blue += code == kBlue;
    }
    if (red && blue)
        return kDeadLine;
    int v = red ? 1 : blue ? -1 : 0;
    for (int n = 1; n < red + blue; ++n)
        v *= 4;
    return static_cast<i16>(v);
}

void Board::takeBack(int cell, i16& moveCount)
{
    cells_[cell] = kEmpty;
    recomputeAround(cell);
    moveCount = static_cast<i16>(moveCount - 1);
}

void Board::recomputeAround(int cell)
{
    // A line's value depends on its five cells alone, so the lines through the
    // cell are read again from the cells; then the cell and its neighbours.
    const i16* lines = &cellLines_[static_cast<std::size_t>(cell) * 20];
    for (int j = 0; j < 20 && lines[j] != 0; ++j)
        lineValue_[lines[j]] = valueFromCells(lines[j]);
    potentialsOf(cell);
    for (int k = 1; k <= 32; ++k) {
        const int c = cell + neighbourOffset_[k];
        if (cellScore_[static_cast<std::size_t>(c) * 2] != kOccupied)
            potentialsOf(c);
    }
}

void Board::Fettflecken(Random& random, Canvas& wall, int cellSize, int innerSize)
{
    const int N = wallSize;
    random.Randomize();
    const int count = roundHalfEven(random.Rnd() * (N * N / 30.0) + N / 3.0);

    for (int attempt = 0; attempt <= count; ++attempt) {
        int column = roundHalfEven(random.Rnd() * N + 1);
        if (column > N)
            column = N;
        int row = roundHalfEven(random.Rnd() * N + 1);
        if (row > N)
            row = N;
        currentCell = static_cast<i16>(index(column, row));
        if (cells(currentCell) == kGrease)
            continue; // two attempts on one cell: one spot fewer

        placeGreaseSpot(column, row);
        drawGreaseSpot(random, wall, column, row, cellSize, innerSize);
    }
}

void Board::placeGreaseSpot(int column, int row)
{
    playableCells = static_cast<i16>(playableCells - 1);
    land(index(column, row), kGrease);
}

void Board::drawGreaseSpot(Random& random, Canvas& wall, int column, int row, int cellSize, int innerSize)
{
    // Five yellow drops scattered around the middle of the cell.
    wall.setFillStyle(Canvas::Solid);
    wall.setForeColor(14);
    wall.setFillColor(14);
    for (int drop = 0; drop < 5; ++drop) {
        const double sx = random.Rnd() < 0.5 ? -1.0 : 1.0;
        const int dx = roundHalfEven(sx * random.Rnd() * cellSize / 3.5);
        const double sy = random.Rnd() < 0.5 ? -1.0 : 1.0;
        const int dy = roundHalfEven(sy * random.Rnd() * cellSize / 3.5);
        const double radius = (0.1 + 0.15 * random.Rnd()) * innerSize;
        wall.circle((column - 0.5) * cellSize + dx, (row - 0.5) * cellSize + dy, radius);
    }
}

} // namespace splot
