// The game in progress: its state, the turns, the execution of a move, the
// input on the wall and the painters' sequences with their sounds. Everything
// outside goes through the platform interfaces, so a whole game runs in a test.
#pragma once

#include "engine/GameSettings.h"
#include "engine/Search.h"
#include "flow/CommandDoor.h"
#include "flow/FailureGuard.h"
#include "flow/GameSnapshot.h"
#include "flow/TakeBackHistory.h"

#include <functional>
#include <optional>
#include <string>

namespace splot {

class Clock;
class Questions;
class Random;
class Scene;
class Sound;
class WallDrawing;

// v minus the largest integer not above v: in [0, 1) for every v.
double Frac(double v);

class Game final : public DrawOfferSink, private CommandDoor::Owner {
  public:
    Game(GameSettings& settings, Clock& clock, Random& random, Sound& sound, Questions& questions,
         Scene& scene);

    // The wall is drawn by the presentation, which needs the board and the
    // state first; it is attached right after construction.
    void attachWall(WallDrawing& wall) { wall_ = &wall; }

    Board& board() { return board_; }
    const Board& board() const { return board_; }
    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    Search& search() { return search_; }
    GameSettings& settings() { return settings_; }

    // Commands from menus and picture buttons. While a move, a start or a
    // sequence is in progress, a command is held and run in order when that
    // work is over; otherwise it runs at once. Each runs inside the failure
    // guard with the given procedure name.
    void command(const char* procedure, std::function<void()> action)
    {
        door_.command(procedure, std::move(action));
    }
    bool busy() const { return door_.busy(); }
    // Commands held until the work in progress is over.
    std::size_t heldCommands() const { return door_.held(); }

    // Ends all work at the next wait or doEvents (the window is closing).
    void abandon();
    bool abandoned() const { return guard_.abandoned(); }

    // Game controller. Start_click, Zug_Rot, Feld_Auswahl, Zug_Ausfuehren,
    // Tip_click, Sequenz and Geschwaetz are commands: held while other work is
    // in progress, guarded against failures.
    void Start_click();
    // The restart after changed settings: a new game without the question.
    void restartWithoutAsking();
    // Around the options dialog. While a game goes on with the rules it began
    // with, the dialog and the settings file hold the player's newer choices:
    // beginSettingsChange puts them into the settings, endSettingsChange takes
    // the running game's rules back unless a new game starts. A changed choice
    // starts a new game; one in which a splot has landed is given up only after
    // Yes to "Really start a new game?" (No: it goes on as it is, and the new
    // choices wait for the next start).
    void beginSettingsChange();
    void endSettingsChange(bool changed);
    void Zug_Rot();
    // Move execution. Feld_Auswahl plays the cell for the side to move as a
    // click on it would (wall input off, cursor moved, reply, input on again);
    // outside a running game, or off the wall, it does nothing.
    void Feld_Auswahl(int x, int y);
    void Zug_Ausfuehren(int x, int y);
    // Board input; keys by their classic key codes (13 Enter, 32 Space,
    // 33..40 paging and arrows), clicks in the wall's units. The wall's input
    // only counts while the wall is enabled and no other work is in progress.
    void Bild_KeyDown(int keyCode);
    void Bild_MouseDown(double x, double y);
    // The hint; does nothing outside a running game.
    void Tip_click();
    // Asks "Really end the game?"; true when the user said Yes (the caller closes the window).
    // The question comes at once, also in the middle of a move: closing the
    // window then abandons the move at its next wait.
    bool Ende_click();
    // Sequences and chatter.
    void Sequenz(int n);
    void Geschwaetz();

    // DrawOfferSink: the human accepted the computer's draw offer.
    void drawAccepted() override;

    // The game, the wall's picture and the booth as they stand, and putting
    // them back; the wall's input then follows whether a game runs. Moves made
    // since the snapshot can no longer be taken back, and a result counted
    // since is counted no more.
    GameSnapshot snapshot();
    void restore(const GameSnapshot& before);

    // Take back: the last human move, and against the computer the reply that
    // followed it, as if they had never been made (also after a decided game).
    // Only while canTakeBack(); otherwise, like other wall input, dropped.
    void Zug_Zuruecknehmen();
    // A game has been started, a human has moved since, and nothing else runs.
    bool canTakeBack() const;
    // How many moves can still be taken back.
    std::size_t takeBackDepth() const { return history_.size(); }

    // Told of every decided game (change 1) and of a decided game taken back
    // (change -1), so that each game counts once, with its final result.
    using ResultListener = std::function<void(const GameResult& result, int change)>;
    void setResultListener(ResultListener listener) { resultListener_ = std::move(listener); }

    // Tests: called with the procedure's name before (done false) and after
    // (done true) every step a failure report can name; a throw fails the step.
    void setStepProbe(std::function<void(const char* procedure, bool done)> probe)
    {
        guard_.setStepProbe(std::move(probe));
    }

  private:
    // CommandDoor::Owner: take back is offered only while no work runs.
    void workChanged(bool busy) override;
    void passHeldInput() override;
    void afterWork() override;
    bool takesWallInput() const override;
    // A game is on: built, running and not decided. The one rule for the
    // wall's input: it is on exactly while a game is on.
    bool gameOn() const;

    // The failure guard, as the procedures use it.
    void procedure(const char* name, bool keepsGame, const std::function<void()>& body)
    {
        guard_.procedure(name, keepsGame, body);
    }
    bool step(const std::function<void()>& action, bool needed = false,
              const std::function<void()>& beforeRetry = {})
    {
        return guard_.step(action, needed, beforeRetry);
    }
    bool call(const char* name, bool needed, const std::function<void()>& action,
              const std::function<void()>& beforeRetry = {})
    {
        return guard_.call(name, needed, action, beforeRetry);
    }
    // A move, or a start, whole or not at all: the game's snapshot is put
    // back when a failure spoiled it. False when it was put back.
    bool allOrNothing(const std::function<void()>& work);
    bool spoiled() const { return guard_.spoiled(); }
    void checkAbandoned() const { guard_.checkAbandoned(); }

    // The procedures themselves (the public ones above are their guarded doors).
    void runStart();
    void startSteps();
    void Init_Neues_Spiel();
    void runZugRot();
    // Feld_Suche for the side to move into moveColumn, moveRow; true when a cell was chosen.
    bool searchCell(bool needed);
    void runFeldAuswahl(int x, int y);
    // A human's move on the cell: the wall's input off, the picture marked
    // for a take back, the cursor off while the move runs and on again.
    void humanMove(int x, int y);
    void feldAuswahlSteps(int x, int y);
    void runZugAusfuehren(int x, int y);
    void zugAusfuehrenSteps(int x, int y);
    std::string victoryText(int who);
    void handOver();
    // The end of a game won by `winner` (kRed or kBlue) or drawn (kEmpty).
    void gameEnd(int winner);
    void runKeyDown(int keyCode);
    void runMouseDown(double x, double y);
    void runTip();
    void runSequenz(int n);
    void sequenzSteps(int n);
    void runGeschwaetz();
    void chatter();

    // The wall's picture just before a human move takes the cursor off it.
    void markPictureBeforeMove();
    void keepTakeBackPoint();
    void restoreTakeBackPoint(const TakeBackHistory::Point& point);
    void takeBackPose(const int (&frames)[2]);
    void showTakeBackItem(bool enabled);

    // The platform, as the procedures use it.
    WallDrawing& wall();
    double mark();
    void waitUntil(double deadline);
    void pause(double seconds);
    void events();
    bool soundOn() const { return settings_.soundOn == 1; }
    void playSound(const std::string& fileName);
    void showFrame(int who, int frame);
    bool onWall(int x, int y) const;
    // Erases the cursor, moves it to (column, row) and draws it again.
    void moveCursor(int column, int row);
    // The wall's drawing procedures, each guarded under its own name; needed
    // drawings spoil the move when lost.
    void drawCursor(int colour);
    void draw(const char* name, bool needed, const std::function<void(WallDrawing&)>& drawing);

    GameSettings& settings_;
    Clock& clock_;
    Random& random_;
    Sound& sound_;
    Questions& questions_;
    Scene& scene_;
    WallDrawing* wall_ = nullptr;
    Board board_;
    GameState state_;
    Search search_;
    FailureGuard guard_;
    CommandDoor door_;
    TakeBackHistory history_;
    ResultListener resultListener_;

    // The choices that shape a game (sound, hints and names act at once).
    struct Rules {
        i16 wallSize, computerPlaysRed, level, greaseSpots, blockedNozzle;
    };
    static Rules rulesOf(const GameSettings& s);
    static void setRules(GameSettings& s, const Rules& r);
    void takeWaitingRules();
    Rules rulesAtOpening_{};
    std::optional<Rules> waitingRules_; // the player's choices for the next start
};

} // namespace splot
