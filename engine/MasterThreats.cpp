// The master's searches for a victory by continuous fours, and by threes and
// fours, for either side; the defender's answers read from the lines.
#include "engine/Master.h"

#include <algorithm>

namespace splot {

// The empty cells of the lines holding value (a side's three or four), each once.
void MasterSearch::cellsOfLines(int value, std::vector<int>& out)
{
    const Board& b = *b_;
    out.clear();
    if (stamp_.size() != near_.size())
        stamp_.assign(near_.size(), 0);
    ++stampNow_;
    for (int l = 1; l <= b.lineCount; ++l) {
        if (b.lineValue(l) != value)
            continue;
        for (int k = 1; k <= 5; ++k) {
            const int e = b.lineCells(k, l);
            if (b.cells(e) == kEmpty && stamp_[e] != stampNow_) {
                stamp_[e] = stampNow_;
                out.push_back(e);
            }
        }
    }
}

int MasterSearch::vcfRoot(int side, long budget)
{
    vcfNodesLeft_ = budget;
    const bool tallied = tallyShapes_;
    tallyShapes_ = false;
    const int r = vcf(side, limits.vcfDepth);
    tallyShapes_ = tallied;
    return r;
}

// A threat search's answer for the wall as it stands, from the table or searched and kept.
template <class F> int MasterSearch::remembered(ThreatKind kind, int side, int depth, F search)
{
    const std::uint64_t key =
        key_ ^ (0x9e3779b97f4a7c15ULL * static_cast<std::uint64_t>(1 + kind + 4 * side + 16 * vctWidthNow_));
    ThreatEntry& e = threatTable_[key & (threatTable_.size() - 1)];
    if (e.key == key) {
        // A hold answers yes or no; the victories a cell, which must still be free.
        if (e.result != 0 && e.depth <= depth && (kind == kHolds || b_->cells(e.result) == kEmpty))
            return e.result;
        if (e.result == 0 && e.depth >= depth)
            return 0;
    }
    const int r = search();
    if (r != 0 || (vcfNodesLeft_ > 0 && !stopped_)) {
        e.key = key;
        e.result = static_cast<i16>(r);
        e.depth = static_cast<std::int8_t>(depth);
    }
    return r;
}

int MasterSearch::vcf(int side, int depth)
{
    return remembered(kByFours, side, depth, [&] { return vcfSearch(side, depth); });
}

int MasterSearch::vct(int side, int depth)
{
    return remembered(kByThrees, side, depth, [&] { return vctSearch(side, depth); });
}

bool MasterSearch::threatHolds(int side, int depth)
{
    return remembered(kHolds, side, depth, [&] { return threatHoldsSearch(side, depth) ? 1 : 0; }) != 0;
}

int MasterSearch::vcfSearch(int side, int depth)
{
    Board& b = *b_;
    const int opp = 1 - side;
    const int sign = b.playerSign(side);
    std::vector<int> cells;
    // Any cell that completes five ends it at once.
    if (fourLines_[side] > 0) {
        cellsOfLines(64 * sign, cells);
        if (!cells.empty())
            return cells.front();
    }
    // Its own budget, apart from the search's nodes; the clock still counts.
    if (depth <= 0 || --vcfNodesLeft_ < 0 || stopped_)
        return 0;
    if ((++vcfNodes_ & 255) == 0 && limits.seconds > 0 && now_ && now_() >= deadline_)
        stopped_ = true;

    // A four of the opponent leaves one move: the block, if it makes a four too.
    int forced = 0;
    if (fourLines_[opp] > 0) {
        cellsOfLines(-64 * sign, cells);
        if (cells.size() != 1)
            return 0;
        forced = cells.front();
    }

    cellsOfLines(16 * sign, cells);
    for (const int i : cells) {
        if (forced && i != forced)
            continue;
        make(i, side);
        // The cells where the four now completes.
        int block = 0, ways = 0;
        for (int j = 0; j < 20 && b.cellLines(j, i) != 0; ++j) {
            const int l = b.cellLines(j, i);
            if (b.lineValue(l) != 64 * sign)
                continue;
            for (int k = 1; k <= 5; ++k) {
                const int e = b.lineCells(k, l);
                if (b.cells(e) != kEmpty)
                    continue;
                if (block == 0) {
                    block = e;
                    ways = 1;
                } else if (e != block) {
                    ways = 2;
                }
            }
        }
        bool won = ways >= 2 && fourLines_[opp] == 0;
        if (!won && block != 0 && fourLines_[opp] == 0) {
            make(block, opp);
            won = vcf(side, depth - 1) != 0;
            unmake(block);
        }
        unmake(i);
        if (won)
            return i;
    }
    return 0;
}

// A victory by threes and fours for side, side to move, of at most depth own
// threats: its first cell, or 0. The defender's answers to a three are the cells
// of the attacker's three-lines and the defender's own fours.
int MasterSearch::vctSearch(int side, int depth)
{
    if (const int win = vcf(side, limits.vcfDepth))
        return win;
    const int opp = 1 - side;
    const int sign = b_->playerSign(side);
    if (depth <= 0 || fourLines_[opp] > 0 || vcfNodesLeft_ <= 0 || stopped_)
        return 0;
    std::vector<int> cells, threats;
    cellsOfLines(4 * sign, cells);
    cellsOfLines(16 * sign, threats);
    cells.insert(cells.end(), threats.begin(), threats.end());
    std::vector<std::pair<int, int>> ranked;
    for (const int i : cells) {
        const Threat t = threatOf(i, side);
        if (t.openThrees || t.fours)
            ranked.push_back({-(t.fours * 4 + t.openThrees * 3 + t.threes), i});
    }
    std::sort(ranked.begin(), ranked.end());
    ranked.erase(std::unique(ranked.begin(), ranked.end()), ranked.end());
    if (ranked.size() > static_cast<std::size_t>(vctWidthNow_))
        ranked.resize(static_cast<std::size_t>(vctWidthNow_));
    for (const auto& [rank, i] : ranked) {
        make(i, side);
        bool won;
        if (fourLines_[side] > 0) {
            // A four: its one block, then the attack goes on.
            cellsOfLines(64 * sign, threats);
            make(threats.front(), opp);
            won = fourLines_[opp] == 0 && vct(side, depth - 1) != 0;
            unmake(threats.front());
        } else {
            won = threatHolds(side, depth - 1);
        }
        unmake(i);
        if (won)
            return i;
        if (vcfNodesLeft_ <= 0 || stopped_)
            break;
    }
    return 0;
}

// Side threatens an open four, the opponent to move: does every answer lose to
// a further victory by threes and fours?
bool MasterSearch::threatHoldsSearch(int side, int depth)
{
    const int opp = 1 - side;
    const int sign = b_->playerSign(side);
    if (--vcfNodesLeft_ < 0 || stopped_ || fourLines_[opp] > 0)
        return false;
    std::vector<int> answers, fours, blocks;
    if (fourLines_[side] > 0) {
        // A four of the attacker: one block, or none helps.
        cellsOfLines(64 * sign, blocks);
        if (blocks.size() != 1)
            return !blocks.empty();
        make(blocks.front(), opp);
        const bool holds = fourLines_[opp] == 0 && vct(side, depth) != 0;
        unmake(blocks.front());
        return holds;
    }
    cellsOfLines(16 * sign, answers);
    bool pending = false;
    for (const int i : answers) {
        const Threat t = threatOf(i, side);
        pending = pending || t.openFours || t.fours >= 2;
    }
    if (!pending || vcf(opp, limits.vcfDepth))
        return false;
    cellsOfLines(-16 * sign, fours);
    for (const int f : fours)
        if (std::find(answers.begin(), answers.end(), f) == answers.end())
            answers.push_back(f);
    for (const int a : answers) {
        make(a, opp);
        bool holds;
        if (fourLines_[opp] > 0) {
            // A four of the defender: blocked, and the threat still to be answered.
            cellsOfLines(-64 * sign, blocks);
            holds = blocks.size() == 1;
            if (holds) {
                const int g = blocks.front();
                make(g, side);
                holds = threatHolds(side, depth);
                unmake(g);
            }
        } else {
            holds = vct(side, depth) != 0;
        }
        unmake(a);
        if (!holds)
            return false;
    }
    return true;
}

int MasterSearch::vctRoot(int side, long budget, int depth, int width)
{
    vcfNodesLeft_ = budget;
    vctWidthNow_ = width;
    const bool tallied = tallyShapes_;
    tallyShapes_ = false;
    const int r = vct(side, depth);
    tallyShapes_ = tallied;
    return r;
}

} // namespace splot
