// Failures: every procedure reports a failure under its own name; Retry runs
// the failed step again, Ignore goes on after it, Abort leaves the procedure.
// A move (or a start) that a failure spoiled is put back whole, so the board,
// the wall, the count of moves and the turn always agree.
#include "flow/Game.h"

#include "platform/Questions.h"
#include "platform/Scene.h"
#include "platform/WallDrawing.h"

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

void Game::procedure(const char* name, bool keepsGame, const std::function<void()>& body)
{
    const std::size_t depth = procedures_.size();
    procedures_.push_back({name, keepsGame});
    struct Pop {
        std::vector<ProcedureFrame>& frames;
        std::size_t depth;
        ~Pop() { frames.resize(depth); }
    } pop{procedures_, depth};
    try {
        body();
    } catch (const LeaveProcedure& leave) {
        if (leave.depth != depth)
            throw;
    }
}

bool Game::step(const std::function<void()>& action, bool needed, const std::function<void()>& beforeRetry)
{
    if (procedures_.empty()) {
        action();
        return true;
    }
    const std::size_t depth = procedures_.size() - 1;
    const ProcedureFrame frame = procedures_.back();
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
        scene_.setPointer(Scene::Pointer::Normal);
        const auto choice = questions_.reportError(std::string(kProgramTitle) + " Error",
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

bool Game::call(const char* name, bool needed, const std::function<void()>& action,
                const std::function<void()>& beforeRetry)
{
    bool done = false;
    procedure(name, needed, [&] { done = step(action, needed, beforeRetry); });
    return done;
}

bool Game::allOrNothing(const std::function<void()>& work)
{
    if (inWhole_) {
        work();
        return true;
    }
    const GameSnapshot before = snapshot();
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
        restore(before);
        throw;
    }
    if (spoiled_ == spoiledBefore)
        return true;
    restore(before);
    return false;
}

GameSnapshot Game::snapshot()
{
    GameSnapshot s;
    s.board = board_;
    s.state = state_;
    s.drawOfferCounter = search_.drawOfferCounter;
    if (wall_)
        s.wall = wall_->savePicture();
    s.comment = scene_.comment();
    for (int who = 0; who < 2; ++who) {
        s.frames[who] = scene_.characterFrame(who);
        s.pumps[who] = scene_.pumpVisible(who);
        s.puddles[who] = scene_.puddle(who);
    }
    s.takeBacks = takeBacks_.size();
    s.counted = counted_;
    s.moves = moves_.size();
    s.cursorTraces = cursorTraces_.size();
    return s;
}

void Game::restore(const GameSnapshot& before)
{
    // The painters' introduction is not played a second time.
    const bool firstGameStarted = state_.firstGameStarted;
    board_ = before.board;
    state_ = before.state;
    state_.firstGameStarted = firstGameStarted;
    search_.drawOfferCounter = before.drawOfferCounter;
    search_.hintMode = false;
    if (wall_ && before.wall)
        wall_->restorePicture(*before.wall);
    scene_.setComment(before.comment);
    for (int who = 0; who < 2; ++who) {
        scene_.setCharacterFrame(who, before.frames[who]);
        scene_.setPumpVisible(who, before.pumps[who]);
        scene_.setPuddle(who, before.puddles[who]);
    }
    scene_.setMenuEnabled(Scene::MenuItem::Story, !state_.gameRunning);
    scene_.setWallEnabled(state_.boardExists && state_.gameRunning && state_.gameOver == kFalse);

    // Moves made since can no longer be taken back; a result counted since no
    // longer counts (it counts again when the game is decided again).
    if (takeBacks_.size() > before.takeBacks)
        takeBacks_.resize(before.takeBacks);
    if (moves_.size() > before.moves)
        moves_.resize(before.moves);
    if (cursorTraces_.size() > before.cursorTraces)
        cursorTraces_.resize(before.cursorTraces);
    pictureBeforeMove_.reset();
    if (counted_ && counted_ != before.counted && resultListener_)
        resultListener_(*counted_, -1);
    counted_ = before.counted;
}

} // namespace splot
