// The rules a game runs by, and the player's choices that wait for the next start.
#include "flow/GameRules.h"

#include "flow/KeptGame.h"

namespace splot {

GameRules::Rules GameRules::current() const
{
    const GameSettings& s = settings_;
    return {s.wallSize, s.computerPlaysRed, s.level, s.greaseSpots, s.blockedNozzle};
}

void GameRules::set(const Rules& r)
{
    settings_.wallSize = r.wallSize;
    settings_.computerPlaysRed = r.computerPlaysRed;
    settings_.level = r.level;
    settings_.greaseSpots = r.greaseSpots;
    settings_.blockedNozzle = r.blockedNozzle;
}

void GameRules::beginChange()
{
    atOpening_ = current();
    if (waiting_)
        set(*waiting_);
}

void GameRules::keepGame()
{
    waiting_ = current();
    set(atOpening_);
}

void GameRules::unchanged()
{
    if (waiting_)
        keepGame();
}

void GameRules::takeWaiting()
{
    if (waiting_)
        set(*waiting_);
    waiting_.reset();
}

void GameRules::runBy(const KeptGame& g)
{
    if (!waiting_)
        waiting_ = current();
    set({static_cast<i16>(g.wallSize), g.computerPlaysRed ? kTrue : kFalse, static_cast<i16>(g.level),
         g.greaseSpots ? kTrue : kFalse, g.blockedNozzle ? kTrue : kFalse});
    settings_.redName = g.redName;
    settings_.blueName = g.blueName;
}

} // namespace splot
