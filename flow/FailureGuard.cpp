// The failure guard: the procedure stack, the failure report of a step and
// its Retry, Ignore and Abort, and the all-or-nothing run of a move.
#include "flow/FailureGuard.h"

#include "platform/Questions.h"

#include <exception>
#include <new>
#include <stdexcept>

namespace splot {

namespace {

// C++ has no statement numbers: the report gives line 0. The number follows
// the classic run-time error codes where one fits (7 out of memory, 9
// subscript out of range, 6 overflow, 5 invalid argument), 1 for every other.
void describe(const std::exception_ptr& failure, int& number, std::string& description)
{
    number = 1;
    try {
        std::rethrow_exception(failure);
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
}

} // namespace

Phrase failureReportText(int number, const std::string& description, int line, const std::string& procedure)
{
    return {"Error %1: \n%2\n\t\toccurred at line %3\nin %4: %5",
            {Phrase::name(std::to_string(number)), Phrase::ours(description),
             Phrase::name(std::to_string(line)), Phrase::name(kProgramTitle), Phrase::name(procedure)}};
}

FailureGuard::FailureGuard(Questions& questions, std::function<void()> beforeReport)
    : questions_(questions), beforeReport_(std::move(beforeReport))
{
}

void FailureGuard::checkAbandoned() const
{
    if (abandoned_)
        throw GameAbandoned{};
}

void FailureGuard::door(const char* name, const std::function<void()>& action)
{
    const bool outermost = frames_.empty();
    try {
        procedure(name, false, [&] { step(action); });
    } catch (const GameAbandoned&) {
        // Unwinds the whole stack of work; the outermost door swallows it.
        if (!outermost)
            throw;
    }
}

void FailureGuard::procedure(const char* name, bool keepsGame, const std::function<void()>& body)
{
    const std::size_t depth = frames_.size();
    frames_.push_back({name, keepsGame});
    struct Pop {
        std::vector<Frame>& frames;
        std::size_t depth;
        ~Pop() { frames.resize(depth); }
    } pop{frames_, depth};
    try {
        body();
    } catch (const LeaveProcedure& leave) {
        if (leave.depth != depth)
            throw;
    }
}

bool FailureGuard::step(const std::function<void()>& action, bool needed,
                        const std::function<void()>& beforeRetry)
{
    if (frames_.empty()) {
        action();
        return true;
    }
    const std::size_t depth = frames_.size() - 1;
    const Frame frame = frames_.back();
    for (;;) {
        std::exception_ptr failure;
        try {
            // A copy: the probe may replace itself.
            if (auto probe = stepProbe_)
                probe(frame.name, false);
            action();
            if (auto probe = stepProbe_)
                probe(frame.name, true);
            return true;
        } catch (const GameAbandoned&) {
            throw;
        } catch (const LeaveProcedure&) {
            throw;
        } catch (...) {
            failure = std::current_exception();
        }
        checkAbandoned();
        int number = 1;
        std::string description;
        describe(failure, number, description);
        if (beforeReport_)
            beforeReport_();
        const auto choice = questions_.reportError(Phrase("%1 Error", {Phrase::name(kProgramTitle)}),
                                                   failureReportText(number, description, 0, frame.name));
        checkAbandoned();
        switch (choice) {
        case Questions::ErrorChoice::Retry:
            if (beforeRetry)
                beforeRetry();
            continue;
        case Questions::ErrorChoice::Ignore:
            spoiled_ += needed;
            return false;
        case Questions::ErrorChoice::Abort:
            spoiled_ += needed || frame.keepsGame;
            throw LeaveProcedure{depth};
        }
    }
}

bool FailureGuard::call(const char* name, bool needed, const std::function<void()>& action,
                        const std::function<void()>& beforeRetry)
{
    bool done = false;
    procedure(name, needed, [&] { done = step(action, needed, beforeRetry); });
    return done;
}

bool FailureGuard::allOrNothing(const std::function<void()>& work, const Keep& keep)
{
    if (inWhole_) {
        work();
        return true;
    }
    const std::function<void()> putBack = keep();
    const int spoiledBefore = spoiled_;
    spoiledAtStart_ = spoiled_;
    inWhole_ = true;
    struct Leave {
        bool& flag;
        ~Leave() { flag = false; }
    } leave{inWhole_};
    try {
        work();
    } catch (const GameAbandoned&) {
        throw;
    } catch (...) {
        putBack();
        throw;
    }
    if (spoiled_ == spoiledBefore)
        return true;
    putBack();
    return false;
}

} // namespace splot
