// The game in progress: its procedures and its state: starting a game, the
// turns, the execution of a move, the input on the wall, the hint, take back,
// continuing a kept game and the replay. The booth (waits, sounds, painters,
// wall), the narrator (the screen reader), the log (the moves as played) and the
// replayer are parts of their own. Everything outside goes through the
// platform interfaces, so a whole game runs in a test.
#pragma once

#include "engine/GameSettings.h"
#include "engine/Search.h"
#include "flow/Booth.h"
#include "flow/CommandDoor.h"
#include "flow/FailureGuard.h"
#include "flow/GameLog.h"
#include "flow/GameRules.h"
#include "flow/GameSnapshot.h"
#include "flow/KeptGame.h"
#include "flow/Narrator.h"
#include "flow/Replayer.h"
#include "flow/TakeBackHistory.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace splot {

class Announcer;
class Clock;
class Questions;
class Random;
class Scene;
class Sound;
class WallDrawing;

class Game final : public DrawOfferSink, private CommandDoor::Owner {
  public:
    // How long the master thinks about a move in the window.
    static constexpr double kMasterSeconds = 0.9;

    Game(GameSettings& settings, Clock& clock, Random& random, Sound& sound, Questions& questions,
         Scene& scene);

    // The wall is drawn by the presentation, which needs the board and the
    // state first; it is attached right after construction.
    void attachWall(WallDrawing& wall) { booth_.attachWall(wall); }
    // A screen reader hears what happens (the narrator); none by default.
    void attachAnnouncer(Announcer* announcer) { narrator_.attach(announcer); }

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
    // Tip_click and Sequenz are commands: held while other work is
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
    // Screen reader keys on the wall, dropped while other work runs: L the
    // last moves, T the turn, R and C the cursor's row and column, D its
    // diagonals (classic key codes); an arrow's code with Ctrl held jumps
    // the cursor to the next painted cell that way.
    void readOut(int keyCode);
    void jumpCursor(int arrowCode);
    void Sequenz(int n);

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

    // The running game as it is kept when the program closes: nothing before
    // the first game and after a decided one. Moves still in progress are left out.
    std::optional<KeptGame> keptGame() const;
    // Brings a kept game back as it was: the wall, the label, the painters,
    // the puddles and the take-back history. A running game is asked about
    // first ("Really start a new game?"). The game must have played through
    // (playsThrough). The player's own rules wait for the next start.
    void continueGame(const KeptGame& game);
    // Plays the running or the last game back on an empty wall, move by move
    // ("Move 7: Tulla, D5"); any key or click on the wall, or any command, ends
    // it, and everything is as it was before.
    void replay();
    bool canReplay() const { return !busy() && !abandoned() && state_.boardExists && !log_.moves().empty(); }
    bool replaying() const { return replayer_.replaying(); }
    // A game kept last time waits to be continued: Start and a changed option
    // ask before they give it up. It is given up with a new game, a decided
    // one, or when it is continued.
    void setKeptGameWaiting(bool waiting) { keptWaiting_ = waiting; }

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
    // Any command and any input on the wall ends a replay (a command runs after it).
    void inputCame() override;
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

    // Whether a new game may be set out: a running game, or a kept one
    // waiting, is given up only after Yes to "Really start a new game?".
    enum class NewGame { Start, ChangedOption, Continue };
    bool mayGiveUp(NewGame why);
    // The kept game can no longer be continued.
    void keptGameGone();

    // The procedures themselves (the public ones above are their guarded doors).
    void runStart();
    void startSteps();
    // What every new game does before its first move, a started one and a
    // continued one alike: the story folded away, an empty wall shown without
    // input, the painters' introduction at the first game of the run.
    void setOutWall();
    // The board, the state and the log of a new game on a wall of N cells.
    void freshBoard(int N);
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
    // The splot's cell as each side's last move, and the winning line, for the reading keys.
    void noteMove(int side, int column, int row);
    std::string victoryText(int who);
    void handOver();
    // The end of a game won by `winner` (kRed or kBlue) or drawn (kEmpty).
    void gameEnd(int winner);
    void runKeyDown(int keyCode);
    void runMouseDown(double x, double y);
    void runTip();

    // The wall's picture just before a human move takes the cursor off it.
    void markPictureBeforeMove();
    void keepTakeBackPoint();
    void restoreTakeBackPoint(const TakeBackHistory::Point& point);
    void takeBackPose(const int (&frames)[2]);
    void showReplayItem();

    // Continuing a kept game: its rules, the wall set out, its moves painted again.
    void rebuild(const KeptGame& game);
    void runReplay();

    GameSettings& settings_;
    Random& random_;
    Questions& questions_;
    Scene& scene_;
    Board board_;
    GameState state_;
    Search search_;
    FailureGuard guard_;
    CommandDoor door_;
    TakeBackHistory history_;
    GameLog log_;
    Narrator narrator_;
    Booth booth_;
    Replayer replayer_;
    ResultListener resultListener_;
    GameRules rules_;
    bool keptWaiting_ = false;
};

} // namespace splot
