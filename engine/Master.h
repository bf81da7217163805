// The master level: a search that reads threats (fours, open threes and their
// combinations), looks for victories by fours and by threes for both sides and
// plays an alpha-beta search with iterative deepening over the cells near the splots.
#pragma once

#include "engine/Board.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace splot {

// The shape one splot of a side makes on an empty cell in one direction, weakest first.
enum class Shape : std::uint8_t { None, One, Two, OpenTwo, Three, OpenThree, Four, OpenFour, Five };

// What one splot of a side on an empty cell makes, counted over the four directions.
struct Threat {
    int fives = 0;      // completes five (or more)
    int openFours = 0;  // two ways to five in one direction
    int fours = 0;      // one way to five
    int openThrees = 0; // one move from an open four
    int threes = 0;
    int twos = 0;
    int ones = 0;
};

struct MasterLimits {
    double seconds = 0.2; // time budget of one move; 0 means none
    // Node budget of one move on a 15x15 wall (about 50 ms on one core); 0 means none. A node
    // on a smaller wall reads fewer cells, so it gets more of them: 225 / (size x size) times this.
    long nodes = 6000;
    int maxDepth = 10;     // deepest full-width iteration
    int vcfDepth = 8;      // own fours in a row searched for a victory
    long vcfNodes = 4000;  // nodes of one such search
    long leafFours = 0;    // ... at the horizon of the alpha-beta search
    int vctDepth = 4;      // own threes and fours searched for a victory
    int vctWidth = 8;      // threats tried at each step of it
    long vctNodes = 3000;  // nodes of one such search
    int longVctDepth = 0;  // then, when it finds none, a longer one (0 none) ...
    int longVctWidth = 10; // ... that tries more threats at each step
    int defenceDepth = 5;  // the opponent's threes and fours, looked for when choosing a defence
    int defenceWidth = 12;
    int defences = 20; // the best-placed moves checked against the opponent's victory

    // A master that thinks by the clock alone, about seconds a move: deeper iterations
    // and deeper, wider threat searches, each ended by its share of the time.
    static MasterLimits forTime(double seconds)
    {
        MasterLimits l;
        l.seconds = seconds;
        l.nodes = 0;
        l.maxDepth = 20;
        l.leafFours = 24;
        l.vctDepth = 5;
        l.longVctDepth = 7;
        l.defenceDepth = 7;
        const long threatNodes = std::max(3000L, static_cast<long>(seconds * 40'000));
        l.vcfNodes = l.vctNodes = threatNodes;
        return l;
    }
};

class MasterSearch {
  public:
    using TimeSource = std::function<double()>; // seconds, monotonic

    explicit MasterSearch(std::uint32_t seed = 1);

    MasterLimits limits;
    void setTimeSource(TimeSource now) { now_ = std::move(now); }
    void reseed(std::uint32_t seed) { rng_ = seed ? seed : 1; }

    // The cell (a board index) the master paints for side (kRed or kBlue) with
    // moveCount splots on the wall; 0 when no cell is empty. The board is
    // played on and taken back during the search and is left as it was.
    int choose(Board& board, int side, i16 moveCount);

    // Figures of the last search, for the benchmark.
    int depthReached = 0;
    long nodesSearched = 0;
    int valueFound = 0; // of the chosen move for the side to move; beyond 9'999'000 a sure win

    // The worth of the wall for side to move.
    int evaluation(Board& board, int side, i16 moveCount)
    {
        attach(board, moveCount);
        return evaluate(side);
    }
    // What a splot of side on the empty cell makes.
    Threat threatOf(int cell, int side) const;
    // A victory by continuous fours for side, side to move, of at most
    // limits.vcfDepth own fours: its first cell, or 0.
    int victoryByFours(Board& board, int side, i16 moveCount);
    // ... by threes and fours, of at most limits.vctDepth own threats.
    int victoryByThrees(Board& board, int side, i16 moveCount);

  private:
    struct Entry {
        std::uint64_t key = 0;
        int value = 0;
        i16 move = 0;
        std::int8_t depth = -1;
        std::uint8_t bound = 0;
    };
    struct Candidate {
        int cell;
        int score;
        bool ownFour = false;     // a splot here makes a four (or more) of the side to move
        bool theirFour = false;   // ... of the opponent
        bool ownOpenFour = false; // an open four or two fours of the side to move
        bool operator<(const Candidate& o) const { return score > o.score; }
    };

    // By a key of eight cells, the shapes of both sides: Red's in the low four bits, Blue's above.
    static const std::vector<std::uint8_t>& shapeTable();
    int bothShapes(int cell, int d) const { return shapes_[keys_[static_cast<std::size_t>(cell)][d]]; }
    Shape shape(int cell, int d, int side) const
    {
        return static_cast<Shape>((bothShapes(cell, d) >> (4 * side)) & 15);
    }
    void setCode(int cell, int code);
    void tallyCell(int cell, int sign, int sides = 3);
    void readShapes(int cell);
    void attach(Board& board, i16 moveCount);
    void start(Board& board, i16 moveCount);
    void make(int cell, int side);
    void unmake(int cell);
    void touchNear(int cell, int change);
    int candidates(int side, std::vector<Candidate>& out, bool& opponentThreatens, int& mustBlock);
    int negamax(int side, int depth, int ply, int alpha, int beta);
    int leafValue(int side, int ply);
    int horizonAnswers(int side, int depth, int ply, int alpha, int beta);
    int evaluate(int side) const;
    int vcf(int side, int depth);
    int vcfRoot(int side, long budget);
    int vct(int side, int depth);
    int vctSearch(int side, int depth);
    std::vector<i16> answersTo(int attacker) const;
    bool threatHolds(int side, int depth);
    bool threatHoldsSearch(int side, int depth);
    int vcfSearch(int side, int depth);
    int vctRoot(int side, long budget, int depth, int width);
    bool opponentWins(int side, bool byFours, bool& sure, long budget);
    enum ThreatKind { kByFours, kByThrees, kHolds };
    template <class F> int remembered(ThreatKind kind, int side, int depth, F search);
    bool outOfTime();
    void phase(double share);
    std::uint32_t nextRandom();

    // The empty cells where a side's splot makes something, kept as splots come and go:
    // in any order, each once, and found in constant time.
    struct CellSet {
        std::vector<i16> list;
        std::vector<i16> at; // a cell's place in list, -1 when not in it
        void reset(std::size_t cells)
        {
            list.clear();
            at.assign(cells, -1);
        }
        void add(int cell)
        {
            at[static_cast<std::size_t>(cell)] = static_cast<i16>(list.size());
            list.push_back(static_cast<i16>(cell));
        }
        void remove(int cell)
        {
            const i16 place = at[static_cast<std::size_t>(cell)];
            list[static_cast<std::size_t>(place)] = list.back();
            at[static_cast<std::size_t>(list.back())] = place;
            list.pop_back();
            at[static_cast<std::size_t>(cell)] = -1;
        }
    };
    enum CellFlag : int { kMakesFive = 1, kMakesFour = 2, kMakesOpenThree = 4, kMakesSure = 8 };

    Board* b_ = nullptr;
    i16 moves_ = 0;
    const std::uint8_t* shapes_ = shapeTable().data();
    int step_[4] = {};
    // Per cell and direction the eight cells around it, two bits each (see shapeTable).
    std::vector<std::array<std::uint16_t, 4>> keys_;
    std::vector<std::uint8_t> code_; // 0 an empty cell of the wall, 1 Red, 2 Blue, 3 blocked
    int shapeScore_[2] = {};         // the worth of what each side's splot makes on the empty cells
    std::vector<int> cellWorth_;     // per cell what it adds: Red's worth, its flags, Blue's ...
    std::vector<std::array<Shape, 8>> shapeAt_; // per empty cell Red's shape in each direction, then Blue's
    CellSet fives_[2];                          // where a side completes five: the side has a four
    CellSet fours_[2];      // ... makes a four (or an open four): the side has a three there
    CellSet threes_[2];     // ... makes an open three
    int sureCells_[2] = {}; // ... an open four, two fours or a four and an open three
    bool attached_ = false; // the sets follow the splots (not while a wall is read in)
    std::vector<std::uint8_t> near_;
    std::vector<std::array<std::uint64_t, 2>> zobrist_;
    std::vector<Entry> table_;
    // The threat searches' answers by position: a victory found within a depth holds
    // at any greater one, none found (the budget not spent) at any smaller.
    struct ThreatEntry {
        std::uint64_t key = 0;
        i16 result = 0;
        std::int8_t depth = 0;
    };
    std::vector<ThreatEntry> threatTable_;
    int vctWidthNow_ = 8;
    std::vector<int> stack_;
    std::uint64_t key_ = 0;
    long nodes_ = 0;
    long nodeBudget_ = 0; // limits.nodes for this wall
    long vcfNodesLeft_ = 0;
    long vcfNodes_ = 0;
    bool stopped_ = false;
    double deadline_ = 0;
    double begun_ = 0;
    int sizeBuilt_ = 0;
    std::uint32_t rng_ = 1;
    TimeSource now_;
};

} // namespace splot
