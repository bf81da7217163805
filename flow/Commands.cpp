// The doors of the game: a command that arrives while other work runs is held
// and run after it, wall input that arrives meanwhile is dropped, every command
// runs inside the failure report, and a game whose window is closing is
// abandoned at its next wait.
#include "flow/Game.h"

#include "platform/Questions.h"
#include "platform/Scene.h"

#include <cmath>

namespace splot {

double Frac(double v)
{
    return v - std::floor(v);
}

std::string failureReportText(int number, const std::string& description, int line,
                              const std::string& procedure)
{
    return "Error " + std::to_string(number) + ": \n" + description + "\n\t\toccurred at line " +
           std::to_string(line) + "\nin " + kProgramTitle + ": " + procedure;
}

void Game::command(const char* procedure, std::function<void()> action)
{
    if (abandoned_ || !action)
        return;
    // Any command ends a replay, and runs after it.
    if (replaying_)
        stopReplay_ = true;
    if (busy()) {
        pending_.emplace_back(procedure, std::move(action));
        return;
    }
    runWork(procedure, action);
    runHeldCommands();
}

void Game::runHeldCommands()
{
    // A command run from here may itself end with this call: the loop below
    // goes on with whatever it left.
    if (draining_)
        return;
    draining_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{draining_};
    while (!busy() && !abandoned_ && !pending_.empty()) {
        auto held = std::move(pending_.front());
        pending_.pop_front();
        runWork(held.first, held.second);
    }
}

void Game::wallInput(const char* procedure, std::function<void()> action)
{
    // Wall input off: during a move, after a decided game and before the
    // first one. Input that comes anyway is dropped, never held; during a
    // replay it ends the replay.
    if (replaying_)
        stopReplay_ = true;
    if (abandoned_ || busy() || !state_.boardExists || !scene_.wallEnabled())
        return;
    runWork(procedure, action);
    runHeldCommands();
}

void Game::runWork(const char* procedure, const std::function<void()>& action)
{
    guarded(procedure, action);
    dropHeldBackInput(procedure);
    // Whatever happened, the wall takes input exactly while a game runs, and
    // it has the keyboard focus again after a dialog or a question box.
    if (!abandoned_ && !busy() && state_.boardExists) {
        scene_.setWallEnabled(state_.gameRunning && state_.gameOver == kFalse);
        if (scene_.wallVisible() && !scene_.storyVisible())
            scene_.focusWall();
    }
}

void Game::dropHeldBackInput(const char* procedure)
{
    // The waits keep the user's input queued. It runs now, while the game
    // still counts as busy: a click or key on the wall made during the work
    // is dropped, a menu command or picture button is held and runs next.
    if (abandoned_)
        return;
    guarded(procedure, [this] {
        Busy busy(*this);
        events();
    });
}

void Game::guarded(const char* name, const std::function<void()>& action)
{
    const bool outermost = procedures_.empty();
    try {
        procedure(name, false, [&] { step(action); });
    } catch (const GameAbandoned&) {
        // Unwinds the whole stack of work; the outermost door swallows it.
        if (!outermost)
            throw;
    }
}

void Game::abandon()
{
    abandoned_ = true;
    pending_.clear();
}

void Game::checkAbandoned() const
{
    if (abandoned_)
        throw GameAbandoned{};
}

} // namespace splot
