// The doors of the game: a command that arrives while other work runs is held
// and run after it, every command runs inside the failure report, and a game
// whose window is closing is abandoned at its next wait.
#include "flow/Game.h"

#include "platform/Questions.h"
#include "platform/Scene.h"

#include <cmath>
#include <new>
#include <stdexcept>

namespace splot {

double Frac(double v)
{
    return v - std::floor(v);
}

std::string failureReportText(int number, const std::string& description, int line,
                              const std::string& procedure)
{
    return "Error " + std::to_string(number) + ": \n" + description + "\n\t\toccurred at line "
        + std::to_string(line) + "\nin " + kProgramTitle + ": " + procedure;
}

void Game::command(const char* procedure, std::function<void()> action)
{
    if (abandoned_ || !action)
        return;
    if (busy()) {
        pending_.emplace_back(procedure, std::move(action));
        return;
    }
    guarded(procedure, action);
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
        guarded(held.first, held.second);
    }
}

void Game::wallInput(const char* procedure, std::function<void()> action)
{
    // A disabled wall takes no input: during a move, after a decided game and
    // before the first one. Input that slips through anyway is dropped, never held.
    if (abandoned_ || busy() || !state_.boardExists || !scene_.wallEnabled())
        return;
    guarded(procedure, action);
    runHeldCommands();
}

void Game::guarded(const char* procedure, const std::function<void()>& action)
{
    ++guardDepth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{guardDepth_};

    for (;;) {
        // C++ has no statement numbers: the report names the procedure and
        // gives line 0. The number follows the classic run-time error codes
        // where one fits (7 out of memory, 9 subscript out of range,
        // 6 overflow, 5 invalid argument), 1 for every other failure.
        int number = 1;
        std::string description;
        try {
            action();
            return;
        } catch (const GameAbandoned&) {
            // Unwinds the whole stack of work; the outermost guard swallows it.
            if (guardDepth_ > 1)
                throw;
            return;
        } catch (const std::bad_alloc&) {
            number = 7;
            description = "Out of memory";
        } catch (const std::out_of_range& e) {
            number = 9;
            description = e.what();
        } catch (const std::overflow_error& e) {
            number = 6;
            description = e.what();
        } catch (const std::invalid_argument& e) {
            number = 5;
            description = e.what();
        } catch (const std::exception& e) {
            description = e.what();
        } catch (...) {
            description = "Unknown failure";
        }

        if (abandoned_) {
            if (guardDepth_ > 1)
                throw GameAbandoned{};
            return;
        }
        search_.hintMode = false;
        scene_.setPointer(Scene::Pointer::Normal);
        const auto choice = questions_.reportError(std::string(kProgramTitle) + " Error",
                                                   failureReportText(number, description, 0, procedure));
        if (choice != Questions::ErrorChoice::Retry) {
            recoverAfterFailure();
            return;
        }
    }
}

void Game::recoverAfterFailure()
{
    // A move that failed half-way left the wall's input off; a game still
    // running must not stay locked until the next start.
    if (!busy() && state_.boardExists && state_.gameRunning && state_.gameOver == kFalse)
        scene_.setWallEnabled(true);
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
