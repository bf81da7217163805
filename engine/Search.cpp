// Feld_Suche: the computer's one-move-ahead choice by level, the hint, and
// the draw offer.
#include "engine/Search.h"

#include "platform/Questions.h"
#include "platform/Random.h"

namespace splot {

namespace {

// Weight of the opponent's potential for a level; draws a fresh random number
// where the level's weight is random.
inline double opponentWeight(int level, int moveCount, Random& random)
{
    switch (level) {
    case 0:
        return 0.1 + 0.25 * random.Rnd();
    case 1:
        return moveCount < 8 ? 0.85 : 0.1 + 0.45 * random.Rnd();
    case 2:
        return moveCount < 12 ? 0.85 : 0.25 + 0.35 * random.Rnd();
    default:
        return 0.85;
    }
}

// The values of one empty cell, given the bonus for its lines.
inline void valuesOf(const Board& board, int i, int level, i16 moveCount, double bonus, Random& random,
                     double& a, double& b)
{
    const double R = board.cellScore(0, i);
    const double B = board.cellScore(1, i);
    if (R >= 64) {
        a = 10000.0;
    } else {
        const double w = opponentWeight(level, moveCount, random);
        a = R - w * B;
        a = a + 0.3 * random.Rnd();
        a = a + bonus - 0.01;
    }
    if (B <= -64) {
        b = -10000.0;
    } else {
        const double w = opponentWeight(level, moveCount, random);
        b = B - w * R;
        b = b + 0.3 * random.Rnd();
        b = b - bonus - 0.01;
    }
}

// The bonus per line through a cell: 10 to the level, times the lines, times
// 0.04, divided by 1000, in that order.
inline double lineBonus(int level, int lines)
{
    static constexpr double kPow10[4] = {1.0, 10.0, 100.0, 1000.0};
    return kPow10[level] * lines * 0.04 / 1000.0;
}

inline int knownLevel(int level)
{
    return level < 0 ? 0 : (level > 3 ? 3 : level);
}

} // namespace

void Search::cellValues(const Board& board, int i, int level, i16 moveCount, double& a, double& b)
{
    level = knownLevel(level);
    valuesOf(board, i, level, moveCount, lineBonus(level, board.cellLineCount(i)), random_, a, b);
}

bool Search::Feld_Suche(Board& board, i16 moveCount, i16& column, i16& row)
{
    double bestRed = -10000.0;
    double bestBlue = 10000.0;
    i16 redColumn = 0, redRow = 0, blueColumn = 0, blueRow = 0;
    bool anyEmpty = false;

    // A level outside the four known ones (a hand-edited settings file) plays
    // at the nearest known level.
    const int level = knownLevel(hintMode ? 3 : gameLevel);
    double bonusByLines[21];
    for (int k = 0; k <= 20; ++k)
        bonusByLines[k] = lineBonus(level, k);

    const int N = board.wallSize;
    for (int c = 1; c <= N; ++c) {
        for (int r = 1; r <= N; ++r) {
            const int i = board.index(c, r);
            board.currentCell = static_cast<i16>(i);
            if (board.cells(i) != kEmpty)
                continue;
            anyEmpty = true;
            double a, b;
            valuesOf(board, i, level, moveCount, bonusByLines[board.cellLineCount(i)], random_, a, b);

            if (a > bestRed) {
                bestRed = a;
                redColumn = static_cast<i16>(c);
                redRow = static_cast<i16>(r);
            }
            if (b < bestBlue) {
                bestBlue = b;
                blueColumn = static_cast<i16>(c);
                blueRow = static_cast<i16>(r);
            }
        }
    }

    // A full wall has no cell to give; the game controller never asks then,
    // but a cell (0, 0) would lie on the border.
    if (!anyEmpty)
        return false;

    // Neither side has anything left to build on: past half the wall, offer a draw.
    const bool redAlive = bestRed >= 1.0 || bestRed <= -1.0;
    const bool blueAlive = bestBlue >= 1.0 || bestBlue <= -1.0;
    if (!redAlive && !blueAlive && moveCount > board.playableCells / 2) {
        inc(drawOfferCounter);
        if (drawOfferCounter >= 3) {
            if (questions_.askYesNo("What do you think about a draw?", "")) {
                sink_.drawAccepted();
                return false;
            }
            drawOfferCounter = -5;
        }
    }

    if (board.currentPlayer == kRed) {
        column = redColumn;
        row = redRow;
    } else {
        column = blueColumn;
        row = blueRow;
    }
    return true;
}

} // namespace splot
