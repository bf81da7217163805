// The failure guard: every procedure reports a failure under its own name;
// Retry runs the failed step again, Ignore goes on after it, Abort leaves the
// procedure. A move or a start that a failure spoiled is put back whole.
#pragma once

#include "platform/Phrase.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace splot {

class Questions;

// Thrown out of a wait or doEvents() when the main window has closed in the
// middle of a move: the move unwinds and nothing more is drawn.
struct GameAbandoned {};

// The program's title, as the failure report shows it.
inline constexpr const char* kProgramTitle = "Splotchery";

// The text of the failure report: "Error 1: " newline, the description,
// newline, two tabs, "occurred at line 0", newline, "in Splotchery: Feld_Auswahl".
Phrase failureReportText(int number, const std::string& description, int line, const std::string& procedure);

class FailureGuard {
  public:
    // beforeReport runs before every failure report (the mouse pointer back to normal).
    FailureGuard(Questions& questions, std::function<void()> beforeReport);

    // The window is closing: from the next check on, all work unwinds.
    void abandon() { abandoned_ = true; }
    bool abandoned() const { return abandoned_; }
    // Throws GameAbandoned once the window is closing.
    void checkAbandoned() const;

    // The guard of a door: the action is one step of the procedure `name`; a
    // window closing in the middle of it ends here, at the outermost door.
    void door(const char* name, const std::function<void()>& action);
    // Runs body as the procedure `name`: a failure in one of its steps is
    // reported under that name, and Abort leaves the procedure (its caller
    // goes on). keepsGame: leaving the procedure early spoils the move.
    void procedure(const char* name, bool keepsGame, const std::function<void()>& body);
    // One step of the innermost procedure: Retry runs it again (after
    // beforeRetry), Ignore goes on after it, Abort leaves the procedure. A step
    // the move needs, lost by Ignore or Abort, spoils the move. True when done.
    bool step(const std::function<void()>& action, bool needed = false,
              const std::function<void()>& beforeRetry = {});
    // A procedure of one step: a call into the engine or the wall's drawing.
    bool call(const char* name, bool needed, const std::function<void()>& action,
              const std::function<void()>& beforeRetry = {});

    // Takes what the work may change and returns what puts it back.
    using Keep = std::function<std::function<void()>()>;
    // Runs work whole or not at all: spoiled by a failure, or left by an
    // exception, everything kept is put back. Nested calls belong to the
    // outermost one. False when it was put back.
    bool allOrNothing(const std::function<void()>& work, const Keep& keep);
    // A failure has lost a step the move in progress needs: it will be put back.
    bool spoiled() const { return inWhole_ && spoiled_ != spoiledAtStart_; }

    // Tests: called with the procedure's name before (done false) and after
    // (done true) every step a failure report can name; a throw fails the step.
    void setStepProbe(std::function<void(const char* procedure, bool done)> probe)
    {
        stepProbe_ = std::move(probe);
    }

  private:
    struct Frame {
        const char* name = "";
        bool keepsGame = false;
    };
    // Abort in a step of the procedure at this depth of the stack: leave it.
    struct LeaveProcedure {
        std::size_t depth;
    };

    Questions& questions_;
    std::function<void()> beforeReport_;
    std::function<void(const char*, bool)> stepProbe_;
    std::vector<Frame> frames_;
    int spoiled_ = 0;        // failures that lost a step a move needed
    bool inWhole_ = false;   // inside allOrNothing
    int spoiledAtStart_ = 0; // spoiled_ when the outermost allOrNothing began
    bool abandoned_ = false;
};

} // namespace splot
