// Changed choices while a game runs: the question before it is given up, and
// the choices that wait for the next start when it is not.
#include "flow/Game.h"

#include "platform/Questions.h"

namespace splot {

Game::Rules Game::rulesOf(const GameSettings& s)
{
    return {s.wallSize, s.computerPlaysRed, s.level, s.greaseSpots, s.blockedNozzle};
}

void Game::setRules(GameSettings& s, const Rules& r)
{
    s.wallSize = r.wallSize;
    s.computerPlaysRed = r.computerPlaysRed;
    s.level = r.level;
    s.greaseSpots = r.greaseSpots;
    s.blockedNozzle = r.blockedNozzle;
}

void Game::takeWaitingRules()
{
    if (waitingRules_)
        setRules(settings_, *waitingRules_);
    waitingRules_.reset();
}

void Game::beginSettingsChange()
{
    rulesAtOpening_ = rulesOf(settings_);
    if (waitingRules_)
        setRules(settings_, *waitingRules_);
}

void Game::endSettingsChange(bool changed)
{
    // The running game keeps its rules; the player's choices wait.
    const auto keepGame = [this] {
        waitingRules_ = rulesOf(settings_);
        setRules(settings_, rulesAtOpening_);
    };
    if (!changed) {
        if (waitingRules_)
            keepGame();
        return;
    }
    command("Start_click", [this, keepGame] {
        if (state_.gameRunning && state_.gameOver == kFalse && state_.moveCount > 0) {
            if (!questions_.askYesNo("Really start a new game?", "Start")) {
                keepGame();
                return;
            }
            checkAbandoned();
        }
        waitingRules_.reset();
        restartWithoutAsking();
    });
}

} // namespace splot
