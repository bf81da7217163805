// The door through which commands come: while work is in progress, a command
// is held and run after it in order, and input on the wall is dropped.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <utility>

namespace splot {

class FailureGuard;

class CommandDoor {
  public:
    // What the door asks of the game behind it.
    class Owner {
      public:
        // Work has begun (true) or is over (false).
        virtual void workChanged(bool busy) = 0;
        // Lets the input the waits held back run (it finds the game busy).
        virtual void passHeldInput() = 0;
        // After each piece of work: the wall's input and focus as the game stands.
        virtual void afterWork() = 0;
        // The wall takes a click or a key now.
        virtual bool takesWallInput() const = 0;
        // A command or wall input has come, whether it runs, waits or is dropped.
        virtual void inputCame() {}

      protected:
        ~Owner() = default;
    };

    CommandDoor(FailureGuard& guard, Owner& owner) : guard_(guard), owner_(owner) {}

    // Marks work in progress for as long as it runs, also when it unwinds
    // through an exception.
    class Busy {
      public:
        explicit Busy(CommandDoor& door);
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

      private:
        CommandDoor& door_;
    };

    // A menu command or picture button: held while other work is in
    // progress, else run at once; each runs inside the failure guard as the
    // procedure `procedure`.
    void command(const char* procedure, std::function<void()> action);
    // A command that is work in progress while it runs (a start, a move, a sequence).
    void work(const char* procedure, std::function<void()> action);
    // A click or key on the wall: dropped while other work is in progress or
    // the wall takes no input, else run as work.
    void wallInput(const char* procedure, std::function<void()> action);
    // Runs now, never held (the caller has checked that nothing runs), then
    // the held commands.
    void runNow(const char* procedure, const std::function<void()>& action);

    bool busy() const { return busyDepth_ > 0; }
    // Commands held until the work in progress is over.
    std::size_t held() const { return pending_.size(); }
    // The window is closing: nothing held runs any more.
    void dropHeld() { pending_.clear(); }

  private:
    // A piece of work, then the input the waits held back meanwhile.
    void runWork(const char* procedure, const std::function<void()>& action);
    void runHeldCommands();

    FailureGuard& guard_;
    Owner& owner_;
    int busyDepth_ = 0;
    bool draining_ = false;
    std::deque<std::pair<const char*, std::function<void()>>> pending_;
};

} // namespace splot
