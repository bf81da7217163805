// The door of the game: commands held during work and run after it in order,
// wall input dropped meanwhile, every piece of work inside the failure guard.
#include "flow/CommandDoor.h"

#include "flow/FailureGuard.h"

namespace splot {

CommandDoor::Busy::Busy(CommandDoor& door) : door_(door)
{
    if (door_.busyDepth_++ == 0)
        door_.owner_.workChanged(true);
}

CommandDoor::Busy::~Busy()
{
    if (--door_.busyDepth_ == 0)
        door_.owner_.workChanged(false);
}

void CommandDoor::command(const char* procedure, std::function<void()> action)
{
    if (guard_.abandoned() || !action)
        return;
    owner_.inputCame();
    if (busy()) {
        pending_.emplace_back(procedure, std::move(action));
        return;
    }
    runNow(procedure, action);
}

void CommandDoor::work(const char* procedure, std::function<void()> action)
{
    command(procedure, [this, action = std::move(action)] {
        Busy busy(*this);
        action();
    });
}

void CommandDoor::wallInput(const char* procedure, std::function<void()> action)
{
    // Wall input off: during a move, after a decided game and before the
    // first one. Input that comes anyway is dropped, never held.
    owner_.inputCame();
    if (guard_.abandoned() || busy() || !owner_.takesWallInput())
        return;
    runNow(procedure, [this, &action] {
        Busy busy(*this);
        action();
    });
}

void CommandDoor::runNow(const char* procedure, const std::function<void()>& action)
{
    runWork(procedure, action);
    runHeldCommands();
}

void CommandDoor::runWork(const char* procedure, const std::function<void()>& action)
{
    guard_.door(procedure, action);
    // The waits keep the user's input queued. It runs now, while the game
    // still counts as busy: a click or key on the wall made during the work
    // is dropped, a menu command or picture button is held and runs next.
    if (!guard_.abandoned()) {
        guard_.door(procedure, [this] {
            Busy busy(*this);
            owner_.passHeldInput();
        });
    }
    if (!guard_.abandoned() && !busy())
        owner_.afterWork();
}

void CommandDoor::runHeldCommands()
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
    while (!busy() && !guard_.abandoned() && !pending_.empty()) {
        auto held = std::move(pending_.front());
        pending_.pop_front();
        runWork(held.first, held.second);
    }
}

} // namespace splot
