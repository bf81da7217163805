// The game in progress: its state, the turns, the execution of a move, the
// input on the wall and the painters' sequences with their sounds. Everything
// outside goes through the platform interfaces, so a whole game runs in a test.
#pragma once

#include "../engine/Board.h"
#include "../engine/GameSettings.h"
#include "../engine/Search.h"

#include <deque>
#include <functional>
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

    // Ends all work at the next wait or doEvents (the window is closing).
    void abandon();
    bool abandoned() const { return abandoned_; }

    // Game controller.
    void Start_click();
    void Zug_Rot();
    // Move execution.
    void Feld_Auswahl(int x, int y);
    void Zug_Ausfuehren(int x, int y);
    // Board input; keys by their classic key codes (13 Enter, 32 Space,
    // 33..40 paging and arrows), clicks in the wall's units.
    void Bild_KeyDown(int keyCode);
    void Bild_MouseDown(double x, double y);
    void Tip_click();
    // Asks "Really end the game?"; true when the user said Yes (the caller closes the window).
    bool Ende_click();
    // Sequences and chatter.
    void Sequenz(int n);
    void Geschwaetz();

    // DrawOfferSink: the human accepted the computer's draw offer.
    void drawAccepted() override;

private:
    // (filled in by the game flow)
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
    bool abandoned_ = false;
    std::deque<std::pair<const char*, std::function<void()>>> pending_;
};

} // namespace splot
