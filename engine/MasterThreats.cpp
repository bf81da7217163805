// The master's searches for a victory by continuous fours, and by threes and
// fours, for either side; the defender's answers read from the lines.
#include "engine/Master.h"

#include <algorithm>

namespace splot {

int MasterSearch::vcfRoot(int side, long budget)
{
    vcfNodesLeft_ = budget;
    return vcf(side, limits.vcfDepth);
}

// A threat search's answer for the wall as it stands, from the table or searched and kept.
template <class F> int MasterSearch::remembered(ThreatKind kind, int side, int depth, F search)
{
    const std::uint64_t key =
        key_ ^ (0x9e3779b97f4a7c15ULL * static_cast<std::uint64_t>(1 + kind + 4 * side + 16 * vctWidthNow_));
    ThreatEntry& e = threatTable_[key & (threatTable_.size() - 1)];
    if (e.key == key) {
        // A hold answers yes or no; the victories a cell, which must still be free.
        if (e.result != 0 && e.depth <= depth &&
            (kind == kHolds || code_[static_cast<std::size_t>(e.result)] == 0))
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
    const int opp = 1 - side;
    // Any cell that completes five ends it at once.
    if (!fives_[side].list.empty())
        return fives_[side].list.front();
    // Its own budget, apart from the search's nodes; the clock still counts.
    if (depth <= 0 || --vcfNodesLeft_ < 0 || stopped_)
        return 0;
    if ((++vcfNodes_ & 255) == 0 && limits.seconds > 0 && now_ && now_() >= deadline_)
        stopped_ = true;

    // A four of the opponent leaves one move: the block, if it makes a four too.
    int forced = 0;
    if (!fives_[opp].list.empty()) {
        if (fives_[opp].list.size() != 1)
            return 0;
        forced = fives_[opp].list.front();
    }

    const std::vector<i16> cells = fours_[side].list;
    for (const int i : cells) {
        if (forced && i != forced)
            continue;
        make(i, side);
        // The cells where the four now completes: two win, one must be blocked.
        const std::size_t ways = fives_[side].list.size();
        const bool theirFour = !fives_[opp].list.empty();
        bool won = ways >= 2 && !theirFour;
        if (!won && ways == 1 && !theirFour) {
            const int block = fives_[side].list.front();
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
    if (depth <= 0 || !fives_[opp].list.empty() || vcfNodesLeft_ <= 0 || stopped_)
        return 0;
    std::vector<std::pair<int, int>> ranked;
    for (const CellSet* set : {&fours_[side], &threes_[side]})
        for (const int i : set->list) {
            if (set == &threes_[side] && fours_[side].at[static_cast<std::size_t>(i)] >= 0)
                continue; // ranked with the fours already
            const Threat t = threatOf(i, side);
            ranked.push_back({-(t.fours * 4 + t.openThrees * 3 + t.threes), i});
        }
    std::sort(ranked.begin(), ranked.end());
    if (ranked.size() > static_cast<std::size_t>(vctWidthNow_))
        ranked.resize(static_cast<std::size_t>(vctWidthNow_));
    for (const auto& [rank, i] : ranked) {
        make(i, side);
        bool won;
        if (!fives_[side].list.empty()) {
            // A four: its one block, then the attack goes on.
            const int block = fives_[side].list.front();
            make(block, opp);
            won = fives_[opp].list.empty() && vct(side, depth - 1) != 0;
            unmake(block);
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
    if (--vcfNodesLeft_ < 0 || stopped_ || !fives_[opp].list.empty())
        return false;
    if (!fives_[side].list.empty()) {
        // A four of the attacker: one block, or none helps.
        if (fives_[side].list.size() != 1)
            return true;
        const int block = fives_[side].list.front();
        make(block, opp);
        const bool holds = fives_[opp].list.empty() && vct(side, depth) != 0;
        unmake(block);
        return holds;
    }
    // An open four (or two fours) still to come, and no victory by fours of the defender first.
    bool pending = false;
    for (const int i : fours_[side].list) {
        const Threat t = threatOf(i, side);
        pending = pending || t.openFours || t.fours >= 2;
    }
    if (!pending || vcf(opp, limits.vcfDepth))
        return false;
    for (const int a : answersTo(side)) {
        make(a, opp);
        bool holds;
        if (!fives_[opp].list.empty()) {
            // A four of the defender: blocked, and the threat still to be answered.
            holds = fives_[opp].list.size() == 1;
            if (holds) {
                const int g = fives_[opp].list.front();
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

// The answers to a three of the attacker: the cells where it makes a four (they hold every way
// to block the three), then the defender's own fours.
std::vector<i16> MasterSearch::answersTo(int attacker) const
{
    std::vector<i16> answers = fours_[attacker].list;
    for (const i16 f : fours_[1 - attacker].list)
        if (fours_[attacker].at[static_cast<std::size_t>(f)] < 0)
            answers.push_back(f);
    return answers;
}

int MasterSearch::vctRoot(int side, long budget, int depth, int width)
{
    vcfNodesLeft_ = budget;
    vctWidthNow_ = width;
    return vct(side, depth);
}

} // namespace splot
