// The game's log of moves, grease spots and cursor traces, and the kept game made of it.
#include "flow/GameLog.h"

#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/GameSnapshot.h"

#include <algorithm>

namespace splot {

void GameLog::clear()
{
    moves_.clear();
    grease_.clear();
    greaseSeed_ = 0;
    traces_.clear();
}

void GameLog::setGrease(std::vector<KeptCell> grease, std::uint32_t seed)
{
    grease_ = std::move(grease);
    greaseSeed_ = seed;
}

bool GameLog::hasTrace(int column, int row) const
{
    return std::any_of(traces_.begin(), traces_.end(),
                       [&](const KeptTrace& t) { return t.column == column && t.row == row; });
}

void GameLog::addTrace(int column, int row)
{
    traces_.push_back({column, row, static_cast<int>(moves_.size())});
}

void GameLog::cutTo(std::size_t moves, std::size_t traces)
{
    if (moves_.size() > moves)
        moves_.resize(moves);
    if (traces_.size() > traces)
        traces_.resize(traces);
}

KeptGame GameLog::kept(const Board& board, const GameState& state, const GameSettings& settings, int level,
                       int drawOfferCounter) const
{
    KeptGame g;
    g.wallSize = board.wallSize;
    g.computerPlaysRed = settings.computerPlaysRed != kFalse;
    g.level = level;
    g.redName = settings.redName;
    g.blueName = settings.blueName;
    g.blockedNozzle = settings.blockedNozzle != 0;
    g.greaseSpots = settings.greaseSpots != 0;
    g.grease = grease_;
    g.greaseSeed = greaseSeed_;
    g.cursorTraces = traces_;
    g.firstMover = state.redBegins != kFalse ? kRed : kBlue;
    g.moves = moves_;
    g.cursor = {state.cursorX, state.cursorY};
    g.drawOfferCounter = drawOfferCounter;
    return g;
}

} // namespace splot
