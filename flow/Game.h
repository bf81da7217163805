// The game in progress: its state, the turns, the execution of a move, the
// input on the wall and the painters' sequences with their sounds. Everything
// outside goes through the platform interfaces, so a whole game runs in a test.
#pragma once

#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "engine/Search.h"

#include <deque>
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

struct GameState {
    i16 redBegins = 0;       // drawn by Start_click, a Boolean after the new-game setup
    i16 gameOver = kFalse;
    i16 moveCount = 0;       // splots placed that did not win
    i16 cursorX = 1, cursorY = 1;
    i16 moveColumn = 0, moveRow = 0;
    bool gameRunning = false;       // program-wide: a game is started and not decided
    bool firstGameStarted = false;  // program-wide: never reset
    bool boardExists = false;       // a new game has built the board
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
    Game(GameSettings& settings, Clock& clock, Random& random, Sound& sound,
         Questions& questions, Scene& scene);

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

private:
    struct Busy;

    // The failure guard: runs the action; an unexpected exception is reported
    // (Abort, Retry, Ignore); Retry runs the action again.
    void guarded(const char* procedure, const std::function<void()>& action);
    void runHeldCommands();
    void wallInput(const char* procedure, std::function<void()> action);
    void recoverAfterFailure();

    // The procedures themselves (the public ones above are their guarded doors).
    void runStart();
    void Init_Neues_Spiel();
    void runZugRot();
    void runFeldAuswahl(int x, int y);
    void runZugAusfuehren(int x, int y);
    void handOver();
    void gameEnd();
    void runKeyDown(int keyCode);
    void runMouseDown(double x, double y);
    void runTip();
    void runSequenz(int n);
    void runGeschwaetz();
    void chatter();

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
    int guardDepth_ = 0;
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
};

} // namespace splot
