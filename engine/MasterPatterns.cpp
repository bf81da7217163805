// The master's view of the wall: the lines' worth kept as splots are played
// and taken back, and the threat a splot makes on a cell.
#include "engine/Master.h"

#include <algorithm>

namespace splot {

namespace {

std::uint64_t splitmix(std::uint64_t& s)
{
    std::uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr int kTempo = 150;                              // a line of three of the side to move, extra
constexpr int kWeakShare = 4;                            // the opponent's lines of one and two: a quarter
constexpr std::size_t kTableSize = std::size_t{1} << 18; // 16 bytes each: 4 MB
constexpr std::size_t kThreatTableSize = std::size_t{1} << 16; // 16 bytes each: 1 MB

} // namespace

MasterSearch::MasterSearch(std::uint32_t seed) : rng_(seed ? seed : 1) {}

int MasterSearch::lineWeight(int v) const
{
    switch (v) {
    case 1:
        return 1;
    case 4:
        return 10;
    case 16:
        return 100;
    case 64:
        return 1000;
    case -1:
        return -1;
    case -4:
        return -10;
    case -16:
        return -100;
    case -64:
        return -1000;
    default:
        return 0; // empty or dead
    }
}

void MasterSearch::attach(Board& board, i16 moveCount)
{
    b_ = &board;
    moves_ = moveCount;
    const int N = board.wallSize;
    const std::size_t cells = static_cast<std::size_t>(board.lastCell) + 1;
    if (sizeBuilt_ != N) {
        // The line families in the order the board numbers them: vertical,
        // horizontal, down to the right, down to the left.
        lineDir_.assign(static_cast<std::size_t>(board.lineCount) + 1, 0);
        const int family[4] = {N * (N - 4), (N - 4) * N, (N - 4) * (N - 4), (N - 4) * (N - 4)};
        int l = 1;
        for (int d = 0; d < 4; ++d)
            for (int k = 0; k < family[d]; ++k)
                lineDir_[l++] = static_cast<std::uint8_t>(d);
        std::uint64_t s = 0x5eedULL + static_cast<std::uint64_t>(N);
        zobrist_.resize(cells);
        for (auto& z : zobrist_)
            z = {splitmix(s), splitmix(s)};
        sizeBuilt_ = N;
    }
    if (table_.size() != kTableSize)
        table_.resize(kTableSize);
    std::fill(table_.begin(), table_.end(), Entry{});
    threatTable_.assign(kThreatTableSize, ThreatEntry{});

    near_.assign(cells, 0);
    key_ = 0;
    lineScore_[0] = lineScore_[1] = weakScore_[0] = weakScore_[1] = 0;
    fourLines_[0] = fourLines_[1] = 0;
    threeLines_[0] = threeLines_[1] = 0;
    for (int c = 0; c < static_cast<int>(cells); ++c) {
        const int code = board.cells(c);
        if (code != kRed && code != kBlue)
            continue;
        key_ ^= zobrist_[c][code];
        for (int dr = -2; dr <= 2; ++dr)
            for (int dc = -2; dc <= 2; ++dc)
                ++near_[c + dc + dr * board.rowStride];
    }
    for (int l = 1; l <= board.lineCount; ++l) {
        const int v = board.lineValue(l);
        addLine(v, 1);
        fourLines_[0] += v == 64;
        fourLines_[1] += v == -64;
        threeLines_[0] += v == 16;
        threeLines_[1] += v == -16;
    }
}

// The lines through a cell, added with the sign given: their weight into score_, their fours
// into fourLines_. Called with -1 before a splot comes or goes and with +1 after.
void MasterSearch::tallyLines(int cell, int sign)
{
    const Board& b = *b_;
    for (int j = 0; j < 20 && b.cellLines(j, cell) != 0; ++j) {
        const int v = b.lineValue(b.cellLines(j, cell));
        addLine(v, sign);
        fourLines_[0] += sign * (v == 64);
        fourLines_[1] += sign * (v == -64);
        threeLines_[0] += sign * (v == 16);
        threeLines_[1] += sign * (v == -16);
    }
}

// The cells within two steps of a cell count one splot more (+1) or less (-1) near them.
void MasterSearch::touchNear(int cell, int change)
{
    for (int dr = -2; dr <= 2; ++dr)
        for (int dc = -2; dc <= 2; ++dc)
            near_[cell + dc + dr * b_->rowStride] += change;
}

void MasterSearch::make(int cell, int side)
{
    tallyLines(cell, -1);
    b_->play(cell, side, moves_, false);
    tallyLines(cell, 1);
    key_ ^= zobrist_[cell][side];
    touchNear(cell, 1);
}

void MasterSearch::unmake(int cell)
{
    const int side = b_->cells(cell);
    tallyLines(cell, -1);
    b_->takeBack(cell, moves_, false);
    tallyLines(cell, 1);
    key_ ^= zobrist_[cell][side];
    touchNear(cell, -1);
}

void MasterSearch::addLine(int v, int sign)
{
    const int w = lineWeight(v);
    const int a = w > 0 ? w : -w;
    (a < 100 ? weakScore_ : lineScore_)[w > 0 ? kRed : kBlue] += sign * a;
}

int MasterSearch::evaluate(int side) const
{
    // The opponent's lines of one and two are no threat yet: the master builds
    // its own rather than block them. The side to move turns its lines of three
    // into fours first: each is worth more to it.
    const int v = lineScore_[me_] + weakScore_[me_] - lineScore_[1 - me_] - weakScore_[1 - me_] / kWeakShare;
    return (side == me_ ? v : -v) + kTempo * threeLines_[side];
}

Threat MasterSearch::threatOf(int cell, int side) const
{
    const Board& b = *b_;
    const int sign = b.playerSign(side);
    // Per direction: lines that become five, the cells that would complete a
    // four made here, lines that become three, two and one.
    int fives[4] = {}, threes[4] = {}, twos[4] = {}, ones[4] = {}, nComp[4] = {};
    int comp[4][4] = {};
    for (int j = 0; j < 20; ++j) {
        const int l = b.cellLines(j, cell);
        if (l == 0)
            break;
        const int v = b.lineValue(l) * sign;
        const int d = lineDir_[l];
        if (v == 64) {
            ++fives[d];
        } else if (v == 16) {
            for (int k = 1; k <= 5; ++k) {
                const int e = b.lineCells(k, l);
                if (e == cell || b.cells(e) != kEmpty)
                    continue;
                if (std::find(comp[d], comp[d] + nComp[d], e) == comp[d] + nComp[d] && nComp[d] < 4)
                    comp[d][nComp[d]++] = e;
            }
        } else if (v == 4) {
            ++threes[d];
        } else if (v == 1) {
            ++twos[d];
        } else if (v == 0) {
            ++ones[d];
        }
    }
    Threat t;
    for (int d = 0; d < 4; ++d) {
        if (fives[d])
            ++t.fives;
        else if (nComp[d] >= 2)
            ++t.openFours;
        else if (nComp[d] == 1)
            ++t.fours;
        else if (threes[d] >= 2)
            ++t.openThrees;
        else if (threes[d] == 1)
            ++t.threes;
        else if (twos[d] >= 2)
            ++t.twos;
        else if (ones[d] > 0)
            ++t.ones;
    }
    return t;
}

} // namespace splot
