// The game controller: the doors through which every command comes in,
// starting a game (the one path every new game takes, a continued one too),
// the computer's move, the hand-over of the turn, the end of a game, changed
// choices, continuing a kept game and the replay.
#include "flow/Game.h"

#include "platform/Questions.h"
#include "platform/Random.h"
#include "platform/Scene.h"
#include "platform/WallDrawing.h"

#include <algorithm>

namespace splot {

Game::Game(GameSettings& settings, Clock& clock, Random& random, Sound& sound, Questions& questions,
           Scene& scene)
    : settings_(settings), random_(random), questions_(questions), scene_(scene),
      search_(random, questions, *this),
      guard_(questions, [this] { scene_.setPointer(Scene::Pointer::Normal); }), door_(guard_, *this),
      narrator_(board_, state_, settings_, scene_),
      booth_(clock, sound, scene, random, guard_, settings_, board_, state_, log_, narrator_),
      replayer_(board_, state_, booth_, log_, random, scene, guard_), rules_(settings)
{
    // The master thinks by the clock, about a second a move, as long as the
    // other levels take with their painters' waits.
    search_.master.limits = MasterLimits::forTime(kMasterSeconds);
}

// ---------------------------------------------------------------------------
// Public doors

void Game::Start_click()
{
    door_.work("Start_click", [this] { runStart(); });
}

void Game::restartWithoutAsking()
{
    door_.work("Start_click", [this] {
        state_.gameRunning = false;
        state_.gameOver = kTrue;
        runStart();
    });
}

void Game::Zug_Rot()
{
    door_.work("Zug_Rot", [this] {
        if (gameOn())
            runZugRot();
    });
}

void Game::Feld_Auswahl(int x, int y)
{
    door_.work("Feld_Auswahl", [this, x, y] {
        if (gameOn() && booth_.onWall(x, y))
            humanMove(x, y);
    });
}

void Game::Zug_Ausfuehren(int x, int y)
{
    door_.work("Zug_Ausfuehren", [this, x, y] {
        if (gameOn() && booth_.onWall(x, y))
            allOrNothing([&] { runZugAusfuehren(x, y); });
    });
}

void Game::Bild_KeyDown(int keyCode)
{
    door_.wallInput("Bild_KeyDown", [this, keyCode] { runKeyDown(keyCode); });
}

void Game::Bild_MouseDown(double x, double y)
{
    door_.wallInput("Bild_MouseDown", [this, x, y] { runMouseDown(x, y); });
}

void Game::Tip_click()
{
    door_.work("Tip_click", [this] { runTip(); });
}

bool Game::Ende_click()
{
    bool yes = false;
    if (guard_.abandoned())
        return false;
    guard_.door("Ende_click",
                [this, &yes] { yes = questions_.askYesNo("Really end the game?", "End program"); });
    return yes;
}

void Game::Sequenz(int n)
{
    door_.work("Sequenz", [this, n] { booth_.runSequenz(n); });
}

void Game::abandon()
{
    guard_.abandon();
    door_.dropHeld();
}

void Game::drawAccepted()
{
    checkAbandoned();
    booth_.runSequenz(4);
    scene_.setComment("The game ends in a draw!");
    gameEnd(kEmpty);
}

// ---------------------------------------------------------------------------
// The door's questions: the wall's input

bool Game::gameOn() const
{
    return state_.boardExists && state_.gameRunning && state_.gameOver == kFalse;
}

bool Game::takesWallInput() const
{
    return state_.boardExists && scene_.wallEnabled();
}

void Game::passHeldInput()
{
    booth_.events();
}

void Game::afterWork()
{
    // Whatever happened, the wall takes input exactly while a game runs, and
    // it has the keyboard focus again after a dialog or a question box.
    if (!state_.boardExists)
        return;
    scene_.setWallEnabled(gameOn());
    if (scene_.wallVisible() && !scene_.storyVisible())
        scene_.focusWall();
}

// ---------------------------------------------------------------------------
// Starting a game

bool Game::mayGiveUp(NewGame why)
{
    // A changed option gives up a running game without asking while no splot has landed.
    const bool running = state_.gameRunning && state_.gameOver == kFalse &&
                         (why != NewGame::ChangedOption || state_.moveCount > 0);
    const bool kept = keptWaiting_ && why != NewGame::Continue;
    if (!running && !kept)
        return true;
    if (!questions_.askYesNo("Really start a new game?", "Start"))
        return false;
    checkAbandoned();
    return true;
}

void Game::keptGameGone()
{
    keptWaiting_ = false;
    scene_.setMenuEnabled(Scene::MenuItem::Continue, false);
}

void Game::runStart()
{
    // A game in progress, or one kept waiting: ask first; anything but Yes leaves it as it was.
    if (!mayGiveUp(NewGame::Start))
        return;
    // A start that a failure spoiled leaves the game as it was before.
    allOrNothing([this] { procedure("Start_click", true, [this] { startSteps(); }); });
}

void Game::setOutWall()
{
    // The story box folds up in steps of 150 twips and disappears.
    if (scene_.storyVisible()) {
        const int H = scene_.storyHeight();
        for (int i = 100; i <= H; i += 150)
            scene_.setStoryHeight(std::max(0, scene_.storyHeight() - 150));
        scene_.hideStory();
    }

    scene_.setMenuEnabled(Scene::MenuItem::Story, false);
    booth_.draw("Zeichne_Raster", true, [](WallDrawing& w) { w.Zeichne_Raster(); });

    // The painters turn to the wall before the first game.
    if (!state_.firstGameStarted) {
        booth_.showFrame(0, 1);
        booth_.showFrame(1, 10);
        booth_.events();
    }

    // The wall shows, without input until the first turn is handed out.
    if (!scene_.wallVisible())
        scene_.setWallVisible(true);
    scene_.setWallEnabled(false);

    // The introduction, once per program run.
    if (!state_.firstGameStarted)
        booth_.runSequenz(1);
    state_.firstGameStarted = true;
}

void Game::freshBoard(int N)
{
    // Sizes, player signs, fresh tables, every cell empty (a bad wall size
    // throws here and reaches the failure report).
    if (!step([&] { board_.newGame(N); }, true))
        return;
    state_.boardExists = true;
    state_.gameOver = kFalse;
    state_.moveCount = 0;
    state_.winningLine = 0, state_.lastMover = -1, state_.lastColumn[0] = state_.lastColumn[1] = 0;

    // The cursor to the middle of the wall.
    booth_.moveCursor(N / 2 + 1, N / 2 + 1);
    log_.clear();
}

void Game::startSteps()
{
    // The old game is given up from here: should this start stop half-way, no
    // half-built game counts as running. Choices kept waiting take effect now.
    state_.gameRunning = false;
    rules_.takeWaiting();
    // 2 .. 8.
    setOutWall();

    // 9. Who begins: 0 (Red) when 2r rounds to 0, that is when r <= 0.25.
    random_.Randomize();
    const float r = random_.Rnd();
    state_.redBegins = static_cast<i16>(roundHalfEven(2.0 * static_cast<double>(r)));

    // 10 .. 12.
    procedure("Init_Neues_Spiel", true, [this] { Init_Neues_Spiel(); });
    scene_.repaintWall();
    booth_.runSequenz(7);

    // 13. The first turn.
    if (state_.redBegins != kFalse) {
        booth_.showFrame(0, 4);
        scene_.setPumpVisible(1, true);
        scene_.setPumpVisible(0, false);
        if (settings_.computerPlaysRed != kFalse) {
            scene_.setComment("Computer begins");
            runZugRot();
        } else {
            board_.currentPlayer = kRed;
            scene_.setComment({"%1 begins", {Phrase::name(settings_.redName)}});
        }
    } else {
        booth_.showFrame(1, 13);
        scene_.setPumpVisible(0, true);
        scene_.setPumpVisible(1, false);
        scene_.setComment({"%1 begins", {Phrase::name(settings_.blueName)}});
        board_.currentPlayer = kBlue;
    }

    // 14. The old game's moves can no longer be taken back, nor a kept game continued.
    history_.forget();
    keptGameGone();
    state_.gameRunning = true;
    scene_.setWallEnabled(true);
    scene_.focusWall();
}

void Game::Init_Neues_Spiel()
{
    scene_.setPointer(Scene::Pointer::Hourglass);
    search_.drawOfferCounter = 0;
    search_.gameLevel = settings_.level;
    scene_.setMenuEnabled(Scene::MenuItem::Tip, settings_.hintsOn == 1);

    const int N = settings_.wallSize;
    freshBoard(N);
    if (!state_.boardExists)
        return;
    state_.redBegins = state_.redBegins == 0 ? kTrue : kFalse;

    if (settings_.greaseSpots != 0) {
        // A retry starts from the board and the picture without spots.
        const Board clean = board_;
        WallDrawing& wall = booth_.wall();
        const std::shared_ptr<const Canvas::Saved> picture = wall.savePicture();
        call(
            "Fettflecken", true,
            [&] { board_.Fettflecken(random_, wall.canvas(), wall.cellSize(), wall.innerSize()); },
            [&] { board_ = clean, wall.restorePicture(*picture); });
        std::vector<KeptCell> grease;
        for (int row = 1; row <= N; ++row)
            for (int column = 1; column <= N; ++column)
                if (board_.cells(board_.index(column, row)) == kGrease)
                    grease.push_back({column, row});
        log_.setGrease(std::move(grease), random_.lastSeed());
    }

    booth_.resetPuddles();
    scene_.setPointer(Scene::Pointer::Normal);
}

// ---------------------------------------------------------------------------
// The computer's move, the hand-over, the end of a game

bool Game::searchCell(bool needed)
{
    // A retry searches the board as it was before the search began.
    bool chosen = false;
    const Board before = board_;
    call(
        "Feld_Suche", needed,
        [this, &chosen] {
            chosen = search_.Feld_Suche(board_, state_.moveCount, state_.moveColumn, state_.moveRow);
        },
        [&] { board_ = before; });
    return chosen;
}

void Game::runZugRot()
{
    allOrNothing([this] {
        procedure("Zug_Rot", true, [this] {
            board_.currentPlayer = kRed;
            scene_.setWallEnabled(false);

            // The master thinks for a while: the hourglass shows meanwhile.
            const bool thinks = search_.gameLevel == kMasterLevel;
            if (thinks)
                scene_.setPointer(Scene::Pointer::Hourglass);
            const bool chosen = searchCell(true);
            if (thinks)
                scene_.setPointer(Scene::Pointer::Normal);
            checkAbandoned();
            // An accepted draw offer has ended the game already.
            if (!chosen || state_.gameOver != kFalse)
                return;

            booth_.moveCursor(state_.moveColumn, state_.moveRow);
            runFeldAuswahl(state_.moveColumn, state_.moveRow);
        });
    });
}

void Game::handOver()
{
    if (board_.currentPlayer == kBlue) {
        booth_.showFrame(0, 4);
        if (settings_.computerPlaysRed != kFalse) {
            scene_.setComment("Computer's turn");
            booth_.events();
            runZugRot();
        } else {
            board_.currentPlayer = kRed;
            scene_.setComment({"%1's turn", {Phrase::name(settings_.redName)}});
        }
    } else {
        booth_.showFrame(1, 13);
        board_.currentPlayer = kBlue;
        scene_.setComment({"%1's turn", {Phrase::name(settings_.blueName)}});
    }
}

void Game::gameEnd(int winner)
{
    state_.gameOver = kTrue;
    state_.gameRunning = false;
    scene_.setWallEnabled(false);
    scene_.setMenuEnabled(Scene::MenuItem::Story, true);
    keptGameGone();

    // The record: the game counts with this result until it is taken back.
    const GameResult result{settings_.computerPlaysRed != kFalse, search_.gameLevel, winner};
    history_.setCounted(result);
    if (resultListener_)
        resultListener_(result, 1);
}

// ---------------------------------------------------------------------------
// Changed choices while a game runs

void Game::beginSettingsChange()
{
    rules_.beginChange();
}

void Game::endSettingsChange(bool changed)
{
    if (!changed) {
        rules_.unchanged();
        return;
    }
    command("Start_click", [this] {
        // No: the running game keeps its rules, and the player's choices wait.
        if (!mayGiveUp(NewGame::ChangedOption)) {
            rules_.keepGame();
            return;
        }
        rules_.dropWaiting();
        restartWithoutAsking();
    });
}

} // namespace splot
