// The game in progress: its state, the turns, the execution of a move, the
// input on the wall and the painters' sequences with their sounds. Everything
// outside goes through the platform interfaces, so a whole game runs in a test.
#pragma once

#include "engine/Board.h"
#include "engine/GameRecord.h"
#include "engine/GameSettings.h"
#include "engine/Search.h"
#include "flow/KeptGame.h"
#include "platform/Canvas.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace splot {

class Clock;
class Questions;
class Random;
class Scene;
class Sound;
class WallDrawing;

struct GameState {
    i16 redBegins = 0; // drawn by Start_click, a Boolean after the new-game setup
    i16 gameOver = kFalse;
    i16 moveCount = 0; // splots placed that did not win
    i16 cursorX = 1, cursorY = 1;
    i16 moveColumn = 0, moveRow = 0;
    bool gameRunning = false;      // program-wide: a game is started and not decided
    bool firstGameStarted = false; // program-wide: never reset
    bool boardExists = false;      // a new game has built the board
};

// Everything a move changes in the game, on the wall and in the booth: taken
// before a move and put back when the move cannot be completed, or when it is
// taken back.
struct GameSnapshot {
    Board board;
    GameState state;
    i16 drawOfferCounter = 0;
    std::shared_ptr<const Canvas::Saved> wall;
    std::string comment;
    int frames[2] = {};
    bool pumps[2] = {};
    TwipRect puddles[2] = {};
    // The game's history: how many moves could be taken back, and the result
    // the game was counted with in the record.
    std::size_t takeBacks = 0;
    std::optional<GameResult> counted;
    // How many moves the game's list held, and grease spots the cursor had left.
    std::size_t moves = 0;
    std::size_t cursorTraces = 0;
};

// Thrown out of a wait or doEvents() when the main window has closed in the
// middle of a move: the move unwinds and nothing more is drawn.
struct GameAbandoned {};

// The program's title, as the failure report shows it.
inline constexpr const char* kProgramTitle = "Splotchery";

// v minus the largest integer not above v: in [0, 1) for every v.
double Frac(double v);

// The text of the failure report: "Error 1: " newline, the description,
// newline, two tabs, "occurred at line 0", newline, "in Splotchery: Feld_Auswahl".
std::string failureReportText(int number, const std::string& description, int line,
                              const std::string& procedure);

class Game final : public DrawOfferSink {
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
    void command(const char* procedure, std::function<void()> action);
    bool busy() const { return busyDepth_ > 0; }
    // Commands held until the work in progress is over.
    std::size_t heldCommands() const { return pending_.size(); }

    // Ends all work at the next wait or doEvents (the window is closing).
    void abandon();
    bool abandoned() const { return abandoned_; }

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
    std::size_t takeBackDepth() const { return takeBacks_.size(); }

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
    bool canReplay() const { return !busy() && !abandoned_ && state_.boardExists && !moves_.empty(); }
    bool replaying() const { return replaying_; }

    // Told of every decided game (change 1) and of a decided game taken back
    // (change -1), so that each game counts once, with its final result.
    using ResultListener = std::function<void(const GameResult& result, int change)>;
    void setResultListener(ResultListener listener) { resultListener_ = std::move(listener); }

    // Tests: called with the procedure's name before (done false) and after
    // (done true) every step a failure report can name; a throw fails the step.
    void setStepProbe(std::function<void(const char* procedure, bool done)> probe)
    {
        stepProbe_ = std::move(probe);
    }

  private:
    // Marks work in progress (a start, a move, a sequence) for as long as it
    // runs, also when it unwinds through an exception. Take back is offered
    // only while nothing runs.
    struct Busy {
        explicit Busy(Game& game) : game_(game)
        {
            if (game_.busyDepth_++ == 0)
                game_.showTakeBackItem(false);
        }
        ~Busy()
        {
            if (--game_.busyDepth_ == 0) {
                game_.showTakeBackItem(game_.canTakeBack());
                game_.showReplayItem();
            }
        }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
        Game& game_;
    };
    struct ProcedureFrame {
        const char* name = "";
        bool keepsGame = false;
    };
    // Abort in a step of the procedure at this depth of the stack: leave it.
    struct LeaveProcedure {
        std::size_t depth;
    };

    // The failure guard of a door: the action is one step of the procedure
    // `procedure`; a window closing in the middle of it ends here.
    void guarded(const char* procedure, const std::function<void()>& action);
    // A door's work, then the input the waits held back meanwhile: wall input
    // in it is dropped, commands in it are held; then the held commands.
    void runWork(const char* procedure, const std::function<void()>& action);
    void dropHeldBackInput(const char* procedure);
    void runHeldCommands();
    void wallInput(const char* procedure, std::function<void()> action);

    // Per-procedure failure handling. `procedure` runs body as the procedure
    // `name`: a failure in one of its steps is reported under that name, and
    // Abort leaves the procedure (its caller goes on). keepsGame: leaving the
    // procedure early spoils the move it belongs to.
    void procedure(const char* name, bool keepsGame, const std::function<void()>& body);
    // One step of the innermost procedure: Retry runs it again (after
    // beforeRetry), Ignore goes on after it, Abort leaves the procedure. A step
    // the move needs, lost by Ignore or Abort, spoils the move. True when done.
    bool step(const std::function<void()>& action, bool needed = false,
              const std::function<void()>& beforeRetry = {});
    // A procedure of one step: a call into the engine or the wall's drawing.
    bool call(const char* name, bool needed, const std::function<void()>& action,
              const std::function<void()>& beforeRetry = {});
    // Runs a move, or a start, whole or not at all: spoiled by a failure, or
    // left by an exception, everything is put back as before it. Nested calls
    // belong to the outermost one. False when it was put back.
    bool allOrNothing(const std::function<void()>& work);

    // The procedures themselves (the public ones above are their guarded doors).
    void runStart();
    void startSteps();
    void Init_Neues_Spiel();
    void runZugRot();
    // Feld_Suche for the side to move into moveColumn, moveRow; true when a cell was chosen.
    bool searchCell(bool needed);
    void runFeldAuswahl(int x, int y);
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

    // What a take back comes back to: the game just before a human move.
    struct TakeBackPoint {
        GameSnapshot game;
        bool cursorShown = false; // the picture still shows the cursor
    };
    // The wall's picture just before a human move takes the cursor off it.
    void markPictureBeforeMove();
    void keepTakeBackPoint();
    void restoreTakeBackPoint();
    void takeBackPose();
    void forgetTakeBacks();
    void showTakeBackItem(bool enabled);
    void showReplayItem();

    // Kept games and replays.
    void rebuild(const KeptGame& game);
    void rebuildGrease(const KeptGame& game);
    // The cursor's white dots on grease spots it left after `moves` moves.
    void drawTraces(const KeptGame& game, std::size_t moves);
    // Paints the kept move m for `mover` on the board and the wall, without
    // the painters' sequences; pace > 0 shows the squirt for that long.
    void paintKeptMove(const KeptMove& m, int mover, double pace);
    // The painters, the pump and the label at rest, with `moves` moves made.
    void restPose(const KeptGame& game, std::size_t moves);
    void runReplay();
    void resetPuddles();
    void whiteOutCell(int x, int y);
    void growPuddle(int mover);

    // The platform, as the procedures use it.
    WallDrawing& wall();
    double mark();
    void waitUntil(double deadline);
    void pause(double seconds);
    void events();
    void checkAbandoned() const;
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
    int busyDepth_ = 0;
    std::vector<ProcedureFrame> procedures_;
    int spoiled_ = 0;        // failures that lost a step a move needed
    bool inWhole_ = false;   // inside allOrNothing
    int spoiledAtStart_ = 0; // spoiled_ when the outermost allOrNothing began
    // A move that will be taken back hands no turn over.
    bool spoiled() const { return inWhole_ && spoiled_ != spoiledAtStart_; }
    std::function<void(const char*, bool)> stepProbe_;
    bool draining_ = false;
    bool abandoned_ = false;
    std::deque<std::pair<const char*, std::function<void()>>> pending_;

    // The choices that shape a game (sound, hints and names act at once).
    struct Rules {
        i16 wallSize, computerPlaysRed, level, greaseSpots, blockedNozzle;
    };
    static Rules rulesOf(const GameSettings& s);
    static void setRules(GameSettings& s, const Rules& r);
    void takeWaitingRules();
    Rules rulesAtOpening_{};
    std::optional<Rules> waitingRules_; // the player's choices for the next start

    std::vector<TakeBackPoint> takeBacks_;
    std::shared_ptr<const Canvas::Saved> pictureBeforeMove_; // until a move keeps it
    int standingFrames_[2] = {};                             // the painters' frames a take back comes back to
    std::optional<GameResult> counted_;                      // the result this game was counted with
    // The game's moves in order, with what drawing them again needs.
    std::vector<KeptMove> moves_;
    std::vector<KeptCell> grease_;
    std::uint32_t greaseSeed_ = 0;
    std::vector<KeptTrace> cursorTraces_;
    bool replaying_ = false;
    bool stopReplay_ = false;
    ResultListener resultListener_;
};

} // namespace splot
