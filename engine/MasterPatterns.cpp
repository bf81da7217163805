// The master's view of the wall: the lines' worth kept as splots are played
// and taken back, and the threat a splot makes on a cell.
#include "engine/Master.h"

#include <algorithm>
#include <array>

namespace splot {

namespace {

std::uint64_t splitmix(std::uint64_t& s)
{
    std::uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr int kTempo = 150;       // a line of three of the side to move, extra
constexpr int kSureWin = 500'000; // beyond any sum of shapes, short of a win found by search
constexpr std::size_t kTableSize = std::size_t{1} << 18;       // 16 bytes each: 4 MB
constexpr std::size_t kThreatTableSize = std::size_t{1} << 16; // 16 bytes each: 1 MB

// What a splot on the middle of nine cells of a line makes there, the other eight read as
// 0 empty, 1 the side's own, 2 blocked (the opponent, a grease spot or beyond the wall).
int completions(const int (&a)[9])
{
    // The empty cells that would give a run of five or more through the middle.
    int ways = 0;
    for (int e = 0; e < 9; ++e) {
        if (a[e] != 0)
            continue;
        int lo = 4, hi = 4;
        const int from = std::min(e, 4), to = std::max(e, 4);
        bool joined = true;
        for (int k = from; k <= to; ++k)
            joined = joined && (k == e || a[k] == 1);
        if (!joined)
            continue;
        lo = from;
        hi = to;
        while (lo > 0 && a[lo - 1] == 1)
            --lo;
        while (hi < 8 && a[hi + 1] == 1)
            ++hi;
        ways += hi - lo + 1 >= 5;
    }
    return ways;
}

Shape shapeOf(int (&a)[9], int level)
{
    int run = 1;
    for (int k = 3; k >= 0 && a[k] == 1; --k)
        ++run;
    for (int k = 5; k <= 8 && a[k] == 1; ++k)
        ++run;
    if (run >= 5)
        return Shape::Five;
    const int ways = completions(a);
    if (ways >= 2)
        return Shape::OpenFour;
    if (ways == 1)
        return Shape::Four;
    if (level == 0)
        return Shape::None;
    // One splot more on the line: the best shape it reaches names this one.
    Shape best = Shape::None;
    for (int e = 0; e < 9; ++e) {
        if (a[e] != 0)
            continue;
        a[e] = 1;
        best = std::max(best, shapeOf(a, level - 1));
        a[e] = 0;
    }
    switch (best) {
    case Shape::OpenFour:
        return Shape::OpenThree;
    case Shape::Four:
        return Shape::Three;
    case Shape::OpenThree:
        return Shape::OpenTwo;
    case Shape::Three:
        return Shape::Two;
    default:
        break;
    }
    // A line of five through the middle with nothing blocked: one.
    for (int lo = 0; lo <= 4; ++lo) {
        bool free = true;
        for (int k = lo; k < lo + 5; ++k)
            free = free && a[k] != 2;
        if (free)
            return Shape::One;
    }
    return Shape::None;
}

} // namespace

// The shape a splot of each side makes on the middle cell, by the 16-bit key of the eight
// cells around it (two bits each, 0 empty, 1 Red, 2 Blue, 3 beyond the wall or grease).
const std::vector<std::uint8_t>& MasterSearch::shapeTable()
{
    static const std::vector<std::uint8_t> table = [] {
        // The 3^8 lines as one side sees them, then every key of both sides.
        std::vector<Shape> seen(6561);
        for (int k = 0; k < 6561; ++k) {
            int a[9] = {}, rest = k;
            for (int n = 0; n < 8; ++n, rest /= 3)
                a[n < 4 ? n : n + 1] = rest % 3;
            a[4] = 1;
            seen[static_cast<std::size_t>(k)] = shapeOf(a, 2);
        }
        std::vector<std::uint8_t> t(65536);
        for (int key = 0; key < 65536; ++key)
            for (int side = 0; side < 2; ++side) {
                int k = 0;
                for (int n = 7; n >= 0; --n) {
                    const int code = (key >> (2 * n)) & 3;
                    k = k * 3 + (code == 0 ? 0 : code == side + 1 ? 1 : 2);
                }
                t[static_cast<std::size_t>(key)] |= static_cast<std::uint8_t>(
                    static_cast<int>(seen[static_cast<std::size_t>(k)]) << (4 * side));
            }
        return t;
    }();
    return table;
}

MasterSearch::MasterSearch(std::uint32_t seed) : rng_(seed ? seed : 1) {}

void MasterSearch::attach(Board& board, i16 moveCount)
{
    b_ = &board;
    moves_ = moveCount;
    const int N = board.wallSize;
    const std::size_t cells = static_cast<std::size_t>(board.lastCell) + 1;
    if (sizeBuilt_ != N) {
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

    attached_ = false;
    near_.assign(cells, 0);
    const int stride = board.rowStride;
    step_[0] = stride, step_[1] = 1, step_[2] = stride + 1, step_[3] = stride - 1;
    keys_.assign(cells, {});
    code_.assign(cells, 0);
    cellWorth_.assign(cells * 4, 0);
    for (int side = 0; side < 2; ++side) {
        fives_[side].reset(cells);
        fours_[side].reset(cells);
        threes_[side].reset(cells);
        sureCells_[side] = shapeScore_[side] = 0;
    }
    key_ = 0;
    // The splots and the blocked cells first, then what each empty cell makes.
    for (int c = 0; c < static_cast<int>(cells); ++c) {
        const int code = board.cells(c);
        if (board.cellLineCount(c) == 0 || code == kGrease) {
            setCode(c, 3);
        } else if (code == kRed || code == kBlue) {
            setCode(c, code + 1);
            key_ ^= zobrist_[c][code];
            for (int dr = -2; dr <= 2; ++dr)
                for (int dc = -2; dc <= 2; ++dc)
                    ++near_[c + dc + dr * board.rowStride];
        }
    }
    attached_ = true;
    shapeAt_.assign(cells, {});
    for (int c = 0; c < static_cast<int>(cells); ++c)
        if (code_[static_cast<std::size_t>(c)] == 0) {
            readShapes(c);
            tallyCell(c, 1);
        }
}

namespace {

// The worth of one side's shapes on an empty cell: each direction's, and more for a
// cell where the side makes two threats at once.
constexpr int kShapeWorth[9] = {0, 1, 4, 12, 25, 90, 120, 400, 1500};

// What one side's shapes in the four directions of an empty cell are worth, and what
// they make there (the flags).
void measure(const Shape* shapes, int& worth, int& flags)
{
    // Per shape, packed so that four directions add up without a carry between fields: its worth
    // (bits 0-15), its ways to five counted as fours (16-19), open threes (20-22), fives (23-25)
    // and fours proper (26-28).
    static constexpr auto kPacked = [] {
        std::array<int, 9> p{};
        for (int sh = 0; sh < 9; ++sh) {
            const auto s = static_cast<Shape>(sh);
            const int ways = s == Shape::Four ? 1 : s >= Shape::OpenFour ? 2 : 0;
            const bool four = s == Shape::Four || s == Shape::OpenFour;
            p[static_cast<std::size_t>(sh)] = kShapeWorth[sh] | ways << 16 | (s == Shape::OpenThree) << 20 |
                                              (s == Shape::Five) << 23 | four << 26;
        }
        return p;
    }();
    const int sum =
        kPacked[static_cast<std::size_t>(shapes[0])] + kPacked[static_cast<std::size_t>(shapes[1])] +
        kPacked[static_cast<std::size_t>(shapes[2])] + kPacked[static_cast<std::size_t>(shapes[3])];
    const int fours = (sum >> 16) & 15, threes = (sum >> 20) & 7;
    worth = (sum & 0xffff) + (fours >= 2 ? 1000 : fours && threes ? 800 : threes >= 2 ? 400 : 0);
    flags = ((sum >> 23) & 7 ? 1 : 0) | ((sum >> 26) & 7 ? 2 : 0) | (threes ? 4 : 0);
    if (fours >= 2 || (fours && threes))
        flags |= 8; // kMakesSure
}

} // namespace

// What both sides make on an empty cell enters the shape scores and the sets of cells where
// a side makes five, a four or an open three: +1 when the cell becomes empty, -1 when a splot
// comes, 0 when its shapes changed (for the sides in the mask only). What it added is kept, so
// that it leaves without reading.
void MasterSearch::tallyCell(int cell, int sign, int sides)
{
    int* kept = &cellWorth_[static_cast<std::size_t>(cell) * 4];
    const Shape* shapes = shapeAt_[static_cast<std::size_t>(cell)].data();
    for (int side = 0; side < 2; ++side, kept += 2, shapes += 4) {
        if (!(sides & (1 << side)))
            continue;
        int worth = 0, flags = 0;
        if (sign >= 0)
            measure(shapes, worth, flags);
        const int before = sign > 0 ? 0 : kept[1];
        shapeScore_[side] += worth - (sign > 0 ? 0 : kept[0]);
        kept[0] = worth;
        kept[1] = flags;
        const int changed = before ^ flags;
        if (changed == 0)
            continue;
        if (changed & kMakesSure)
            sureCells_[side] += flags & kMakesSure ? 1 : -1;
        for (auto [flag, set] : {std::pair{kMakesFive, &fives_[side]}, std::pair{kMakesFour, &fours_[side]},
                                 std::pair{kMakesOpenThree, &threes_[side]}})
            if (changed & flag)
                flags& flag ? set->add(cell) : set->remove(cell);
    }
}

// A cell's code (0 empty, 1 Red, 2 Blue, 3 blocked) enters the keys of the cells up to four
// steps from it in each direction (from empty; a negative code leaves). An empty cell whose
// shape changes for either side is tallied again.
void MasterSearch::setCode(int cell, int code)
{
    const int last = static_cast<int>(keys_.size());
    if (attached_ && code > 0)
        tallyCell(cell, -1);
    for (int d = 0; d < 4; ++d)
        for (int s = -4; s <= 4; ++s) {
            const int n = cell - s * step_[d];
            if (s == 0 || n < 0 || n >= last)
                continue;
            const auto at = static_cast<std::size_t>(n);
            // The cell sits s steps from n; the bits of step s of n's key.
            const int bit = 2 * (s < 0 ? s + 4 : s + 3);
            keys_[at][d] = static_cast<std::uint16_t>(keys_[at][d] + code * (1 << bit));
            if (!attached_ || code_[at] != 0)
                continue;
            const int both = bothShapes(n, d);
            const auto red = static_cast<Shape>(both & 15), blue = static_cast<Shape>(both >> 4);
            auto& shapes = shapeAt_[at];
            const int changed = (red != shapes[d] ? 1 : 0) | (blue != shapes[4 + d] ? 2 : 0);
            if (changed == 0)
                continue;
            shapes[d] = red;
            shapes[4 + d] = blue;
            tallyCell(n, 0, changed); // only the side whose shape changed
        }
    code_[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(code > 0 ? code : 0);
    if (attached_ && code < 0) {
        readShapes(cell);
        tallyCell(cell, 1);
    }
}

void MasterSearch::readShapes(int cell)
{
    auto& shapes = shapeAt_[static_cast<std::size_t>(cell)];
    for (int side = 0; side < 2; ++side)
        for (int d = 0; d < 4; ++d)
            shapes[static_cast<std::size_t>(side * 4 + d)] = shape(cell, d, side);
}

// The cells within two steps of a cell count one splot more (+1) or less (-1) near them.
void MasterSearch::touchNear(int cell, int change)
{
    for (int dr = -2; dr <= 2; ++dr)
        for (int dc = -2; dc <= 2; ++dc)
            near_[cell + dc + dr * b_->rowStride] += change;
}

// A splot of side on an empty cell for the search, and taken back: the master's own
// view changes, the board does not.
void MasterSearch::make(int cell, int side)
{
    ++moves_;
    key_ ^= zobrist_[cell][side];
    touchNear(cell, 1);
    setCode(cell, side + 1);
}

void MasterSearch::unmake(int cell)
{
    const int side = code_[static_cast<std::size_t>(cell)] - 1;
    --moves_;
    key_ ^= zobrist_[cell][side];
    touchNear(cell, -1);
    setCode(cell, -(side + 1));
}

int MasterSearch::evaluate(int side) const
{
    // Both sides' shapes count alike; the side to move turns its threes into fours
    // first, so each is worth more to it. A cell where the side to move makes an open four, two fours
    // or a four and an open three wins when the opponent has no four to answer with.
    if (sureCells_[side] > 0 && fours_[1 - side].list.empty() && fives_[1 - side].list.empty())
        return kSureWin;
    return shapeScore_[side] - shapeScore_[1 - side] + kTempo * static_cast<int>(fours_[side].list.size());
}

Threat MasterSearch::threatOf(int cell, int side) const
{
    Threat t;
    // While the master follows the splots, an empty cell's shapes are kept; else read from the keys.
    const Shape* kept =
        attached_ ? &shapeAt_[static_cast<std::size_t>(cell)][static_cast<std::size_t>(4 * side)] : nullptr;
    for (int d = 0; d < 4; ++d) {
        switch (kept ? kept[d] : shape(cell, d, side)) {
        case Shape::Five:
            ++t.fives;
            break;
        case Shape::OpenFour:
            ++t.openFours;
            break;
        case Shape::Four:
            ++t.fours;
            break;
        case Shape::OpenThree:
            ++t.openThrees;
            break;
        case Shape::Three:
            ++t.threes;
            break;
        case Shape::OpenTwo:
            ++t.twos;
            break;
        case Shape::Two:
        case Shape::One:
            ++t.ones;
            break;
        case Shape::None:
            break;
        }
    }
    return t;
}

} // namespace splot
