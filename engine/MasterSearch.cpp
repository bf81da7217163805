// The master's choice of move: the sure moves first (five, the block of a
// four, an open four, a victory by fours or threes), then an alpha-beta search
// with iterative deepening and a transposition table within the time budget.
#include "engine/Master.h"

#include <algorithm>
#include <chrono>

namespace splot {

namespace {

constexpr int kWin = 10'000'000;
constexpr int kWon = kWin - 1000; // values beyond this are won (or lost) games
enum Bound : std::uint8_t { kExact = 1, kLower = 2, kUpper = 3 };

// How much a splot's threat is worth when moves are ordered.
int worth(const Threat& t)
{
    if (t.fives)
        return 10'000'000;
    if (t.openFours || t.fours >= 2)
        return 1'000'000;
    if (t.fours && (t.openThrees || t.threes))
        return t.openThrees ? 100'000 : 3000 + 300 * t.threes;
    if (t.openThrees >= 2)
        return 50'000;
    return 1500 * t.fours + 2000 * t.openThrees + 300 * t.threes + 80 * t.twos + 5 * t.ones;
}

bool makesFour(const Threat& t)
{
    return t.fives || t.openFours || t.fours;
}

} // namespace

std::uint32_t MasterSearch::nextRandom()
{
    // xorshift32: seeded, so games replay in tests and vary in play.
    rng_ ^= rng_ << 13;
    rng_ ^= rng_ >> 17;
    rng_ ^= rng_ << 5;
    return rng_;
}

bool MasterSearch::outOfTime()
{
    if (stopped_)
        return true;
    if ((nodes_ & 255) != 0)
        return false;
    if (limits.nodes > 0 && nodes_ >= nodeBudget_)
        stopped_ = true;
    else if (limits.seconds > 0 && now_ && now_() >= deadline_)
        stopped_ = true;
    return stopped_;
}

// The moves worth searching for side, best first. Sets opponentThreatens when
// the opponent has an open three (a cell that makes an open four) and
// mustBlock to a cell where the opponent completes five (0 if none). Returns
// the number of cells where the opponent completes five.
int MasterSearch::candidates(int side, std::vector<Candidate>& out, bool& opponentThreatens, int& mustBlock)
{
    const Board& b = *b_;
    const int opp = 1 - side;
    const int N = b.wallSize;
    out.clear();
    opponentThreatens = false;
    mustBlock = 0;
    int oppFives = 0;
    for (int i = b.index(1, 1); i <= b.index(N, N); ++i) {
        if (near_[i] == 0 || code_[static_cast<std::size_t>(i)] != 0)
            continue;
        const Threat me = threatOf(i, side);
        const Threat them = threatOf(i, opp);
        if (them.fives) {
            ++oppFives;
            mustBlock = i;
        }
        opponentThreatens = opponentThreatens || them.openFours || them.fours >= 2;
        out.push_back({i, worth(me) + worth(them) * 9 / 10, makesFour(me), makesFour(them),
                       me.openFours > 0 || me.fours >= 2});
    }
    if (opponentThreatens) {
        // Against an open three only the cells of its lines, or own fours, help.
        std::erase_if(out, [](const Candidate& c) { return !(c.theirFour || c.ownFour); });
    }
    std::sort(out.begin(), out.end());
    return oppFives;
}

// The worth of a wall at the search's horizon for side to move: won when a short victory by
// fours is there, else the shapes' worth.
int MasterSearch::leafValue(int side, int ply)
{
    if (limits.leafFours > 0 && !fours_[side].list.empty()) {
        const long left = vcfNodesLeft_;
        vcfNodesLeft_ = limits.leafFours;
        const int win = vcf(side, limits.vcfDepth);
        vcfNodesLeft_ = left;
        if (win)
            return kWin - ply - 2 * limits.vcfDepth;
    }
    return evaluate(side);
}

// Beyond the horizon, the side to move answers a threat of the opponent. The sets of cells are
// kept as splots come and go, so no wall is scanned here.
int MasterSearch::horizonAnswers(int side, int depth, int ply, int alpha, int beta)
{
    const int still = leafValue(side, ply);
    if (still >= kWon)
        return still; // a victory by fours of its own
    const std::vector<i16> answers = answersTo(1 - side);
    int best = -kWin - 1;
    for (std::size_t k = 0; k < answers.size() && alpha < beta; ++k) {
        make(answers[k], side);
        const int v = -negamax(1 - side, depth - 1, ply + 1, -beta, -alpha);
        unmake(answers[k]);
        if (stopped_)
            return 0;
        best = std::max(best, v);
        alpha = std::max(alpha, v);
    }
    return answers.empty() ? still : best;
}

int MasterSearch::negamax(int side, int depth, int ply, int alpha, int beta)
{
    ++nodes_;
    if (outOfTime())
        return 0;
    const int opp = 1 - side;
    if (!fives_[side].list.empty())
        return kWin - ply; // five at once
    if (moves_ >= b_->playableCells)
        return 0;
    if (depth <= 0 && fives_[opp].list.empty()) {
        // The opponent has just made an open three, or a four and three: answered before the
        // wall is valued, or a double threat one move ahead would look like any other shape.
        if (depth > -2 && sureCells_[opp] > 0 && sureCells_[side] == 0)
            return horizonAnswers(side, depth, ply, alpha, beta);
        return leafValue(side, ply);
    }

    const std::uint64_t key = key_ ^ static_cast<std::uint64_t>(side);
    Entry& e = table_[key & (table_.size() - 1)];
    int hashMove = 0;
    if (e.key == key) {
        hashMove = e.move;
        if (e.depth >= depth) {
            if (e.bound == kExact || (e.bound == kLower && e.value >= beta) ||
                (e.bound == kUpper && e.value <= alpha))
                return e.value;
        }
    }

    std::vector<Candidate> moves;
    bool threatened = false;
    int block = 0;
    const int oppFives = candidates(side, moves, threatened, block);
    if (oppFives >= 2 || (!fives_[opp].list.empty() && block == 0))
        return -(kWin - ply - 1);
    if (moves.empty())
        return evaluate(side);
    if (oppFives == 1) {
        moves = {{block, 0, false, false, false}};
        depth = ply < 24 ? depth + 1 : depth; // a forced reply costs no depth
    } else {
        // An open four (or two fours) against no four of the opponent: won.
        bool oppFour = false, openFour = false;
        for (const Candidate& c : moves) {
            oppFour = oppFour || c.theirFour;
            openFour = openFour || c.ownOpenFour;
        }
        if (openFour && !oppFour)
            return kWin - ply - 2;
    }
    if (depth <= 0)
        return evaluate(side);

    if (hashMove) {
        auto it =
            std::find_if(moves.begin(), moves.end(), [&](const Candidate& c) { return c.cell == hashMove; });
        if (it != moves.end())
            std::rotate(moves.begin(), it, it + 1);
    }
    const std::size_t width = ply <= 1 ? 12 : 8;
    if (moves.size() > width)
        moves.resize(width);

    const int alphaIn = alpha;
    int best = -kWin - 1, bestMove = moves.front().cell;
    for (const Candidate& c : moves) {
        make(c.cell, side);
        // The first move with the whole window, the others only to show they are worse.
        int v = c.cell == moves.front().cell ? -negamax(opp, depth - 1, ply + 1, -beta, -alpha)
                                             : -negamax(opp, depth - 1, ply + 1, -alpha - 1, -alpha);
        if (v > alpha && v < beta && c.cell != moves.front().cell)
            v = -negamax(opp, depth - 1, ply + 1, -beta, -alpha);
        unmake(c.cell);
        if (stopped_)
            return 0;
        if (v > best) {
            best = v;
            bestMove = c.cell;
        }
        alpha = std::max(alpha, v);
        if (alpha >= beta)
            break;
    }
    e.key = key;
    e.value = best;
    e.move = static_cast<i16>(bestMove);
    e.depth = static_cast<std::int8_t>(depth);
    e.bound = best <= alphaIn ? kUpper : best >= beta ? kLower : kExact;
    return best;
}

void MasterSearch::start(Board& board, i16 moveCount)
{
    attach(board, moveCount);
    nodes_ = 0;
    nodeBudget_ = limits.nodes * 225 / (board.wallSize * board.wallSize);
    stopped_ = false;
    depthReached = 0;
    if (!now_)
        now_ = [] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
        };
    begun_ = now_();
    deadline_ = begun_ + limits.seconds;
}

// The searches before the alpha-beta end by a share of the time budget, so that each
// later one still gets its turn; a search stopped by its share leaves the rest running.
void MasterSearch::phase(double share)
{
    if (stopped_ && limits.seconds > 0 && now_() < begun_ + limits.seconds)
        stopped_ = false;
    deadline_ = begun_ + share * limits.seconds;
}

int MasterSearch::victoryByFours(Board& board, int side, i16 moveCount)
{
    start(board, moveCount);
    return vcfRoot(side, limits.vcfNodes);
}

int MasterSearch::victoryByThrees(Board& board, int side, i16 moveCount)
{
    start(board, moveCount);
    return vctRoot(side, limits.vctNodes, limits.vctDepth, limits.vctWidth);
}

// Does the opponent of side, side having just played, win by fours (or, unless byFours, by
// threes)? A four of side is blocked first. Sure is false when the search ran out of budget.
bool MasterSearch::opponentWins(int side, bool byFours, bool& sure, long budget)
{
    sure = true;
    const int opp = 1 - side;
    int block = 0;
    if (!fives_[side].list.empty()) {
        if (fives_[side].list.size() != 1)
            return false; // five at once
        block = fives_[side].list.front();
        make(block, opp);
    }
    const bool wins = byFours ? vcfRoot(opp, budget) != 0
                              : vctRoot(opp, budget, limits.defenceDepth, limits.defenceWidth) != 0;
    sure = wins || vcfNodesLeft_ > 0;
    if (block)
        unmake(block);
    return wins;
}

int MasterSearch::choose(Board& board, int side, i16 moveCount)
{
    start(board, moveCount);
    const int N = board.wallSize;
    const int opp = 1 - side;

    std::vector<Candidate> moves;
    bool threatened = false;
    int block = 0;
    candidates(side, moves, threatened, block);
    nodesSearched = 0;
    valueFound = 0;
    if (moves.empty()) {
        // No splot yet (grease spots aside): the middle, or a cell next to it.
        const int mid = (N + 1) / 2;
        for (int ring = 0; ring < N; ++ring) {
            std::vector<int> free;
            for (int c = std::max(1, mid - ring); c <= std::min(N, mid + ring + (N % 2 == 0)); ++c)
                for (int r = std::max(1, mid - ring); r <= std::min(N, mid + ring + (N % 2 == 0)); ++r)
                    if (board.cells(board.index(c, r)) == kEmpty)
                        free.push_back(board.index(c, r));
            if (!free.empty())
                return free[nextRandom() % free.size()];
        }
        return 0;
    }

    // The sure moves: five, then the block of a four, then an open four.
    for (const Candidate& c : moves)
        if (board.fiveLine(c.cell, side))
            return c.cell;
    if (block)
        return block;
    for (const Candidate& c : moves)
        if (c.ownOpenFour)
            return c.cell;
    phase(0.15);
    if (const int win = vcfRoot(side, limits.vcfNodes))
        return win;
    if (const int win = vctRoot(side, limits.vctNodes, limits.vctDepth, limits.vctWidth))
        return win;
    // The short search finds short victories within its budget, which a long one can spend on wide misses.
    if (limits.longVctDepth > 0)
        if (const int win = vctRoot(side, limits.vctNodes, limits.longVctDepth, limits.longVctWidth))
            return win;
    phase(0.5);

    // Equal moves in random order: games vary.
    for (Candidate& c : moves)
        c.score = c.score * 16 + static_cast<int>(nextRandom() % 16);
    std::sort(moves.begin(), moves.end());

    // A victory by fours (or else by threes) for the opponent, or a search for one that
    // ran out of budget: only moves that spoil it. Those proven first, else those
    // after which the search found nothing but did not finish.
    const bool byFours = !stopped_ && vcfRoot(opp, limits.vcfNodes);
    bool sure = true;
    if (byFours || (!stopped_ && (opponentWins(side, false, sure, limits.vctNodes) || !sure))) {
        // Spoil: no victory of the opponent left; byThrees: its fours spoiled, its threes not.
        std::vector<Candidate> spoil, byThrees, unsure;
        // The best-placed defences and counter-fours.
        if (moves.size() > static_cast<std::size_t>(limits.defences))
            moves.resize(static_cast<std::size_t>(limits.defences));
        for (const Candidate& c : moves) {
            make(c.cell, side);
            // Against fours a quarter of the budget is enough; the time phase bounds them all.
            const bool wins =
                opponentWins(side, byFours, sure, byFours ? limits.vcfNodes / 4 : limits.vctNodes);
            // A move that spoils the fours may still leave a victory by threes.
            bool threes = false;
            if (!wins && sure && byFours) {
                bool sureOfThrees = true;
                threes = opponentWins(side, false, sureOfThrees, limits.vctNodes) || !sureOfThrees;
            }
            unmake(c.cell);
            if (stopped_)
                break; // the clock ran out during this move's check: nothing learnt of it
            if (!wins)
                (threes ? byThrees : sure ? spoil : unsure).push_back(c);
        }
        // Out of time: the moves found so far still beat the others.
        for (std::vector<Candidate>* found : {&spoil, &byThrees, &unsure})
            if (!found->empty()) {
                moves = *found;
                break;
            }
    }
    if (moves.size() > 16)
        moves.resize(16);
    phase(1);

    int chosen = moves.front().cell;
    for (int depth = 1; depth <= limits.maxDepth && !stopped_; ++depth) {
        int alpha = -kWin - 1, bestMove = 0;
        for (const Candidate& c : moves) {
            make(c.cell, side);
            // The first move with the whole window, the others only to show they are worse.
            int v = bestMove ? -negamax(opp, depth - 1, 1, -alpha - 1, -alpha) : alpha + 1;
            if (v > alpha && !stopped_)
                v = -negamax(opp, depth - 1, 1, -kWin - 1, -alpha);
            unmake(c.cell);
            if (stopped_)
                break;
            if (v > alpha) {
                alpha = v;
                bestMove = c.cell;
            }
        }
        // A move searched whole that beat the last best one is better, even when time ran out.
        if (stopped_ && depth > 1) {
            chosen = bestMove ? bestMove : chosen;
            break;
        }
        if (bestMove == 0)
            break;
        chosen = bestMove;
        depthReached = depth;
        valueFound = alpha;
        // The best move first in the next iteration.
        auto it =
            std::find_if(moves.begin(), moves.end(), [&](const Candidate& c) { return c.cell == bestMove; });
        std::rotate(moves.begin(), it, it + 1);
        if (alpha >= kWon)
            break;
    }
    nodesSearched = nodes_;
    return chosen;
}

} // namespace splot
